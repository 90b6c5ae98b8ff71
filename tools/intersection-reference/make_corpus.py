#!/usr/bin/env python3
"""Builds the reference corpus of the graph's point search.

Random pairs of terms (polynomials to degree 4, sines and cosines with factors, powers of e,
ln, 1/x, sqrt, abs and sums of these; touching pairs, two crossings closer than a step, steep
crossings, poles and gaps) over the search ranges of every zoom, with their true intersections,
the roots and the local extremes of the first term, computed with mpmath at 50 digits,
independently of the program. Writes one case a line to tests/data/intersection_corpus.txt:

  name TAB T1 TAB T2 TAB range TAB intersections TAB roots TAB extrema TAB probe

range is "Z ROW" (a row of the range menu, 1 to 5, at zoom Z) or "free LO HI"; each list is
"x:k;x:k..." with x to 25 digits and k one of c (crossing), t (touching), M, m (maximum,
minimum); probe is "x:T1(x)" to check that the program reads the term as written here.

Run: python3 tools/intersection-reference/make_corpus.py [SEED] [COUNT] [FILE]
"""
import math
import random
import sys

import mpmath

mpmath.mp.dps = 50
ZOOMS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 20, 25, 30, 40, 50, 60, 100, 200]
ROWS = {1: (-1, 1), 2: (-2, 2), 3: (-3, 3), 4: (-1, 0), 5: (0, 1)}
POLE_TOLERANCE = 1e-9  # the program's tan refuses where |cos| is below this
# The program's constant "e", a binary value a little off the true e: e^t is taken with it.
PROGRAM_E = mpmath.mpf(0xADF85458A2BBA070) / 2**62
LN_PROGRAM_E = mpmath.log(PROGRAM_E)


class Undefined(Exception):
    pass


class Node:
    """A term: its text as the program's parser reads it (every operation in brackets, numbers
    with the decimal comma) and its value in floats or in mpmath."""

    def __init__(self, op, *args):
        self.op, self.args = op, args

    def text(self):
        op, a = self.op, self.args
        if op == "x":
            return "x"
        if op == "num":
            return a[0].replace(".", ",")
        if op in "+-*/^":
            return "(" + a[0].text() + ")" + op + "(" + a[1].text() + ")"
        if op == "e^":
            return "e^(" + a[0].text() + ")"
        return op + "(" + a[0].text() + ")"

    def value(self, x, m):
        op, a = self.op, self.args
        if op == "x":
            return x
        if op == "num":
            return m.mpf(a[0]) if m is mpmath else float(a[0])
        if op == "e^":
            v = a[0].value(x, m)
            if v > 11000:
                raise Undefined()
            if m is mpmath:
                return mpmath.exp(v * LN_PROGRAM_E)
            return math.exp(v) if v < 700 else float("inf")
        v = [arg.value(x, m) for arg in a]
        if op == "+":
            return v[0] + v[1]
        if op == "-":
            return v[0] - v[1]
        if op == "*":
            return v[0] * v[1]
        if op == "/":
            if v[1] == 0:
                raise Undefined()
            return v[0] / v[1]
        if op == "^":
            return v[0] ** int(a[1].args[0])
        if op == "sin":
            return m.sin(v[0])
        if op == "cos":
            return m.cos(v[0])
        if op == "tan":
            if abs(m.cos(v[0])) < POLE_TOLERANCE:
                raise Undefined()
            return m.tan(v[0])
        if op == "sqrt":
            if v[0] < 0:
                raise Undefined()
            return m.sqrt(v[0])
        if op == "ln":
            if v[0] <= 0:
                raise Undefined()
            return m.log(v[0])
        if op == "abs":
            return abs(v[0])
        raise ValueError(op)


X = Node("x")


def num(v):
    return Node("num", v)


def add(a, b):
    return Node("+", a, b)


def sub(a, b):
    return Node("-", a, b)


def mul(a, b):
    return Node("*", a, b)


def coef(r, digits=2, low=0.1, high=5):
    return ("%." + str(digits) + "f") % r.uniform(low, high)


def signed_sum(r, terms):
    node = terms[0]
    for t in terms[1:]:
        node = add(node, t) if r.random() < 0.5 else sub(node, t)
    return node


def poly(r, degree):
    terms = [num(coef(r))]
    for d in range(1, degree + 1):
        power = X if d == 1 else Node("^", X, num(str(d)))
        terms.append(mul(num(coef(r)), power))
    r.shuffle(terms)
    return signed_sum(r, terms)


def line(r):
    return poly(r, 1)


def trig(r):
    f = r.choice(["sin", "cos"])
    inner = mul(num(coef(r, 1, 0.5, 4)), X)
    return mul(num(coef(r, 1, 0.5, 3)), Node(f, inner))


def elementary(r):
    kind = r.choice(["exp", "ln", "recip", "sqrt", "abs", "tan"])
    if kind == "exp":
        return Node("e^", mul(num(coef(r, 2, 0.1, 1)), X))
    if kind == "ln":
        return Node("ln", X)
    if kind == "recip":
        return Node("/", num(coef(r, 1, 0.5, 3)), sub(X, num(coef(r, 1, 0, 2))))
    if kind == "sqrt":
        return Node("sqrt", add(X, num(coef(r, 1, 0, 3))))
    if kind == "abs":
        return Node("abs", sub(X, num(coef(r, 1, 0, 2))))
    return Node("tan", X)


