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

# ------------------------------------------------------------------ 多元回归插值
# Each data set is a list of rows (lists of cells); every row is padded to the widest one, since
# load data takes the column count from the commas of a set's last row.

COMBINED = [
    ["综合示例：二元函数表z(x;y)（第1行x，第1列y），插值点写成X;Y；多元函数表；三元函数批量计算"],
    ["y\\x", "1", "2", "3", "4", "5"],
    ["1", "4", "6.243", "8.928", "12", "15.416"],
    ["2", "5", "7.657", "10.66", "14", "17.652"],
    ["3", "6", "9.071", "12.392", "16", "19.889"],
    ["4", "7", "10.485", "14.124", "18", "22.125"],
    ["5", "8", "11.899", "15.856", "20", "24.361"],
    [],
    ["插值点X;Y", "1.5;2.5", "3.2;4.1", "4.5;1.5", "2;2"],
    ["插值结果"],
    [],
    ["多元函数表", "观测1", "观测2", "观测3", "观测4", "观测5", "观测6", "观测7", "观测8"],
    ["Y", "15.44", "15.4", "6.88", "19.64", "14.94", "6.9", "10.91", "14.79"],
    ["X1", "3.9", "4.3", "1.3", "8.4", "6.6", "1.4", "2.3", "6.2"],
    ["X2", "0.8", "0.3", "2.2", "0.6", "4.7", "4.3", "0.6", "3.2"],
    ["X3", "23", "20.1", "11.4", "14.5", "21.5", "15.8", "16.2", "17.4"],
    [],
    [],
    ["三元函数批量计算", "下面依次为：公式；系数a、b、c…；x值；y值；z值（每格一个）"],
    ["公式", "a*x^2+b*y+c*z"],
    ["系数", "1", "2", "0.5"],
    ["x", "1", "2", "3", "4"],
    ["y", "0", "1"],
    ["z", "10", "20"],
]

LOGARITHMIC = [
    ["对数插值：z=2*x^1.5*y^0.5，在对数坐标中插值（左上角格含“对数”）；4×4的表只能回归1、2阶"],
    ["对数 y\\x", "1", "2", "4", "8"],
    ["1", "2", "5.6569", "16", "45.2548"],
    ["10", "6.3246", "17.8885", "50.5964", "143.1084"],
    ["100", "20", "56.5685", "160", "452.5483"],
    ["1000", "63.2456", "178.8854", "505.9644", "1431.0835"],
    [],
    ["插值点X;Y", "3;50", "6;300", "1.5;2"],
    ["插值结果"],
]

EXACT_REGRESSION = [
    ["多元线性回归：Y=1+2*X1-X2，五个观测值"],
    ["多元函数表", "观测1", "观测2", "观测3", "观测4", "观测5"],
    ["Y", "1", "4", "2", "7", "6"],
    ["X1", "0", "1", "2", "3", "4"],
    ["X2", "0", "-1", "3", "0", "3"],
    [],
]

COLLINEAR = [
    ["多元线性回归：X3=X1+X2，自变量线性相关，方程无唯一解"],
    ["多元函数表", "观测1", "观测2", "观测3", "观测4", "观测5", "观测6"],
    ["Y", "3.1", "4.9", "7.2", "8.8", "11.1", "13"],
    ["X1", "1", "2", "3", "4", "5", "6"],
    ["X2", "2", "1", "4", "3", "6", "5"],
    ["X3", "3", "3", "7", "7", "11", "11"],
    [],
]

BATCH = [
    ["三元函数批量计算：点(x;y;z)到点(a;b;c)的距离"],
    ["三元函数批量计算", "下面依次为：公式；系数a、b、c…；x值；y值；z值（每格一个）"],
    ["公式", "sqrt(sqr(x-a)+sqr(y-b)+sqr(z-c))"],
    ["系数", "1", "1", "1"],
    ["x", "0", "1", "2", "3"],
    ["y", "0", "2"],
    ["z", "0", "1", "5"],
]

SETS = [COMBINED, LOGARITHMIC, EXACT_REGRESSION, COLLINEAR, BATCH]


def padded(data_set):
    width = max(len(row) for row in data_set)
    return [row + [""] * (width - len(row)) for row in data_set]


def data_set_lines(data_set):
    return [",".join(row) for row in padded(data_set)]


def write_data_list():
    lines = read_lines("zarnix数据.txt")
    while lines and lines[-1] == "":
        lines.pop()
    # Drop earlier sets of this category, keep everything else.
    kept, i = [], 0
    while i < len(lines):
        if lines[i] == MULTI:
            i = lines.index("***", i) + 1
            continue
        kept.append(lines[i])
        i += 1
    end = kept.index("///")
    block = []
    for data_set in SETS:
        block += [MULTI] + data_set_lines(data_set) + ["***"]
    write_lines("zarnix数据.txt", kept[:end] + block + kept[end:])


def multivariate_sheet():
    """The first data set as the save-results command writes a data-set worksheet."""
    rows = padded(COMBINED)
    width = len(rows[0])
    lines = ["`".join(["C10"] * width), "`".join("a" + str(i + 1) for i in range(width))]
    return lines + ["`".join(row) for row in rows]


write_data_list()
write_lines("zarnix多元回归插值.thf", multivariate_sheet())
