#!/usr/bin/python3
"""Writes the shipped worksheet of the geometric-figures category, data/zarnix几何图形.thf
(GBK, CR LF). Seven sections, each started by a row whose column-1 text has "." as its second
character; the measures are formulas in the letters the handler fills (see the help text).

    python3 scripts/make_geometry_sheet.py
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SHEET = os.path.join(ROOT, "data", "zarnix几何图形.thf")
COLUMNS = 11  # columns 1 … 11 of the worksheet

DESCRIPTORS = ["C14", "C40", "C30", "C40", "C12", "C40", "C12", "C40", "C12", "C40", "C12"]
NAMES = ["项目", "公式或说明", "数据3", "数据4", "数据5", "数据6", "数据7", "数据8", "数据9",
         "数据10", "数据11"]

HERON = "sqrt(s*(s-a)*(s-b)*(s-c))"

TRIANGLES = [
    ["", "输入方式(每列一个三角形)", "三边a;b;c", "边a;夹角B°;边c", "角A°;边b;角C°",
     "平面三点x1;y1;x2;y2;x3;y3", "空间三点x1;y1;z1;…;z3"],
    ["1.三角形", "公式:a,b,c为三边,s为半周长", "3;4;5", "3;90;4", "30;5;60", "0;0;3;0;0;4",
     "0;0;0;2;0;0;0;2;1"],
    ["边a", "三边由各列数据得出"],
    ["边b", ""],
    ["边c", ""],
    ["周长", "2*s"],
    ["面积", HERON],
    ["角A°", "rtod(arccos((b*b+c*c-a*a)/(2*b*c)))"],
    ["角B°", "rtod(arccos((a*a+c*c-b*b)/(2*a*c)))"],
    ["角C°", "rtod(arccos((a*a+b*b-c*c)/(2*a*b)))"],
    ["高ha", "2*" + HERON + "/a"],
    ["高hb", "2*" + HERON + "/b"],
    ["高hc", "2*" + HERON + "/c"],
    ["中线ma", "sqrt(2*b*b+2*c*c-a*a)/2"],
    ["中线mb", "sqrt(2*a*a+2*c*c-b*b)/2"],
    ["中线mc", "sqrt(2*a*a+2*b*b-c*c)/2"],
    ["角平分线ta", "2*sqrt(b*c*s*(s-a))/(b+c)"],
    ["角平分线tb", "2*sqrt(a*c*s*(s-b))/(a+c)"],
    ["角平分线tc", "2*sqrt(a*b*s*(s-c))/(a+b)"],
    ["外接圆半径R", "a*b*c/(4*" + HERON + ")"],
    ["内切圆半径r", "sqrt((s-a)*(s-b)*(s-c)/s)"],
    ["旁切圆半径ra", "sqrt(s*(s-b)*(s-c)/(s-a))"],
    ["旁切圆半径rb", "sqrt(s*(s-a)*(s-c)/(s-b))"],
    ["旁切圆半径rc", "sqrt(s*(s-a)*(s-b)/(s-c))"],
]

POLYGONS = [
    ["", "输入方式(每列一个正多边形)", "边长a;边数n", "外接圆半径R;边数n", "内切圆半径r;边数n",
     "边长a;边数n", "边长a;边数n"],
    ["2.正多边形", "公式:a为边长,n为边数", "1;6", "1;6", "1;4", "2;5", "1;12"],
    ["边长a", "边长由各列数据得出"],
    ["边数n", ""],
    ["周长", "n*a"],
    ["面积", "n*a*a/4*cot(pi/n)"],
    ["外接圆半径", "a/2/sin(pi/n)"],
    ["内切圆半径", "a/2*cot(pi/n)"],
    ["内角°", "(n-2)*180/n"],
    ["中心角°", "360/n"],
    ["内角和°", "(n-2)*180"],
    ["对角线条数", "n*(n-3)/2"],
    ["最长对角线", "a/sin(pi/n)*sin(int(n/2)*pi/n)"],
]


def table_header(number, title, first, second):
    return [number + "." + title, "参数说明|列9、列11的含义", "参数a;b;c…", first + "公式",
            first, second + "公式", second, "公式3", "量3", "公式4", "量4"]


def figure(name, note, params, *formulas):
    row = [name, note, params]
    for formula in formulas:
        row += [formula, ""]
    return row


def polyhedron_radius(coefficients):
    """a times the coefficient of the polyhedron with b faces, chosen by comparisons."""
    terms = ["(b=%d)*%s" % (faces, c) for faces, c in coefficients]
    return "a*(" + "+".join(terms) + ")"


CIRCUMRADIUS = polyhedron_radius([
    (4, "sqrt(6)/4"), (6, "sqrt(3)/2"), (8, "sqrt(2)/2"), (12, "sqrt(3)*(1+sqrt(5))/4"),
    (20, "sqrt(10+2*sqrt(5))/4")])
INRADIUS = polyhedron_radius([
    (4, "sqrt(6)/12"), (6, "1/2"), (8, "sqrt(6)/6"), (12, "sqrt(250+110*sqrt(5))/20"),
    (20, "sqrt(3)*(3+sqrt(5))/12")])

# The tetrahedron's points P1 = (a, b, c), P2 = (d, e, f), P3 = (g, h, i), P4 = (j, k, l).
POINTS = ["abc", "def", "ghi", "jkl"]


def face_area(p, q, r):
    """Half the length of (Q − P) × (R − P), written out in the coordinates' letters."""
    u = ["(%s-%s)" % (q[i], p[i]) for i in range(3)]
    v = ["(%s-%s)" % (r[i], p[i]) for i in range(3)]
    cross = ["%s*%s-%s*%s" % (u[(i + 1) % 3], v[(i + 2) % 3], u[(i + 2) % 3], v[(i + 1) % 3])
             for i in range(3)]
    return "sqrt(" + "+".join("sqr(%s)" % c for c in cross) + ")/2"


