#!/usr/bin/python3
"""Writes the shipped sheets of the higher-mathematics and multivariate categories:
data/zarnix高等数学.thf, data/zarnix多元回归插值.thf, and the 多元回归插值 data sets in
data/zarnix数据.txt (inserted before the final "///"; earlier sets of that category are
replaced, every other line is kept). All files are GBK with CR LF line ends.

    python3 scripts/make_sheets_higher_math_multivariate.py
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
MULTI = "多元回归插值"


def write_lines(name, lines):
    with open(os.path.join(DATA, name), "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("gbk"))


def read_lines(name):
    with open(os.path.join(DATA, name), "rb") as f:
        return f.read().decode("gbk").split("\r\n")


# ------------------------------------------------------------------ 高等数学

HIGHER_MATH = [
    ("11", "正态分布概率", "均值a,标准差b,下限c,上限d", "0", "1", "-1", "1", ""),
    ("12", "二项分布概率", "n次试验恰k次成功:C(n,k)p^k(1-p)^(n-k)", "10", "3", "0.5", "", ""),
    ("13", "至少k次成功的概率", "n次试验,每次成功概率p", "10", "3", "0.5", "", ""),
    ("14", "b个中取m个时避开前i个的平均概率", "i=0…t,t=b*参数3的整数部分", "10", "2", "0.5", "", ""),
    ("15", "超几何分布:至少i0个次品", "总数N,次品数M,抽取数n,i0", "50", "5", "10", "1", ""),
    ("16", "m件按指定顺序取出的概率", "总数t,件数m", "10", "3", "", "", ""),
    ("17", "皮尔逊Ⅲ型累积频率曲线", "均值X,Cv,Cs(Cs>=2Cv),结果见答案框", "1000", "0.5", "1.2", "", ""),
    ("18", "正态分布密度", "均值,标准差,x", "0", "1", "0", "", ""),
    ("19", "n次中至少一次不成功:1-p^n", "n,每次成功概率p", "10", "0.9", "", "", ""),
    ("20", "k次抽取各不相同的概率", "k,可能数n(整数)", "5", "10", "", "", ""),
    ("21", "生日问题:k人中有人同一天生日", "人数k(整数)", "23", "", "", "", ""),
    ("22", "(f+1)*(f!)^2/(2f-1)!/2", "f(正整数)", "5", "", "", "", ""),
    ("51", "曲线长度:y=公式,x从a到b", "cosh(x)", "0", "1", "", "", ""),
    ("52", "曲线与x轴间的面积", "sin(x)", "0", "6.283185307179586", "", "", ""),
    ("53", "样条曲线下的积分", "参数1为x值,参数2为y值,用;分隔", "0;0.5;1;1.5;2", "1;1.6487;2.7183;4.4817;7.3891", "", "", ""),
    ("54", "二重积分:x从参数1到参数2,y从参数3到参数4", "参数5为被积函数", "0", "1", "0", "x", "x*y"),
    ("56", "完全椭圆积分K;E", "模数a(|a|<1)", "0.5", "", "", "", ""),
    ("61", "贝塞尔函数Jν(x)", "阶数ν,x", "0", "2.404825557695773", "", "", ""),
    ("61", "贝塞尔函数Jν(x)", "阶数ν,x", "2.5", "10", "", "", ""),
    ("62", "Γ函数", "x", "0.5", "", "", "", ""),
    ("63", "B函数", "a,b", "2", "3", "", "", ""),
    ("64", "e=1+1/1!+1/2!+…+1/n!", "项数n", "10", "", "", "", ""),
    ("65", "计算π", "小数位数(至多8000),结果见答案框", "100", "", "", "", ""),
    ("66", "欧拉常数:1+1/2+…+1/n-ln(n)", "n", "1000", "", "", "", ""),
    ("67", "连带勒让德函数Plm(x)", "l,m,x", "3", "1", "0.5", "", ""),
    ("***", "", "", "", "", "", "", ""),
]


def higher_math_sheet():
    lines = ["C4`C40`C40`C16`C16`C12`C12`C12`C30",
             "编号`项目`公式或说明`参数1`参数2`参数3`参数4`参数5`结果"]
    for row in HIGHER_MATH:
        lines.append("`".join(row) + "`")
    return lines


write_lines("zarnix高等数学.thf", higher_math_sheet())
