#!/usr/bin/python3
"""Writes higher_math_reference.txt, the values the higher-mathematics tests compare against.

Run with Debian's python3 (python3-mpmath, python3-scipy):
    /usr/bin/python3 tests/numeric/data/make_higher_math_reference.py
Special functions, probabilities and integrals come from mpmath at 40 digits (scipy.stats
only for the Pearson type III quantiles, cross-checked against mpmath); the inputs are
doubles, so both sides start from the same numbers. Values are written with 25 significant
digits, which the tests read as extended reals.

File format: blocks "[name]"; each line a key and numbers separated by blanks.
"""
import os
from fractions import Fraction

import mpmath as mp
from scipy import special, stats

mp.mp.dps = 40
HERE = os.path.dirname(os.path.abspath(__file__))


def num(v):
    if isinstance(v, (int, float)):
        return repr(v)
    return mp.nstr(mp.mpf(v), 25, min_fixed=-mp.inf, max_fixed=mp.inf) if v != 0 else "0"


def exact(v):
    """A high-precision value as 25 significant digits in exponent form."""
    v = mp.mpf(v)
    if v == 0:
        return "0"
    return mp.nstr(v, 25, min_fixed=1, max_fixed=0)


def inverse_q(a, q):
    """t with Q(a, t) = q: scipy's double as the start, refined by mpmath. Every input of
    this file is passed to mpmath as mp.mpf(double), the exact binary value the tests read."""
    start = mp.log(mp.mpf(special.gammainccinv(float(a), float(q))))
    # In log t, which keeps the tails of small shapes well scaled; the side that keeps its
    # digits (P for Q near 1) is the one solved.
    if q > 0.5:
        f = lambda s: mp.gammainc(a, 0, mp.exp(s), regularized=True) - (1 - q)
    else:
        f = lambda s: mp.gammainc(a, mp.exp(s), mp.inf, regularized=True) - q
    return mp.exp(mp.findroot(f, start))


def block(name, columns):
    lines = ["[" + name + "]"]
    for key, values in columns:
        lines.append(key + " " + " ".join(values))
    return lines


def table(name, keys, rows, value_keys):
    """rows: tuples of input values (floats or ints) followed by exact outputs."""
    columns = []
    n_in = len(keys)
    for i, key in enumerate(keys):
        columns.append((key, [repr(r[i]) for r in rows]))
    for j, key in enumerate(value_keys):
        columns.append((key, [exact(r[n_in + j]) for r in rows]))
    return block(name, columns)


out = ["# Written by make_higher_math_reference.py from mpmath and scipy; do not edit."]

# ---------------------------------------------------------------- Bessel J
orders = [0.0, 0.5, -0.5, 1.0, 2.5, -2.5, 3.0, -3.0, 10.0, 20.3, 50.0, 100.5, -7.3]
xs = [0.1, 1.0, 2.5, 7.0, 15.0, 30.0, 34.9, 35.1, 40.0, 60.0, 100.0, 500.0, 1e4, 1e6]
rows = []
for nu in orders:
    for x in xs:
        rows.append((nu, x, mp.besselj(mp.mpf(nu), mp.mpf(x))))
# Orders above x beyond the series range, and negative x for whole orders.
for nu, x in [(50.0, 40.0), (100.5, 60.0), (200.0, 100.0), (1000.0, 500.0), (36.0, 35.5),
              (5000.25, 4000.0), (-100.5, 40.0), (-60.25, 36.0), (3.0, -2.0), (4.0, -7.5),
              (-5.0, -40.0), (1.0, -100.0)]:
    rows.append((nu, x, mp.besselj(mp.mpf(nu), mp.mpf(x))))
out += table("bessel", ["nu", "x"], rows, ["value"])

