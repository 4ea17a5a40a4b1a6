#!/usr/bin/python3
"""Writes the tables of the table-calculation category (GBK, CR LF):

    data/zarnix表格计算.thf             the table the category opens with
    data/examples/表格计算_测量数据.dhf  a measurement table to plot and fit
    data/examples/表格计算_多行计算.dhf  a batch table computed row by row
    data/examples/表格计算_多列计算.dhf  a batch table computed column by column
    data/examples/表格计算_月度销售.dbf  a dBase table for column statistics

    python3 scripts/make_table_examples.py
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
EXAMPLES = os.path.join(DATA, "examples")


def write_text_table(path, separator, descriptors, names, records):
    lines = [separator.join(descriptors), separator.join(names)]
    for record in records:
        assert all(separator not in field for field in record), record
        lines.append(separator.join(record))
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("gbk"))


def copper_resistance():
    """100 m of 1 mm² copper wire from -20 to 100 ℃, and the loss at 10 A."""
    records = []
    for t in range(-20, 101, 10):
        r = 1.724 * (1 + 0.00393 * (t - 20))
        note = "低温" if t < 0 else ("常温" if t <= 40 else "高温")
        records.append(["%.1f" % t, "%.4f" % r, "%.2f" % (100 * r), note])
    write_text_table(os.path.join(DATA, "zarnix表格计算.thf"), "`",
                     ["N6.1", "N8.4", "N8.2", "C8"], ["温度℃", "电阻Ω", "10A损耗W", "说明"], records)


def cart_measurement():
    """A cart starting from rest, timed every half second: distance and speed, with the
    small scatter of a real measurement."""
    scatter = [0.004, -0.006, 0.003, 0.008, -0.002, -0.007, 0.005, 0.001, -0.004, 0.006,
               -0.003, 0.002]
    records = []
    for i in range(12):
        t = 0.5 * (i + 1)
        s = 0.75 * t * t * (1 + scatter[i])
        v = 1.5 * t * (1 - scatter[i])
        records.append(["%.1f" % t, "%.3f" % s, "%.3f" % v, "第%d次" % (i + 1)])
    write_text_table(os.path.join(EXAMPLES, "表格计算_测量数据.dhf"), ",",
                     ["N6.1", "N8.3", "N8.3", "C8"], ["时间s", "位移m", "速度m/s", "记录"], records)


def row_batch():
    """A projectile: one statement per row above the 批量计算 row, one result row per kk."""
    records = [
        ["迭代次数", "次数:21"],
        ["初速度m/s", "v0:20"],
        ["仰角", "角:dtor(45)"],
        ["时间s", "t=kk*0.15"],
        ["水平距离m", "x=v0*cos(角)*t"],
        ["高度m", "y=v0*sin(角)*t-9.80665*t^2/2"],
        ["批量计算", ""],
    ]
    write_text_table(os.path.join(EXAMPLES, "表格计算_多行计算.dhf"), ",", ["C16", "C40"],
                     ["多行计算", "计算语句"], records)


def column_batch():
    """Compound interest year by year: one statement per column in record 2."""
    records = [
        ["说明", "计算年数", "元", "年利率%", "第几年", "复利本息", "本息-本金"],
        ["语句", "次数:20", "本金:10000", "年利率:3.5", "年=kk+1",
         "本息=本金*exp(年*ln(1+年利率/100))", "利息=本息-本金"],
    ]
    write_text_table(os.path.join(EXAMPLES, "表格计算_多列计算.dhf"), ",", ["C10"] + ["C36"] * 6,
                     ["多列计算", "次数", "本金", "年利率", "年", "本息", "利息"], records)


def monthly_sales():
    """A dBase III table of a year's sales, cost and profit in two regions."""
    fields = [("月份", "N", 2, 0), ("销售额", "N", 10, 2), ("成本", "N", 10, 2),
              ("利润", "N", 10, 2), ("地区", "C", 8, 0)]
    sales = [182.5, 165.0, 201.3, 220.8, 245.1, 262.4, 280.0, 275.6, 240.2, 228.9, 251.7, 310.4]
    records = []
    for month, sale in enumerate(sales, start=1):
        cost = round(sale * (0.62 + 0.01 * (month % 3)), 2)
        region = "华东" if month % 2 else "华南"
        records.append([month, sale, cost, round(sale - cost, 2), region])

    header_length = 32 + 32 * len(fields) + 1
    record_length = 1 + sum(f[2] for f in fields)
    out = bytearray(struct.pack("<BBBBIHH20x", 3, 125, 1, 1, len(records), header_length,
                                record_length))
    for name, kind, length, decimals in fields:
        encoded = name.encode("gbk")
        assert len(encoded) <= 10
        out += struct.pack("<11sc4xBB14x", encoded, kind.encode(), length, decimals)
    out += b"\r"
    for record in records:
        out += b" "
        for (name, kind, length, decimals), value in zip(fields, record):
            if kind == "N":
                text = ("%*.*f" % (length, decimals, value)).encode()
            else:
                text = value.encode("gbk").ljust(length)
            assert len(text) == length
            out += text
    out += b"\x1a"
    with open(os.path.join(EXAMPLES, "表格计算_月度销售.dbf"), "wb") as f:
        f.write(out)


def main():
    os.makedirs(EXAMPLES, exist_ok=True)
    copper_resistance()
    cart_measurement()
    row_batch()
    column_batch()
    monthly_sales()


if __name__ == "__main__":
    main()
