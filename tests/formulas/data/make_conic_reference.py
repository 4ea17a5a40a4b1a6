#!/usr/bin/python3
"""Writes conic_reference.txt: general quadratic equations built from curves whose kind is
known by construction (an ellipse, hyperbola or parabola in standard position, a product of
two lines, a point, no locus), turned by a rational rotation and moved, then expanded exactly
with sympy. Each line: the kind, the six coefficients a b c d e f, and the exact invariants
I1 I2 I3 K as decimals. The test classifies the coefficients and compares.

Run with Debian's python3-sympy:  /usr/bin/python3 make_conic_reference.py > conic_reference.txt
"""
import random

import sympy as sp

x, y = sp.symbols("x y")
random.seed(20261209)


ROTATIONS = [(1, 0), (0, 1), (sp.Rational(3, 5), sp.Rational(4, 5)), (sp.Rational(5, 13), sp.Rational(-12, 13)),
             (sp.Rational(8, 17), sp.Rational(15, 17))]


def small():
    return sp.Rational(random.randint(1, 9), random.choice([1, 2, 4]))


def offset():
    return sp.Rational(random.randint(-6, 6), random.choice([1, 2]))


def curve(kind, X, Y):
    p, q, r = small(), small(), small()
    return {
        "ellipse": p * X**2 + q * Y**2 - r,
        "hyperbola": p * X**2 - q * Y**2 - r,
        "parabola": p * X**2 - q * Y,
        "point": p * X**2 + q * Y**2,
        "nolocus": p * X**2 + q * Y**2 + r,
        "intersecting": (p * X - q * Y) * (X + r * Y),
        "parallel": (X - p) * (X + q),
        "coincident": r * (X - p) ** 2,
        "nolocus_parallel": X**2 + p,
    }[kind]


KIND_NAMES = {"ellipse": "椭圆", "hyperbola": "双曲线", "parabola": "抛物线", "point": "一点",
              "nolocus": "无轨迹", "intersecting": "两条相交直线", "parallel": "两条平行直线",
              "coincident": "两条重合直线", "nolocus_parallel": "无轨迹"}


def invariants(a, b, c, d, e, f):
    m = sp.Matrix([[a, b / 2, d / 2], [b / 2, c, e / 2], [d / 2, e / 2, f]])
    return a + c, a * c - (b / 2) ** 2, m.det(), (a * f - (d / 2) ** 2) + (c * f - (e / 2) ** 2)


def main():
    X, Y = sp.symbols("X Y")
    for kind in KIND_NAMES:
        for _ in range(8):
            cos, sin = random.choice(ROTATIONS)
            expr = curve(kind, X, Y)
            u, v = x - offset(), y - offset()
            full = sp.expand(expr.subs({X: cos * u + sin * v, Y: -sin * u + cos * v}, simultaneous=True))
            poly = sp.Poly(full, x, y)
            a, b, c = poly.coeff_monomial(x**2), poly.coeff_monomial(x * y), poly.coeff_monomial(y**2)
            d, e, f = poly.coeff_monomial(x), poly.coeff_monomial(y), poly.coeff_monomial(1)
            coefficients = [a, b, c, d, e, f]
            values = [sp.N(v, 25) for v in coefficients + list(invariants(a, b, c, d, e, f))]
            print(KIND_NAMES[kind], " ".join(str(sp.Float(v, 25)) for v in values))


if __name__ == "__main__":
    main()