def any_term(r):
    kind = r.choice(["poly", "trig", "elem", "sum"])
    if kind == "poly":
        return poly(r, r.randint(0, 4))
    if kind == "trig":
        return trig(r)
    if kind == "elem":
        return elementary(r)
    return signed_sum(r, [r.choice([trig, elementary, line])(r), r.choice([trig, line])(r)])


def touching(r):
    """T1 = L + q (x - a)^2 and T2 = L: the curves touch at a."""
    a = coef(r, 1, -3, 3)
    base = r.choice([line, trig])(r)
    shift = sub(X, num(a)) if not a.startswith("-") else add(X, num(a[1:]))
    return add(base, mul(num(coef(r, 1, 0.5, 3)), Node("^", shift, num("2")))), base


def close_pair(r):
    """Two crossings 0.01 to 0.09 apart, closer than one step of the scan."""
    a = r.randint(-30, 30) / 10
    b = a + r.randint(1, 9) / 100
    left = sub(X, num("%.2f" % a)) if a >= 0 else add(X, num("%.2f" % -a))
    right = sub(X, num("%.2f" % b)) if b >= 0 else add(X, num("%.2f" % -b))
    return mul(num(coef(r, 1, 1, 5)), mul(left, right)), num("0")


def steep(r):
    return mul(num(r.choice(["1000", "250000", "1000000"])), sub(X, num(coef(r, 3, 0, 2)))), trig(r)


def pole(r):
    return Node("/", num("1"), sub(X, num(coef(r, 1, 0.1, 2)))), line(r)


def pair(r):
    kind = r.choice(["any", "any", "any", "touch", "close", "steep", "pole"])
    if kind == "touch":
        return kind, touching(r)
    if kind == "close":
        return kind, close_pair(r)
    if kind == "steep":
        return kind, steep(r)
    if kind == "pole":
        return kind, pole(r)
    return kind, (any_term(r), any_term(r))


class Curve:
    """A function of x in floats and in mpmath, None where it is undefined."""

    def __init__(self, fn):
        self.fn = fn

    def f(self, x):
        try:
            v = self.fn(x, math)
            return v if math.isfinite(v) else None
        except (Undefined, OverflowError, ValueError, ZeroDivisionError):
            return None

    def mp(self, x):
        try:
            return self.fn(mpmath.mpf(x), mpmath)
        except Undefined:
            return None


def bisect(c, a, b):
    fa = c.mp(a)
    a, b = mpmath.mpf(a), mpmath.mpf(b)
    for _ in range(200):
        m = (a + b) / 2
        fm = c.mp(m)
        if fm is None:
            return None
        if fm == 0:
            return m
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
        if b - a < mpmath.mpf(10) ** -45 * max(1, abs(a)):
            break
    return (a + b) / 2


def golden(c, a, b, sign, until_negative=False):
    """The place of the smallest sign * c in [a, b]; with until_negative the first place where
    sign * c falls below zero (so that a pole beyond it is never reached)."""
    g = (mpmath.sqrt(5) - 1) / 2
    a, b = mpmath.mpf(a), mpmath.mpf(b)
    x1, x2 = b - g * (b - a), a + g * (b - a)
    f1, f2 = c.mp(x1), c.mp(x2)
    for _ in range(400):
        if f1 is None or f2 is None:
            return None
        if until_negative and min(sign * f1, sign * f2) < 0:
            return x1 if sign * f1 < 0 else x2
        if sign * f1 <= sign * f2:
            b, x2, f2 = x2, x1, f1
            x1 = b - g * (b - a)
            f1 = c.mp(x1)
        else:
            a, x1, f1 = x1, x2, f2
            x2 = a + g * (b - a)
            f2 = c.mp(x2)
        if b - a < mpmath.mpf(10) ** -28 * max(1, abs(a)):
            break
    return (a + b) / 2


def scan(c, lo, hi, n):
    xs = [lo + (hi - lo) * i / n for i in range(n + 1)]
    vs = [c.f(x) for x in xs]
    # A sample that is zero in floats takes its sign from the exact value.
    for i, v in enumerate(vs):
        if v == 0:
            exact = c.mp(xs[i])
            if exact is not None and exact != 0:
                vs[i] = math.copysign(1e-300, float(exact))
    return xs, vs


def end_kind(c, xs, i):
    """A zero at an end of the range: crossing when the curve changes sign across it, judged
    by one step beyond the end."""
    step = xs[1] - xs[0]
    beyond = c.mp(xs[i] - step if i == 0 else xs[i] + step)
    inside = c.mp(xs[1] if i == 0 else xs[i - 1])
    return "c" if beyond is not None and (beyond < 0) != (inside < 0) else "t"