P1, P2, P3, P4 = POINTS
TETRAHEDRON_SURFACE = "+".join(
    face_area(*face) for face in [(P1, P2, P3), (P1, P2, P4), (P1, P3, P4), (P2, P3, P4)])
EDGE_P1P2 = "sqrt(sqr(d-a)+sqr(e-b)+sqr(f-c))"

PYRAMID_APOTHEM = "sqrt(sqr(a/2*cot(pi/b))+c*c)"

SOLIDS = [
    table_header("3", "立体图形", "体积", "全面积"),
    figure("立方体", "a棱长|9:面对角线 11:体对角线", "2",
           "a^3", "6*a*a", "sqrt(2)*a", "sqrt(3)*a"),
    figure("长方体", "a,b,c长宽高|9:体对角线 11:外接球半径", "3;4;5",
           "a*b*c", "2*(a*b+b*c+a*c)", "sqrt(a*a+b*b+c*c)", "sqrt(a*a+b*b+c*c)/2"),
    figure("正棱柱", "a底边长,b边数,c高|9:侧面积 11:底面积", "2;6;5",
           "p*c", "2*p+a*b*c", "a*b*c", "p"),
    figure("正棱锥", "a底边长,b边数,c高|9:侧面积 11:侧棱长", "2;4;3",
           "p*c/3", "p+a*b*" + PYRAMID_APOTHEM + "/2", "a*b*" + PYRAMID_APOTHEM + "/2",
           "sqrt(sqr(a/2/sin(pi/b))+c*c)"),
    figure("正棱台", "a下底边长,b边数,c高,d上底边长|9:侧面积 11:斜高", "4;6;3;2",
           "c*(p+q+sqrt(p*q))/3", "p+q+b*(a+d)*l/2", "b*(a+d)*l/2", "l"),
    figure("圆柱", "a底面半径,b高|9:侧面积 11:底面积", "2;5",
           "pi*a*a*b", "2*pi*a*(a+b)", "2*pi*a*b", "pi*a*a"),
    figure("圆锥", "a底面半径,b高|9:侧面积 11:母线长", "3;4",
           "pi*a*a*b/3", "pi*a*(a+sqrt(a*a+b*b))", "pi*a*sqrt(a*a+b*b)", "sqrt(a*a+b*b)"),
    figure("圆台", "a下底半径,b上底半径,c高|9:侧面积 11:母线长", "3;2;4",
           "pi*c*(a*a+a*b+b*b)/3", "pi*(a*a+b*b+(a+b)*l)", "pi*(a+b)*l", "l"),
    figure("球", "a半径|9:大圆周长 11:大圆面积", "1",
           "4*pi*a^3/3", "4*pi*a*a", "2*pi*a", "pi*a*a"),
    figure("球缺", "a球半径,b高|9:球冠面积 11:底面半径", "5;2",
           "pi*b*b*(3*a-b)/3", "2*pi*a*b+pi*b*(2*a-b)", "2*pi*a*b", "sqrt(b*(2*a-b))"),
    figure("球台", "a,b两底半径,c高|9:球带面积 11:球半径", "3;4;1",
           "pi*c*(3*a*a+3*b*b+c*c)/6", "2*pi*r*c+pi*(a*a+b*b)", "2*pi*r*c", "r"),
    figure("圆环体", "a中心圆半径,b截面半径|9:内半径 11:外半径", "5;1",
           "2*pi*pi*a*b*b", "4*pi*pi*a*b", "a-b", "a+b"),
] + [
    figure("正多面体", "a棱长,b面数(4,6,8,12,20)|9:外接球半径 11:内切球半径", "1;%d" % faces,
           "m*a^3", "b*p", CIRCUMRADIUS, INRADIUS)
    for faces in (4, 6, 8, 12, 20)
] + [
    figure("四面体", "四点坐标x1;y1;z1;…;x4;y4;z4|9:棱长P1P2 11:面P1P2P3面积",
           "0;0;0;3;0;0;0;4;0;0;0;5", "由四点坐标计算", TETRAHEDRON_SURFACE, EDGE_P1P2,
           face_area(P1, P2, P3)),
    figure("椭球", "a,b,c三个半轴(表面积无初等公式)", "3;2;1", "4*pi*a*b*c/3"),
]

