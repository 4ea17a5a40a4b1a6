#!/usr/bin/python3
"""Writes control_reference.txt, the reference values of the control-system tests.

Run with Debian's python3 (python3-numpy, python3-scipy):
    /usr/bin/python3 tests/numeric/data/make_control_reference.py
Time responses come from scipy.signal.lsim (exact for inputs that are straight between the
samples): of the closed loop b/(a + K*b) for one transfer function, and of the state-space
model that the block equations give for a block diagram, assembled here with numpy from the
blocks (C + D*s)/(A + B*s) and the connection list. Frequency responses come from
scipy.signal.freqresp. The format is that of make_reference.py.
"""
import os

import numpy as np
from scipy import signal

HERE = os.path.dirname(os.path.abspath(__file__))


def num(v):
    return repr(float(v))


def line(key, values):
    return key + " " + " ".join(num(v) for v in values)


# ---------------------------------------------------------------- one transfer function

def ramp_to_step(amplitude, ramp_time, dt, steps):
    x = round(ramp_time / dt)
    return np.array([k * amplitude / x if 0 < x and k <= x else amplitude
                     for k in range(steps + 1)])


def response_block(name, numerator, denominator, gain, amplitude, ramp_time, dt, steps):
    n = len(numerator)
    closed = np.array(denominator, float) + gain * np.concatenate([[0.0], numerator])
    t = np.arange(steps + 1) * dt
    u = ramp_to_step(amplitude, ramp_time, dt, steps)
    _, y, _ = signal.lsim(signal.lti(np.trim_zeros(numerator, "f"), closed), u, t)
    return ["[%s]" % name, "order %d" % n, "dt %r" % dt, "steps %d" % steps,
            line("numerator", numerator), line("denominator", denominator),
            line("gain", [gain]), line("amplitude", [amplitude]), line("ramp", [ramp_time]),
            line("y", y)]


# ---------------------------------------------------------------- block diagrams

def diagram_model(blocks, connections):
    """The state-space form (A, B, C, D) of the block outputs, with input r."""
    n = len(blocks)
    a, b, c, d = (np.array([blk[k] for blk in blocks], float) for k in range(4))
    w = np.zeros((n, n))
    w0 = np.zeros(n)
    for source, target, gain in connections:
        if source == 0:
            w0[target - 1] += gain
        else:
            w[target - 1, source - 1] += gain
    dynamic = [i for i in range(n) if b[i] != 0]
    direct = np.array([d[i] / b[i] if b[i] != 0 else c[i] / a[i] for i in range(n)])
    select = np.zeros((n, len(dynamic)))
    for k, i in enumerate(dynamic):
        select[i, k] = 1
    # y = S x + F u, u = W y + w0 r.
    m = np.eye(n) - np.diag(direct) @ w
    cy = np.linalg.solve(m, select)
    dy = np.linalg.solve(m, direct * w0)
    cu = w @ cy
    du = w @ dy + w0
    rows = np.array(dynamic)
    sys_a = np.diag(c[rows] / b[rows]) @ cu[rows] - np.diag(a[rows] / b[rows]) @ cy[rows]
    sys_b = (c[rows] / b[rows]) * du[rows] - (a[rows] / b[rows]) * dy[rows]
    x0 = np.array([blocks[i][4] for i in dynamic], float)
    return sys_a, sys_b.reshape(-1, 1), cy, dy.reshape(-1, 1), x0


def diagram_block(name, blocks, connections, r, dt, steps, recorded, closed_form=None):
    sys_a, sys_b, cy, dy, x0 = diagram_model(blocks, connections)
    t = np.arange(steps // 5 + 1) * 5 * dt
    _, y, _ = signal.lsim((sys_a, sys_b, cy, dy), np.full(len(t), r), t, X0=x0)
    out = ["[%s]" % name, "dt %r" % dt, "steps %d" % steps, line("input", [r]),
           line("blocks", [v for blk in blocks for v in blk]),
           line("connections", [v for con in connections for v in con]),
           line("recorded", recorded)]
    for j in recorded:
        out.append(line("y%d" % j, y[:, j - 1]))
    if closed_form is not None:
        # The model must agree with the loop worked out by hand.
        num_, den_, j = closed_form
        _, yc, _ = signal.lsim(signal.lti(num_, den_), np.full(len(t), r), t)
        assert np.allclose(yc, y[:, j - 1], atol=1e-9), name
    return out


# ---------------------------------------------------------------- frequency response

def frequency_block(name, numerator, denominator, omega):
    _, g = signal.freqresp(signal.lti(numerator, denominator), omega)
    return ["[%s]" % name, line("numerator", numerator), line("denominator", denominator),
            line("omega", omega), line("re", g.real), line("im", g.imag)]


def main():
    blocks = [
        response_block("servo step", [0, 10], [1, 2, 0], 1, 1, 0, 0.01, 600),
        response_block("third order ramp", [0.5, 2, 1], [2, 3, 4, 1], 0.5, 2, 1.0, 0.01, 500),
        response_block("first order short ramp", [3], [0.5, 1], 2, -1, 0.253, 0.01, 200),
        response_block("open loop oscillator", [0, 1], [1, 0, 4], 0, 1, 0, 0.005, 800),
        # Gain 4, lag 1/(0.5s + 1), integrator, unity feedback: 8/(s^2 + 2s + 8).
        diagram_block("servo diagram",
                      [[1, 0, 4, 0, 0], [1, 0.5, 1, 0, 0], [0, 1, 1, 0, 0]],
                      [[0, 1, 1], [3, 1, -1], [1, 2, 1], [2, 3, 1]], 1, 0.01, 1000, [3, 2],
                      closed_form=([8], [1, 2, 8], 3)),
        # PI controller (2 + s)/s, two lags, the second starting at 0.5.
        diagram_block("pi loop with initial output",
                      [[0, 1, 2, 1, 0], [1, 1, 1, 0, 0], [1, 2, 1, 0, 0.5]],
                      [[0, 1, 1], [3, 1, -1], [1, 2, 1], [2, 3, 1]], 2, 0.01, 1500, [3, 1, 2]),
        # A lead (1 + 2s)/(1 + 0.5s) and a gain 1/2 close a loop of direct blocks.
        diagram_block("algebraic loop",
                      [[1, 0.5, 1, 2, 0], [2, 0, 1, 0, 0], [0, 1, 1, 0, 0.2]],
                      [[0, 1, 1], [1, 2, 1], [2, 1, -1], [2, 3, 1], [3, 1, -0.5]], 1, 0.002,
                      2000, [1, 2, 3]),
        frequency_block("lead with resonance",
                        [2.5, 5], np.polymul(np.polymul([1, 1], [0.2, 1]), [1, 0.4, 4]),
                        np.round(np.arange(1, 101) * 0.1, 10)),
    ]
    with open(os.path.join(HERE, "control_reference.txt"), "w") as out:
        out.write("# Generated by make_control_reference.py; do not edit.\n")
        for block in blocks:
            out.write("\n".join(block) + "\n\n")


if __name__ == "__main__":
    main()
