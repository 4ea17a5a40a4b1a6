#!/usr/bin/python3
"""Writes multivariate_reference.txt: least-squares surfaces and multiple linear regressions
from numpy's lstsq (an SVD solver, independent of the normal equations the program uses).

Run with Debian's python3 (python3-numpy):
    /usr/bin/python3 tests/numeric/data/make_multivariate_reference.py

File format: blocks "[name]"; each line a key and numbers separated by blanks.
"""
import os

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
rng = np.random.default_rng(21)


def line(key, values):
    return key + " " + " ".join(repr(float(v)) for v in values)


out = ["# Written by make_multivariate_reference.py from numpy; do not edit."]

# Surfaces: C(i, j) of x^i y^j by least squares over the whole grid.
for order, xs, ys in [(1, [1, 2, 3, 4], [10, 20, 30, 40]),
                      (2, [0.5, 1, 1.5, 2, 2.5], [100, 150, 200, 250, 300, 350]),
                      (3, [1, 2, 3, 4, 5, 6], [-2, -1, 0, 1, 2]),
                      (3, [10, 20, 40, 80, 160], [0.01, 0.02, 0.05, 0.1, 0.2])]:
    xs, ys = np.array(xs, float), np.array(ys, float)
    z = np.array([[np.sin(x / 7.0) * 3 + np.log1p(abs(y)) + 0.01 * x * y for x in xs] for y in ys])
    z = np.round(z, 4)
    rows, rhs = [], []
    for i, y in enumerate(ys):
        for j, x in enumerate(xs):
            rows.append([x ** a * y ** b for a in range(order + 1) for b in range(order + 1)])
            rhs.append(z[i, j])
    c = np.linalg.lstsq(np.array(rows), np.array(rhs), rcond=None)[0]
    out += ["[surface]", line("order", [order]), line("x", xs), line("y", ys),
            line("z", z.flatten()), line("c", c)]

# Multiple regressions, with the statistics as the category defines them.
for m, n in [(8, 3), (30, 5), (200, 10)]:
    x = rng.uniform(-5, 20, size=(n, m)).round(3)
    y = (1.5 + x.T @ rng.uniform(-2, 2, size=n) + rng.normal(0, 0.7, size=m)).round(3)
    design = np.column_stack([np.ones(m), x.T])
    a = np.linalg.lstsq(design, y, rcond=None)[0]
    fitted = design @ a
    q = np.sum((y - fitted) ** 2)
    e = np.sum((y - y.mean()) ** 2)
    u = np.sum((y.mean() - fitted) ** 2)
    partial = [np.sqrt(1 - q / np.sum((y - (fitted - a[j + 1] * x[j])) ** 2)) for j in range(n)]
    out += ["[regression]", line("y", y)] + [line("x" + str(j + 1), x[j]) for j in range(n)]
    out += [line("a", a), line("partial", partial), line("q", [q]),
            line("s", [np.sqrt(q / m)]), line("r", [np.sqrt(1 - q / e)]), line("u", [u]),
            line("fitted", fitted)]

with open(os.path.join(HERE, "multivariate_reference.txt"), "w", newline="\n") as f:
    f.write("\n".join(out) + "\n")