QUADRILATERAL = "sqrt((s-a)*(s-b)*(s-c)*(s-d))"
TRAPEZOID_ROOT = "sqrt((a-b+c+d)*(c+d-a+b)*(a-b-c+d)*(a-b+c-d))"

PLANE = [
    table_header("4", "平面图形", "面积", "周长"),
    figure("正方形", "a边长|9:对角线 11:外接圆半径", "2",
           "a*a", "4*a", "sqrt(2)*a", "sqrt(2)*a/2"),
    figure("长方形", "a,b两边|9:对角线 11:外接圆半径", "3;4",
           "a*b", "2*(a+b)", "sqrt(a*a+b*b)", "sqrt(a*a+b*b)/2"),
    figure("平行四边形", "a,b两边,c夹角°|9:c角所对的对角线 11:另一对角线", "4;3;60",
           "a*b*sin(c*pi/180)", "2*(a+b)", "sqrt(a*a+b*b-2*a*b*cos(c*pi/180))",
           "sqrt(a*a+b*b+2*a*b*cos(c*pi/180))"),
    figure("梯形", "a下底,b上底(a>b),c,d两腰|9:高 11:中位线", "8;4;3;5",
           "(a+b)*" + TRAPEZOID_ROOT + "/(4*(a-b))", "a+b+c+d",
           TRAPEZOID_ROOT + "/(2*(a-b))", "(a+b)/2"),
    figure("菱形", "a,b两条对角线|9:边长 11:内切圆半径", "6;8",
           "a*b/2", "2*sqrt(a*a+b*b)", "sqrt(a*a+b*b)/2", "a*b/(2*sqrt(a*a+b*b))"),
    figure("圆内接四边形", "a,b,c,d依次四边|9:外接圆半径 11:分开a,b与c,d的对角线", "2;3;4;5",
           QUADRILATERAL, "2*s",
           "sqrt((a*b+c*d)*(a*c+b*d)*(a*d+b*c)/((s-a)*(s-b)*(s-c)*(s-d)))/4",
           "sqrt((a*c+b*d)*(a*d+b*c)/(a*b+c*d))"),
    figure("圆", "a半径|9:直径", "1", "pi*a*a", "2*pi*a", "2*a"),
    figure("圆环", "a外半径,b内半径|9:环宽", "3;2", "pi*(a*a-b*b)", "2*pi*(a+b)", "a-b"),
    figure("扇形", "a半径,b圆心角°|9:弧长 11:弦长", "2;60",
           "pi*a*a*b/360", "2*a+pi*a*b/180", "pi*a*b/180", "2*a*sin(b*pi/360)"),
    figure("弓形", "a半径,b弓高|9:弦长 11:弧长", "2;1",
           "a*a*(o-sin(o))/2", "a*o+2*sqrt(b*(2*a-b))", "2*sqrt(b*(2*a-b))", "a*o"),
    figure("椭圆", "a长半轴,b短半轴|9:焦距 11:离心率", "5;3",
           "pi*a*b", "pi*(a+b)*c", "2*sqrt(a*a-b*b)", "sqrt(a*a-b*b)/a"),
    figure("正多边形", "a边长,b边数|9:外接圆半径 11:内切圆半径", "2;8",
           "p", "a*b", "a/2/sin(pi/b)", "a/2*cot(pi/b)"),
]

