#!/usr/bin/python3
"""Writes the reference values that the numeric tests compare against.

Run with Debian's python3 (python3-numpy, python3-scipy):
    /usr/bin/python3 tests/numeric/data/make_reference.py
The values come from numpy and scipy alone (descriptive statistics, natural cubic splines,
least squares, special functions); the output files are committed.

File format: blocks that start with "[name]"; inside a block each line is a key followed by
numbers separated by blanks, or by one text for the keys "formula" and "text".
"""
import math
import os
from decimal import Decimal, getcontext

import numpy as np
from scipy import interpolate, special, stats

getcontext().prec = 40
HERE = os.path.dirname(os.path.abspath(__file__))


def num(v):
    return repr(float(v))


def line(key, values):
    return key + " " + " ".join(num(v) for v in values)


def big(n):
    """An exact integer as a 21-digit scientific text (beyond the double range too)."""
    return format(Decimal(n), ".20e")


# ---------------------------------------------------------------- array statistics

def lorenz_gini(shares):
    """One minus twice the trapezoid area under the Lorenz curve of percentage shares."""
    cumulative = np.concatenate([[0.0], np.cumsum(shares) / 100.0])
    width = 1.0 / len(shares)
    area = np.sum((cumulative[:-1] + cumulative[1:]) / 2.0 * width)
    return 1.0 - 2.0 * area


def stats_block(name, values, columns, gini=False):
    x = np.array(values, dtype=np.float64)
    n = len(x)
    singles = x.astype(np.float32).astype(np.float64)
    counts = {}
    for v in singles:
        counts[v] = counts.get(v, 0) + 1
    best = max(counts.values())
    out = ["[%s]" % name, "columns %d" % columns, line("values", x), "n %d" % n]
    if gini:
        out.append(line("gini", [lorenz_gini(x)]))
    c1 = np.std(x, ddof=1)
    s = np.sum((x - x.mean()) ** 2)
    out += [
        line("mean", [x.mean()]),
        line("geometric", [stats.gmean(x)]),
        line("harmonic", [stats.hmean(x)]),
        line("max", [singles.max()]),
        line("min", [singles.min()]),
        line("sum", [x.sum()]),
        line("product", [np.prod(x)]),
        line("reciprocals", [np.sum(1.0 / x)]),
        line("squares", [np.sum(x * x)]),
        line("root", [math.sqrt(np.sum(x * x))]),
        line("median", [np.median(singles)]),
    ]
    if best > 1:
        out.append(line("mode", [min(v for v, c in counts.items() if c == best)]))
    out += [
        line("c", [np.std(x, ddof=0)]),
        line("c1", [c1]),
        line("s", [s]),
        line("cv", [c1 / x.mean()]),
        line("cs", [stats.skew(x, bias=False)]),
        line("variance", [np.var(x, ddof=1)]),
        line("skewness", [stats.skew(x, bias=True)]),
        line("kurtosis", [stats.kurtosis(x, fisher=False, bias=True)]),
        line("standard_error", [c1 / math.sqrt(n)]),
        line("mean_error", [math.sqrt(2.0 / math.pi) * c1]),
    ]
    return out


def write_stats():
    rng = np.random.default_rng(20240611)
    lognormal = np.round(rng.lognormal(mean=2.0, sigma=0.6, size=40), 3)
    blocks = [
        stats_block("one to four", [1, 2, 3, 4], 4),
        stats_block("two modes", [2, 2, 3, 3, 5], 5),
        stats_block("measurements", [12.5, 13.1, 11.8, 14.2, 12.9, 13.6, 12.2, 15.0, 13.3,
                                     12.7, 11.9, 14.4, 13.8, 12.1, 13.0], 5),
        stats_block("repeated readings", [2.31, 2.45, 2.38, 2.52, 2.41, 2.45, 2.36, 2.49,
                                          2.45, 2.40, 2.33, 2.47], 6),
        stats_block("scores", [78, 85, 92, 66, 85, 71, 88, 94, 85, 79, 90, 73], 4),
        stats_block("lognormal sample", lognormal, 7),
        stats_block("income deciles", [2, 3, 4, 5, 7, 8, 10, 12, 17, 32], 5, gini=True),
        stats_block("quartile shares", [10, 20, 30, 40], 4, gini=True),
    ]
    return blocks


# ---------------------------------------------------------------- interpolation