# ---------------------------------------------------------------- associated Legendre
rows = []
for l, m, x in [(0, 0, 0.3), (1, 0, 0.3), (1, 1, 0.3), (2, 1, -0.7), (3, 1, 0.5), (3, 3, 0.5),
                (5, 2, 0.9), (10, 0, 0.25), (10, 7, -0.6), (20, 5, 0.1), (40, 20, 0.8),
                (100, 3, 0.999), (4, 6, 0.2), (7, 0, 1.0), (7, 0, -1.0)]:
    # mpmath's legenp with type 2 carries the Condon-Shortley phase, as the recurrence does.
    rows.append((l, m, x, mp.legenp(l, m, mp.mpf(x), type=2) if m <= l else 0))
out += table("legendre", ["l", "m", "x"], rows, ["value"])

# ---------------------------------------------------------------- incomplete gamma
rows = []
for a, x in [(0.5, 0.2), (1.0, 1.0), (2.5, 0.5), (2.5, 6.0), (10.0, 3.0), (10.0, 25.0),
             (0.1, 4.0), (100.0, 90.0), (100.0, 120.0), (400.0, 380.0), (1e-3, 1e-5)]:
    a_, x_ = mp.mpf(a), mp.mpf(x)
    rows.append((a, x, mp.gammainc(a_, 0, x_, regularized=True),
                 mp.gammainc(a_, x_, mp.inf, regularized=True)))
out += table("gamma_incomplete", ["a", "x"], rows, ["p", "q"])

rows = []
for a, q in [(2.0, 1e-4), (2.0, 0.5), (0.7, 0.999), (4.0, 0.05), (25.0, 0.9999), (25.0, 1e-6),
             (0.25, 0.3), (1000.0, 0.01)]:
    rows.append((a, q, inverse_q(mp.mpf(a), mp.mpf(q))))
out += table("gamma_inverse", ["a", "q"], rows, ["t"])

# ---------------------------------------------------------------- probabilities


def binom_pmf(n, k, p):
    p = mp.mpf(p)
    return mp.binomial(n, k) * p ** k * (1 - p) ** (n - k)


def binom_at_least(n, k, p):
    """Sum of the probabilities of k ... n successes, term by term from k upwards."""
    p = mp.mpf(p)
    if k <= 0:
        return mp.mpf(1)
    if k > n:
        return mp.mpf(0)
    term = binom_pmf(n, k, p)
    total = term
    for j in range(k, n):
        if p == 1:
            break
        term = term * (n - j) / (j + 1) * p / (1 - p)
        total += term
        if j > n * p and term < total * mp.mpf(10) ** -45:
            break
    return total


rows = []
for n, k, p in [(10, 3, 0.5), (10, 0, 0.3), (10, 10, 0.3), (1, 1, 0.25), (100, 37, 0.4),
                (1754, 877, 0.5), (1755, 900, 0.5), (10000, 5000, 0.5), (1000000, 300123, 0.3),
                (50, 20, 0.0), (50, 0, 0.0), (50, 50, 1.0)]:
    rows.append((n, k, p, binom_pmf(n, k, p), binom_at_least(n, k, p)))
out += table("binomial", ["n", "k", "p"], rows, ["pmf", "at_least"])


def hypergeom_tail(N, M, n, i0):
    total = mp.mpf(0)
    for i in range(max(i0, 0, n - (N - M)), min(n, M) + 1):
        total += mp.binomial(M, i) * mp.binomial(N - M, n - i) / mp.binomial(N, n)
    return total


rows = []
for N, M, n, i0 in [(50, 5, 10, 1), (50, 5, 10, 0), (20, 7, 12, 5), (10, 0, 3, 0), (10, 10, 3, 2),
                    (1754, 300, 100, 20), (5000, 800, 400, 70), (100000, 5000, 2000, 110)]:
    rows.append((N, M, n, i0, hypergeom_tail(N, M, n, i0)))
out += table("hypergeometric", ["N", "M", "n", "lowest"], rows, ["value"])

rows = []
for b, m, t in [(10, 2, 5), (10, 0, 10), (10, 10, 3), (30, 4, 30), (2000, 7, 1000), (5, 2, 9)]:
    total = sum((Fraction(int(mp.binomial(b - i, m))) for i in range(t + 1) if b - i >= m),
                Fraction(0))
    rows.append((b, m, t, mp.mpf(total.numerator) / total.denominator / mp.binomial(b, m) / (t + 1)))
