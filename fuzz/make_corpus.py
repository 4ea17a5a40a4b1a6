#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/ from typical
inputs and the shipped worksheets. Run from the repository root; the files are committed."""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
CATEGORIES = ["几何图形", "平面解析几何", "数组统计", "一元回归插值", "多元回归插值", "常用公式计算",
              "整数运算", "趣味计算", "杂项计算", "线性代数", "非线性方程", "微分方程组", "表格计算",
              "矢量运算", "数独幻方八皇后", "线性规划", "控制系统仿真", "函数与曲线", "通用计算",
              "空间解析几何", "高等数学"]


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def gbk(text):
    return text.encode("gbk")


def formulas():
    seeds = [
        (0, "a*x^2+b*x+c"), (0, "if(x>0,sqrt(x),-x)+ff(1,2,x^2)"), (0, "sin(x)/cos(y)+pi*e"),
        (1, "(x+a)*(x-a)+exp(i*x)"), (1, "ln(x)+x^(1/3)"), (2, "sin(x)+fac(5)-5 mod 3"),
        (2, "dtor(180)*(x xor y)+random(6)"), (3, "(a+b)*x^-1"), (4, "速度*t1+x^2"),
        (4, "if(x,1,2)+sqrt(t1)"),
    ]
    for k, (engine, text) in enumerate(seeds):
        write("formula_engines", "seed%02d" % k, bytes([engine]) + gbk(text))


def numbers():
    seeds = [(0, "99999999999999999999|1"), (2, "123456789012345678901234567890|987654321"),
             (3, "100000000000000000000|7"), (4, "3|\x05"), (6, "2000000000000000|\x03"),
             (7, "462;1071;2310"), (9, "-12.5|3.25"), (12, "1|7"), (14, "2|\x02"),
             (15, "00123"), (16, "3+4*i"), (17, "-i*2.5+1|\x03")]
    for k, (op, text) in enumerate(seeds):
        write("numbers", "seed%02d" % k, bytes([op]) + text.encode("latin-1"))


def tables():
    write("table_files", "backquote", bytes([0]) + gbk("C4`C20`N8.3\r\n编号`项目`值\r\n1`求和`2.5\r\n"))
    write("table_files", "comma", bytes([1]) + gbk("C4,N8.2\r\n名称,数量\r\n甲,1.5\r\n"))
    write("table_files", "fixed", bytes([2]) + gbk("C4 N6.1\r\n名 数\r\nab   1.5\r\n"))
    write("table_files", "tab", bytes([3]) + gbk("C4\tN6\r\na\tb\r\n1\t2\r\n"))
    write("table_files", "commatext", bytes([4]) + gbk('1,2,"a,b",\r\n3 , 4\r\n'))
    dbf = ROOT / "tests" / "tablefile" / "data" / "people.dbf"
    if dbf.exists():
        write("table_files", "dbase", bytes([5]) + dbf.read_bytes())


def categories():
    for index, name in enumerate(CATEGORIES):
        sheet = ROOT / "data" / ("zarnix" + name + ".thf")
        if sheet.exists() and sheet.stat().st_size < 8192:
            write("category_run", "sheet%02d" % index, bytes([index, (3 << 1) | 1]) + sheet.read_bytes())
    data = (ROOT / "data" / "zarnix数据.txt").read_bytes().split(b"\r\n")
    # Each data set as a comma file, for the categories that read data sets.
    for k, line in enumerate(data):
        name = line.decode("gbk", "replace")
        if name not in CATEGORIES:
            continue
        rows = []
        for row in data[k + 1:]:
            if row == b"***":
                break
            rows.append(row)
        write("category_run", "set%03d" % k, bytes([CATEGORIES.index(name), 2]) + b"\r\n".join(rows))


if __name__ == "__main__":
    formulas()
    numbers()
    tables()
    categories()