def parabola(x, y, t):
    """Value at t of the parabola through the three points the routine picks: one below t and
    two above it, counted on abscissas negated first when they descend."""
    xs, ys = np.asarray(x, float), np.asarray(y, float)
    if xs[-1] < xs[0]:
        xs, t = -xs, -t
    n = len(xs)
    hit = np.nonzero(xs == t)[0]
    if len(hit):
        return ys[hit[0]]
    p = int(np.sum(xs < t))
    first = 0 if p == 0 else (n - 3 if p >= n - 1 else p - 1)
    poly = np.polyfit(xs[first:first + 3], ys[first:first + 3], 2)
    return np.polyval(poly, t)


def spline_block(name, x, y, t):
    x = np.asarray(x, float)
    y = np.asarray(y, float)
    t = np.asarray(t, float)
    order = np.argsort(x)
    spline = interpolate.CubicSpline(x[order], y[order], bc_type="natural", extrapolate=True)
    return [
        "[%s]" % name,
        line("x", x),
        line("y", y),
        line("t", t),
        line("second", spline(x, 2)),
        line("values", spline(t)),
        line("derivatives", spline(t, 1)),
        line("parabola", [parabola(x, y, q) for q in t]),
    ]


def write_splines():
    six_x = [0, 1, 2.5, 3, 4.2, 5]
    six_y = [1, 3, 2, 5, 4, 6]
    queries = np.linspace(-0.5, 5.5, 25)
    sine_x = np.array([0, 0.3, 0.7, 1.2, 1.6, 2.1, 2.5, 3.0, 3.3, 3.9, 4.4])
    power_x = [0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5]
    power_y = [1.07, 2.98, 5.53, 8.47, 11.88, 15.57, 19.66, 23.98, 28.66, 33.52]
    return [
        spline_block("three points", [0, 1, 2], [0, 1, 4], [-0.5, 0, 0.5, 1, 1.5, 2, 2.5]),
        spline_block("six points", six_x, six_y, queries),
        spline_block("six points descending", six_x[::-1], six_y[::-1], queries),
        spline_block("sine", sine_x, np.sin(sine_x), np.linspace(0, 4.4, 41)),
        spline_block("power data", power_x, power_y, [0.75, 1.25, 2.2, 3.8, 4.9]),
    ]


# ---------------------------------------------------------------- regression

EPS = 1e-9

# Each formula: its basis functions, and how it is evaluated with coefficients c.
FORMULAS = {
    "a+b*x": ([lambda x: np.ones_like(x), lambda x: x], lambda c, x: c[0] + c[1] * x),
    "a*x^b": (None, lambda c, x: c[0] * x ** c[1]),
    "1/(a+b*x)": (None, lambda c, x: 1 / (c[0] + c[1] * x)),
    "x/(a*x+b)": (None, lambda c, x: x / (c[0] * x + c[1])),
    "a+b*ln(x)": ([lambda x: np.ones_like(x), np.log], lambda c, x: c[0] + c[1] * np.log(x)),
    "a+b*exp(-x)": ([lambda x: np.ones_like(x), lambda x: np.exp(-x)],
                    lambda c, x: c[0] + c[1] * np.exp(-x)),
    "a+b/x": ([lambda x: np.ones_like(x), lambda x: 1 / x], lambda c, x: c[0] + c[1] / x),
    "a+b*x+c*x^2": ([lambda x, k=k: x ** k for k in range(3)],
                    lambda c, x: sum(c[k] * x ** k for k in range(3))),
    "a+b*x+c*x^2+d*x^3": ([lambda x, k=k: x ** k for k in range(4)],
                          lambda c, x: sum(c[k] * x ** k for k in range(4))),
    "a+b*x+c*x^2+d*x^3+e*x^4": ([lambda x, k=k: x ** k for k in range(5)],
                                lambda c, x: sum(c[k] * x ** k for k in range(5))),
    "a*x+b*x^2": ([lambda x: x, lambda x: x * x], lambda c, x: c[0] * x + c[1] * x * x),
    "a+b/x+c/x^2": ([lambda x: np.ones_like(x), lambda x: 1 / x, lambda x: 1 / x ** 2],
                    lambda c, x: c[0] + c[1] / x + c[2] / x ** 2),
}

LINEARISED = {
    "a*x^b": (lambda x: np.log(x + EPS), lambda y: np.log(y + EPS)),
    "1/(a+b*x)": (lambda x: x, lambda y: 1 / (y + EPS)),
    "x/(a*x+b)": (lambda x: 1 / (x + EPS), lambda y: 1 / (y + EPS)),
}


