#!/usr/bin/python3
"""Writes constants_reference.txt: the value and standard uncertainty of every constant of the
shipped constants text as scipy.constants gives them (CODATA 2018 in Debian 12's scipy 1.10),
the independent reference of the constants test. The mathematical constants come from the
math module.

    /usr/bin/python3 tests/units/data/make_constants_reference.py

CODATA lists the exact constants derived from the defining ones (h/2π, R = NA k, ...) cut
after ten digits, as scipy keeps them; those are computed here from h, e, k, NA and c instead.

Output: GBK lines "name`value`uncertainty" with CR LF, the name as the constants text has it.
"""
import math
import os
import sys

import scipy
from scipy import constants

HERE = os.path.dirname(os.path.abspath(__file__))
TEXT = os.path.join(HERE, "..", "..", "..", "data", "zarnix常数.txt")
OUT = os.path.join(HERE, "constants_reference.txt")

# The constants text's names and scipy's CODATA keys.
CODATA = {
    "真空中光速": "speed of light in vacuum",
    "真空磁导率": "vacuum mag. permeability",
    "真空电容率": "vacuum electric permittivity",
    "牛顿引力常数": "Newtonian constant of gravitation",
    "普朗克常数": "Planck constant",
    "约化普朗克常数": "reduced Planck constant",
    "元电荷": "elementary charge",
    "磁通量子": "mag. flux quantum",
    "电导量子": "conductance quantum",
    "约瑟夫森常数": "Josephson constant",
    "冯·克利青常数": "von Klitzing constant",
    "玻尔磁子": "Bohr magneton",
    "核磁子": "nuclear magneton",
    "精细结构常数": "fine-structure constant",
    "精细结构常数的倒数": "inverse fine-structure constant",
    "里德伯常数": "Rydberg constant",
    "玻尔半径": "Bohr radius",
    "哈特里能量": "Hartree energy",
    "电子质量": "electron mass",
    "质子质量": "proton mass",
    "中子质量": "neutron mass",
    "缪子质量": "muon mass",
    "氘核质量": "deuteron mass",
    "α粒子质量": "alpha particle mass",
    "质子电子质量比": "proton-electron mass ratio",
    "电子荷质比": "electron charge to mass quotient",
    "经典电子半径": "classical electron radius",
    "电子康普顿波长": "Compton wavelength",
    "汤姆孙截面": "Thomson cross section",
    "电子磁矩": "electron mag. mom.",
    "质子磁矩": "proton mag. mom.",
    "电子g因子": "electron g factor",
    "原子质量常数": "atomic mass constant",
    "阿伏伽德罗常数": "Avogadro constant",
    "玻尔兹曼常数": "Boltzmann constant",
    "摩尔气体常数": "molar gas constant",
    "法拉第常数": "Faraday constant",
    "斯特藩-玻尔兹曼常数": "Stefan-Boltzmann constant",
    "第一辐射常数": "first radiation constant",
    "第二辐射常数": "second radiation constant",
    "维恩位移定律常数": "Wien wavelength displacement law constant",
    "理想气体摩尔体积": "molar volume of ideal gas (273.15 K, 101.325 kPa)",
    "洛施密特常数": "Loschmidt constant (273.15 K, 101.325 kPa)",
    "标准重力加速度": "standard acceleration of gravity",
    "标准大气压": "standard atmosphere",
    "电子伏特": "electron volt",
}

def wien_x():
    """The root of 5 (1 - exp(-x)) = x by Newton's method."""
    x = 5.0
    for _ in range(50):
        x -= (5 * (1 - math.exp(-x)) - x) / (5 * math.exp(-x) - 1)
    return x


H, E, K, NA, C = constants.h, constants.e, constants.k, constants.N_A, constants.c
VM = NA * K * 273.15 / 101325
DERIVED = {
    "约化普朗克常数": H / (2 * math.pi),
    "磁通量子": H / (2 * E),
    "电导量子": 2 * E * E / H,
    "约瑟夫森常数": 2 * E / H,
    "冯·克利青常数": H / (E * E),
    "摩尔气体常数": NA * K,
    "法拉第常数": NA * E,
    "斯特藩-玻尔兹曼常数": 2 * math.pi**5 * K**4 / (15 * H**3 * C**2),
    "第一辐射常数": 2 * math.pi * H * C * C,
    "第二辐射常数": H * C / K,
    "维恩位移定律常数": H * C / K / wien_x(),
    "理想气体摩尔体积": VM,
    "洛施密特常数": NA / VM,
}
MATH = {
    "圆周率": math.pi,
    "自然对数的底": math.e,
    "欧拉常数": 0.57721566490153286061,  # numpy.euler_gamma; the math module has none
    "黄金分割比": (1 + math.sqrt(5)) / 2,
    "2的平方根": math.sqrt(2),
    "10的自然对数": math.log(10),
}


def names_in_text():
    with open(TEXT, "rb") as f:
        lines = f.read().decode("gbk").split("\r\n")
    return [line.split()[0] for line in lines if " = " in line]


def main():
    if not scipy.__version__.startswith("1.10"):
        print("warning: scipy %s may hold another CODATA set than 2018" % scipy.__version__)
    lines = []
    for name in names_in_text():
        if name in DERIVED:
            value, uncertainty = DERIVED[name], 0.0
        elif name in CODATA:
            value, _, uncertainty = constants.physical_constants[CODATA[name]]
        elif name in MATH:
            value, uncertainty = MATH[name], 0.0
        else:
            sys.exit("no reference for %s" % name)
        lines.append("%s`%r`%r" % (name, value, uncertainty))
    with open(OUT, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("gbk"))
    print("%d constants written to %s" % (len(lines), OUT))


if __name__ == "__main__":
    main()