SPHERICAL = [
    ["", "输入方式(度,每列一个球面三角形)", "三边a;b;c", "三角A;B;C", "边a;夹角B;边c",
     "角A;夹边b;角C", "边a;边b;角A", "角A;角B;边a"],
    ["5.球面三角形", "单位:度,两解时用;分开", "90;90;90", "60;70;80", "50;40;60", "50;60;70",
     "40;50;30", "70;80;50"],
    ["边a"], ["边b"], ["边c"], ["角A"], ["角B"], ["角C"],
    ["解的个数", "(后两列)"],
]

DISTANCE = [
    ["", "北京—上海", "经度λ1°", "纬度φ1°", "经度λ2°", "纬度φ2°", "球半径(km)", "", "大圆距离"],
    ["6.球面距离", "两点间的大圆弧长", "116.4074", "39.9042", "121.4737", "31.2304", "6371",
     "距离="],
]

SEGMENTS = [
    ["7.弓形与扇形", "圆心角θ°", "半径r", "弦长c", "弓高h", "弧长L", "弓形面积", "弓形重心",
     "扇形面积", "扇形重心"],
    ["已知θ,r", "60", "1"],
    ["已知θ,c", "90", "", "2"],
    ["已知r,c", "", "2", "2"],
    ["已知r,h", "", "2", "", "1"],
    ["已知c,h", "", "", "4", "1"],
]

BLANK = [[]]


def sheet_rows():
    return (TRIANGLES + BLANK + POLYGONS + BLANK + SOLIDS + BLANK + PLANE + BLANK + SPHERICAL +
            BLANK + DISTANCE + BLANK + SEGMENTS)


def main():
    lines = ["`".join(DESCRIPTORS), "`".join(NAMES)]
    for row in sheet_rows():
        assert len(row) <= COLUMNS, row
        for cell in row:
            assert "`" not in cell, cell
        lines.append("`".join(row + [""] * (COLUMNS - len(row))))
    with open(SHEET, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("gbk"))


if __name__ == "__main__":
    main()
