#!/usr/bin/python3
"""Writes pi_8000.txt: "3." and the first 8000 decimals of pi, cut off, from mpmath.

Run with Debian's python3 (python3-mpmath):
    /usr/bin/python3 tests/discrete/data/make_pi_reference.py
"""
import os

import mpmath

DECIMALS = 8000
HERE = os.path.dirname(os.path.abspath(__file__))

mpmath.mp.dps = DECIMALS + 30
digits = mpmath.nstr(mpmath.mp.pi, DECIMALS + 20, strip_zeros=False)
text = digits[: DECIMALS + 2]
assert text.startswith("3.14159265358979323846") and len(text) == DECIMALS + 2
with open(os.path.join(HERE, "pi_8000.txt"), "w", newline="\n") as out:
    out.write(text + "\n")
