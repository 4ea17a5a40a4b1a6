#!/usr/bin/python3
"""Writes simplex_reference.txt: small random linear programs solved by scipy's linprog (HiGHS).

Run with Debian's python3 (apt-get install python3-scipy):
    /usr/bin/python3 tests/discrete/data/make_simplex_fixture.py
Each block is one program over x >= 0: "sense" 1 maximises, 0 minimises; "c" the objective;
"rowK" the coefficients, the relation (0 <=, 1 >=, 2 =) and the right-hand side; "status" 0
optimal, 1 infeasible, 2 unbounded; for optimal programs "value" the optimum of the objective
as stated and "x" one optimal point. Right-hand sides may be negative and rows may be
degenerate (zero right-hand sides, repeated rows).
"""
import os
import random

import numpy as np
from scipy.optimize import linprog

HERE = os.path.dirname(os.path.abspath(__file__))
WANTED = {0: 45, 1: 15, 2: 15}


def random_program(rng):
    n = rng.randint(2, 6)
    m = rng.randint(1, 7)
    rows = []
    for _ in range(m):
        coeffs = [rng.choice([0, 0, 1, 2, 3, 4, 5, -1, -2, -3]) for _ in range(n)]
        relation = rng.choice([0, 0, 0, 1, 1, 2])
        rhs = rng.choice([0, rng.randint(-10, 25), rng.randint(1, 25)])
        rows.append((coeffs, relation, rhs))
    if m > 1 and rng.random() < 0.15:
        rows.append(rows[0])  # a repeated row makes the program degenerate
    c = [rng.randint(-5, 6) for _ in range(n)]
    return n, rows, c, rng.random() < 0.5


def solve(n, rows, c, maximise):
    a_ub, b_ub, a_eq, b_eq = [], [], [], []
    for coeffs, relation, rhs in rows:
        if relation == 0:
            a_ub.append(coeffs)
            b_ub.append(rhs)
        elif relation == 1:
            a_ub.append([-v for v in coeffs])
            b_ub.append(-rhs)
        else:
            a_eq.append(coeffs)
            b_eq.append(rhs)
    cost = [-v for v in c] if maximise else c
    res = linprog(cost, A_ub=a_ub or None, b_ub=b_ub or None, A_eq=a_eq or None,
                  b_eq=b_eq or None, bounds=[(0, None)] * n, method="highs")
    status = {0: 0, 2: 1, 3: 2}.get(res.status)
    if status is None:
        raise RuntimeError(res.message)
    return status, res


def num(v):
    return repr(float(v))


def main():
    rng = random.Random(20240518)
    counts = {0: 0, 1: 0, 2: 0}
    blocks = []
    while any(counts[k] < WANTED[k] for k in WANTED):
        n, rows, c, maximise = random_program(rng)
        status, res = solve(n, rows, c, maximise)
        if counts[status] >= WANTED[status]:
            continue
        if status == 0 and abs(res.fun) < 1e-9 and rng.random() < 0.85:
            continue  # keep only a few programs whose optimum is the origin
        counts[status] += 1
        lines = [f"[lp {len(blocks) + 1}]", f"n {n}", f"m {len(rows)}",
                 f"sense {int(maximise)}", "c " + " ".join(str(v) for v in c)]
        for k, (coeffs, relation, rhs) in enumerate(rows):
            lines.append(f"row{k} " + " ".join(str(v) for v in coeffs) + f" {relation} {rhs}")
        lines.append(f"status {status}")
        if status == 0:
            value = -res.fun if maximise else res.fun
            lines.append("value " + num(value))
            lines.append("x " + " ".join(num(v) for v in np.asarray(res.x)))
        blocks.append("\n".join(lines))
    with open(os.path.join(HERE, "simplex_reference.txt"), "w") as out:
        out.write("# Random linear programs solved by scipy.optimize.linprog (HiGHS);\n")
        out.write("# written by make_simplex_fixture.py.\n\n")
        out.write("\n\n".join(blocks) + "\n")


if __name__ == "__main__":
    main()