out += table("mean_miss", ["b", "m", "t"], rows, ["value"])

rows = []
for t, m in [(10, 3), (10, 0), (10, 10), (365, 30), (100000, 3), (3000, 2000)]:
    rows.append((t, m, 1 / mp.ff(t, m)))
out += table("ordered_draw", ["t", "m"], rows, ["value"])

rows = []
for k, n in [(5, 10), (0, 10), (11, 10), (23, 365), (1, 365), (60, 365), (1000, 2000000),
             (40000, 2000000000)]:
    rows.append((k, n, mp.ff(n, k) / mp.mpf(n) ** k))
out += table("all_different", ["k", "n"], rows, ["value"])

rows = []
for f in [1, 2, 3, 5, 20, 300, 2000]:
    rows.append((f, mp.mpf(f) * (f + 1) / mp.binomial(2 * f, f)))
out += table("central_binomial", ["f"], rows, ["value"])

rows = []
for mean, sd, lo, hi in [(0.0, 1.0, -1.0, 1.0), (0.0, 1.0, -1e10, 1e10), (10.0, 2.0, 11.0, 14.0),
                         (0.0, 1.0, 6.0, 7.0), (0.0, 1.0, -9.0, -8.0), (5.0, 0.5, 6.0, 4.0),
                         (100.0, 15.0, -1e30, 130.0)]:
    cdf = lambda v: mp.ncdf(mp.mpf(v), mp.mpf(mean), mp.mpf(sd))
    rows.append((mean, sd, lo, hi, cdf(hi) - cdf(lo), mp.npdf(mp.mpf(hi), mp.mpf(mean), mp.mpf(sd))))
out += table("normal", ["mean", "sd", "lower", "upper"], rows, ["between", "density_upper"])

# ---------------------------------------------------------------- Pearson type III
percents = [0.01, 0.1, 1, 3, 5, 10, 25, 50, 75, 90, 95, 97, 99, 99.9, 99.99]
for mean, cv, cs in [(1000.0, 0.5, 1.2), (50.0, 0.3, 0.6), (2.0, 0.25, 2.0), (800.0, 0.2, 0.5),
                      (1000.0, 0.5, 10.0), (1.0, 0.05, 0.1)]:
    alpha = 4 / mp.mpf(cs) ** 2
    beta = 2 / (mp.mpf(mean) * cv * cs)
    a0 = mean * (1 - 2 * mp.mpf(cv) / cs)
    values = []
    for p in percents:
        q = mp.mpf(str(p)) / 100  # the percentages are decimal constants, not doubles
        t = inverse_q(alpha, q)
        values.append(a0 + t / beta)
        scipy_value = stats.pearson3.ppf(1 - p / 100, cs, loc=mean, scale=cv * mean)
        assert abs(float(values[-1]) - scipy_value) <= 1e-9 * abs(scipy_value), (p, values[-1], scipy_value)
    out += block("pearson3", [("mean", [repr(mean)]), ("cv", [repr(cv)]), ("cs", [repr(cs)]),
                              ("x", [exact(v) for v in values])])

# ---------------------------------------------------------------- series and integrals
rows = [(n, mp.fsum(1 / mp.factorial(k) for k in range(n + 1))) for n in [0, 1, 5, 10, 25, 3000]]
out += table("e_series", ["n"], rows, ["value"])

rows = [(n, mp.harmonic(n) - mp.log(n)) for n in [1, 2, 10, 1000, 1000000, 1000001, 10 ** 12]]
out += table("euler", ["n"], rows, ["value"])

rows = [(a, mp.ellipk(mp.mpf(a) ** 2), mp.ellipe(mp.mpf(a) ** 2)) for a in [0.0, 0.5, -0.3, 0.9, 0.99]]
out += table("elliptic", ["a"], rows, ["k", "e"])

with open(os.path.join(HERE, "higher_math_reference.txt"), "w", newline="\n") as f:
    f.write("\n".join(out) + "\n")