def zeros(c, xs, vs):
    n = len(xs) - 1
    found = []
    for i in range(n + 1):
        if vs[i] == 0:
            if 0 < i < n and None not in (vs[i - 1], vs[i + 1]):
                found.append((mpmath.mpf(xs[i]), "c" if (vs[i - 1] < 0) != (vs[i + 1] < 0) else "t"))
            elif i in (0, n):
                found.append((mpmath.mpf(xs[i]), end_kind(c, xs, i)))
    for i in range(n):
        if vs[i] is None or vs[i + 1] is None or vs[i] == 0:
            continue
        if (vs[i] < 0) != (vs[i + 1] < 0) and vs[i + 1] != 0:
            z = bisect(c, xs[i], xs[i + 1])
            # A pole or a jump: the function does not run to zero.
            if z is not None and abs(c.mp(z)) < mpmath.mpf(10) ** -20:
                found.append((z, "c"))
    for i in range(1, n):
        if None in (vs[i - 1], vs[i], vs[i + 1]) or 0 in (vs[i - 1], vs[i], vs[i + 1]):
            continue
        if (vs[i - 1] < 0) != (vs[i] < 0) or (vs[i + 1] < 0) != (vs[i] < 0):
            continue
        if abs(vs[i]) <= abs(vs[i - 1]) and abs(vs[i]) <= abs(vs[i + 1]):
            sign = 1 if vs[i] > 0 else -1
            z = golden(c, xs[i - 1], xs[i + 1], sign, True)
            if z is None:
                continue
            v = c.mp(z)
            # Within the minimiser's reach of zero (a kink is found to 1e-28 only).
            if abs(v) < mpmath.mpf(10) ** -22:
                found.append((z, "t"))
            elif sign * v < 0:
                for a, b in ((xs[i - 1], z), (z, xs[i + 1])):
                    r = bisect(c, a, b)
                    if r is not None:
                        found.append((r, "c"))
    return sorted(found)


def extrema(c, xs, vs):
    n = len(xs) - 1
    found = []
    for i in range(1, n):
        if None in (vs[i - 1], vs[i], vs[i + 1]):
            continue
        top = vs[i] >= vs[i - 1] and vs[i] >= vs[i + 1] and (vs[i] > vs[i - 1] or vs[i] > vs[i + 1])
        low = vs[i] <= vs[i - 1] and vs[i] <= vs[i + 1] and (vs[i] < vs[i - 1] or vs[i] < vs[i + 1])
        if not (top or low):
            continue
        z = golden(c, xs[i - 1], xs[i + 1], -1 if top else 1)
        if z is None:
            continue
        v = c.mp(z)
        change = abs(vs[i] - vs[i - 1]) + abs(vs[i] - vs[i + 1])
        if v is None or abs(v - vs[i]) > 4 * change + 1e-12:  # a pole
            continue
        found.append((z, "M" if top else "m"))
    return found


def listed(points):
    return ";".join(mpmath.nstr(x, 25, min_fixed=-5, max_fixed=5) + ":" + k for x, k in points)


def near_end(points, lo, hi):
    """A point close to an end of the range but not on it, where a search may take it either
    side."""
    return any(0 < min(abs(x - lo), abs(x - hi)) < 1e-6 * max(1, abs(x)) for x, _ in points)


def main():
    seed = int(sys.argv[1]) if len(sys.argv) > 1 else 28
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 240
    r = random.Random(seed)
    out = []
    while len(out) < count:
        kind, (t1, t2) = pair(r)
        if r.random() < 0.15:
            lo = r.randint(-60, 20) / 4
            hi = lo + r.randint(1, 40) / 4
            where = "free %s %s" % (repr(lo), repr(hi))
        else:
            z = r.choice(ZOOMS[:17] if kind != "steep" else ZOOMS[:10])
            row = r.choice(list(ROWS))
            lo, hi = z * ROWS[row][0], z * ROWS[row][1]
            where = "%d %d" % (z, row)
        # Ten samples to each of the program's (which takes at least 4000 over a range), five
        # over the widest ranges.
        n = min(60000, max(4000, math.ceil((hi - lo) / 0.1)) * 10)
        d = Curve(lambda x, m: t1.value(x, m) - t2.value(x, m))
        f = Curve(t1.value)
        fx, fv = scan(f, lo, hi, n)
        cuts, roots, ext = zeros(d, *scan(d, lo, hi, n)), zeros(f, fx, fv), extrema(f, fx, fv)
        if any(near_end(p, lo, hi) for p in (cuts, roots, ext)) or len(cuts) > 60:
            continue
        probe = (lo + hi) / 2 + 0.123
        pv = f.mp(probe)
        name = "%s%d" % (kind, len(out))
        out.append("\t".join([name, t1.text(), t2.text(), where, listed(cuts), listed(roots),
                              listed(ext),
                              "%r:%s" % (probe, "-" if pv is None else mpmath.nstr(pv, 25))]))
        print(name, len(cuts), len(roots), len(ext), file=sys.stderr)
    path = sys.argv[3] if len(sys.argv) > 3 else "tests/data/intersection_corpus.txt"
    with open(path, "w", encoding="utf-8") as fh:
        fh.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