def nudged(v):
    v = np.array(v, float)
    v[v == 0] = EPS
    v[v == 1] = 1 + EPS
    return v


def least_squares(formula, x, y):
    if formula in LINEARISED:
        fx, fy = LINEARISED[formula]
        x, y = fx(x), fy(y)
        basis = FORMULAS["a+b*x"][0]
    else:
        basis = FORMULAS[formula][0]
    xs, ys = nudged(x), nudged(y)
    a = np.column_stack([f(xs) for f in basis])
    coefficients = np.linalg.lstsq(a, ys, rcond=None)[0]
    if formula == "a*x^b":
        coefficients[0] = math.exp(coefficients[0])
    return coefficients


def regression_blocks(name, x, y, queries, formulas):
    x = np.array(x, float)
    y = np.array(y, float)
    out = []
    for index, formula in enumerate(formulas):
        coefficients = least_squares(formula, x, y)
        shown = np.array([float("%.8f" % c) for c in coefficients])
        evaluate = FORMULAS[formula][1]
        predicted = evaluate(shown, x)
        sse = np.sum((predicted - y) ** 2)
        syy = np.sum(y * y) - np.sum(y) ** 2 / len(y)
        d = abs(syy - sse)
        out += [
            "[%s %d]" % (name, index),
            "formula " + formula,
            line("x", x),
            line("y", y),
            line("t", queries),
            line("coefficients", coefficients),
            line("r", [math.sqrt(d / (sse + d))]),
            line("c", [math.sqrt(sse / (len(x) - len(coefficients)))]),
            line("predicted", evaluate(shown, np.asarray(queries, float))),
        ]
    return out


def write_regressions():
    every = list(FORMULAS)
    rng = np.random.default_rng(7)
    decay_x = np.round(np.linspace(0.4, 4.0, 12), 2)
    decay_y = np.round(5 + 12 * np.exp(-decay_x) + rng.normal(0, 0.05, 12), 3)
    return (
        regression_blocks("linear", [1, 2, 3, 4, 5, 6, 7, 8],
                          [2.9, 5.1, 7.2, 8.8, 11.1, 13.0, 14.8, 17.1], [1.5, 2.5, 4.5, 7.5],
                          every)
        + regression_blocks("power", [0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5],
                            [1.07, 2.98, 5.53, 8.47, 11.88, 15.57, 19.66, 23.98, 28.66, 33.52],
                            [0.75, 1.25, 2.2, 3.8, 4.9], every)
        + regression_blocks("decay", decay_x, decay_y, [0.5, 1.7, 3.3], every)
    )


# ---------------------------------------------------------------- special functions

def write_special():
    gamma_x = [0.5, 1, 1.5, 2.5, 5, 7.25, 10.3, 30.7, 100.5, 170.2, 0.001, 0.999, -0.5,
               -1.5, -2.7, -7.3]
    beta_ab = [(0.5, 0.5), (1, 1), (2, 3), (2.5, 4.5), (10, 0.3), (0.2, 0.7), (30, 40),
               (-0.5, 2.5)]
    pairs = [(5, 2), (10, 3), (52, 5), (100, 50), (300, 7), (1000, 500), (1754, 877),
             (1754, 1)]
    out = ["[gamma]", line("x", gamma_x), line("value", special.gamma(gamma_x))]
    out += ["[beta]", line("a", [a for a, _ in beta_ab]), line("b", [b for _, b in beta_ab]),
            line("value", [special.beta(a, b) for a, b in beta_ab])]
    for n, k in pairs:
        out += ["[binomial %d %d]" % (n, k), "n %d" % n, "k %d" % k,
                "value " + big(math.comb(n, k))]
    for n in [0, 1, 2, 10, 20, 25, 170, 1000, 1754]:
        out += ["[factorial %d]" % n, "n %d" % n, "value " + big(math.factorial(n))]
    return out


def save(name, lines):
    header = ["# Written by make_reference.py from numpy and scipy; do not edit."]
    with open(os.path.join(HERE, name), "w", encoding="ascii") as f:
        f.write("\n".join(header + lines) + "\n")


if __name__ == "__main__":
    save("stats_reference.txt", [l for block in write_stats() for l in block])
    save("spline_reference.txt", [l for block in write_splines() for l in block])
    save("regression_reference.txt", write_regressions())
    save("gamma_beta_reference.txt", write_special())
