#!/usr/bin/python3
"""Measures the accuracy of the ChiSquare routines against mpmath.

Usage: accuracy.py EVALUATOR OUTPUT_DIR

EVALUATOR is the chisquare_eval program (one call per input line, results
as hexadecimal floats or "raise: message"). For every routine and region of
its domain the script evaluates a fixed grid, computes reference values with
mpmath at 40 significant digits, and writes OUTPUT_DIR/accuracy.md (largest
and median relative error per region, and where a routine raises) and
OUTPUT_DIR/prob_chi2_error.png (the relative error of prob_chi2 over value
and degrees of freedom, raising points marked).

Needs Debian's python3-mpmath and python3-matplotlib: run it with
/usr/bin/python3.
"""

import math
import os
import statistics
import subprocess
import sys

import mpmath
from mpmath import mp, mpf

mp.dps = 40
DBL_MIN = 2.2250738585072014e-308


# ---- Reference values -------------------------------------------------------

def gamma_p(a, x):
    a, x = mpf(a), mpf(x)
    if x == 0:
        return mpf(0)
    try:
        return mpmath.gammainc(a, 0, x, regularized=True)
    except mpmath.libmp.NoConvergence:
        # P = x^a e^-x / Γ(a + 1) · M(1, a + 1, x), whose terms shrink by
        # x/(a + n): it converges everywhere, if slowly for x far above a.
        front = mpmath.exp(a * mpmath.log(x) - x - mpmath.loggamma(a + 1))
        return front * mpmath.hyp1f1(1, a + 1, x, maxterms=10**7)


def gamma_q(a, x):
    a, x = mpf(a), mpf(x)
    # The lower integral is fast where x < a; Q near 1 loses nothing there.
    if x < a:
        return 1 - gamma_p(a, x)
    try:
        return mpmath.gammainc(a, x, mpmath.inf, regularized=True)
    except (mpmath.libmp.NoConvergence, ValueError):
        # mpmath's expansions may stall for large a: just above the mean, where
        # Q is not small, and far above it, where Legendre's fraction is fast.
        if x < a + 10 * mpmath.sqrt(a):
            return 1 - gamma_p(a, x)
        return upper_gamma_fraction(a, x)


def upper_gamma_fraction(a, x):
    def fraction(depth):
        f = mpf(0)
        for k in range(depth, 0, -1):
            f = k * (k - a) / (x + 2 * k + 1 - a - f)
        return mpmath.exp(a * mpmath.log(x) - x - mpmath.loggamma(a)) / (x + 1 - a - f)

    q = fraction(2000)
    assert abs(fraction(4000) - q) <= abs(q) * mpf(10)**-30, 'fraction did not settle'
    return q


def beta_inc(x, a, b):
    """I_x(a, b) by the hypergeometric form, on the tail where it converges fast."""
    x, a, b = mpf(x), mpf(a), mpf(b)
    if x == 0 or x == 1:
        return x
    if x > (a + 1) / (a + b + 2):
        return 1 - beta_inc(1 - x, b, a)
    front = mpmath.exp(a * mpmath.log(x) + b * mpmath.log1p(-x) - mpmath.log(a) -
                       mpmath.log(mpmath.beta(a, b)))
    return front * mpmath.hyp2f1(a + b, 1, a + 1, x, maxterms=10**7)


def log_beta(p, q):
    return float(mpmath.log(mpmath.beta(mpf(p), mpf(q))))


def solve_increasing(f, target, guess, logit=False):
    """The t with f(t) = target for an increasing f, by the Illinois method.

    The search runs on u = ln t (t positive) or, with logit, on
    u = ln(t / (1 - t)) (t in (0, 1)), so that roots far below the double
    range are found to full relative precision. The bracket is widened from
    guess outward.
    """
    target = mpf(target)
    if logit:
        to_t = lambda u: 1 / (1 + mpmath.exp(-u))
        lo = hi = mpmath.log(mpf(guess) / (1 - mpf(guess)))
    else:
        to_t = mpmath.exp
        lo = hi = mpmath.log(mpf(guess))
    lo_limit, hi_limit = mpf(-1e7), mpf(1e7)  # mpmath's exponents are unbounded
    g = lambda u: f(to_t(u)) - target
    width = mpf('1e-3')
    glo = g(lo)
    while glo > 0 and lo > lo_limit:
        lo = max(lo_limit, lo - width)
        width *= 4
        glo = g(lo)
    width = mpf('1e-3')
    ghi = g(hi)
    while ghi < 0 and hi < hi_limit:
        hi = min(hi_limit, hi + width)
        width *= 4
        ghi = g(hi)
    if glo > 0 or ghi < 0:
        raise ValueError(f'no bracket for target {target}')
    side = 0
    for _ in range(300):
        if glo == 0:
            return to_t(lo)
        if ghi == 0 or hi - lo <= mpf(10)**-30:
            return to_t(hi)
        u = (lo * ghi - hi * glo) / (ghi - glo)
        if not lo < u < hi:
            u = (lo + hi) / 2
        gu = g(u)
        if gu < 0:
            lo, glo = u, gu
            if side == -1:
                ghi /= 2
            side = -1
        else:
            hi, ghi = u, gu
            if side == 1:
                glo /= 2
            side = 1
    return to_t((lo + hi) / 2)


def chi2_quantile(p, df, guess):
    return solve_increasing(lambda x: gamma_p(mpf(df) / 2, x / 2), mpf(p),
                            guess if guess > 0 else df)


def beta_quantile(p, q, alpha, guess):
    if not 0 < guess < 1:
        guess = 0.5
    return solve_increasing(lambda x: beta_inc(x, p, q), mpf(alpha), guess, logit=True)


def discrete_gamma_rates(alpha, k, median):
    a = mpf(alpha)

    def cut(prob):  # the gamma quantile with shape and rate alpha
        return chi2_quantile(prob, 2 * a, 2 * a) / (2 * a)

    if median:
        r = [cut(mpf(2 * i + 1) / (2 * k)) for i in range(k)]
        s = sum(r)
        return [k * v / s for v in r]
    cuts = [mpf(0)] + [cut(mpf(j) / k) for j in range(1, k)]
    upper = [gamma_q(a + 1, a * c) if c > 0 else mpf(1) for c in cuts] + [mpf(0)]
    return [k * (upper[i] - upper[i + 1]) for i in range(k)]


# Each routine: how many results it prints, the reference for its arguments
# (given its own results, which seed the root finders), and the floor of the
# error's denominator: relative error |got - want| / max(|want|, floor).
ROUTINES = {
    'LNGAMMA': (lambda args, got: [mpmath.loggamma(mpf(args[0]))], 1.0),
    'GAMMP': (lambda args, got: [gamma_p(*args)], DBL_MIN),
    'GAMMQ': (lambda args, got: [gamma_q(*args)], DBL_MIN),
    'prob_chi2': (lambda args, got: [gamma_q(mpf(args[1]) / 2, mpf(args[0]) / 2)], DBL_MIN),
    'point_normal': (lambda args, got: [mpmath.sqrt(2) * mpmath.erfinv(2 * mpf(args[0]) - 1)],
                     1.0),
    'point_chi2': (lambda args, got: [chi2_quantile(args[0], args[1], got[0])], DBL_MIN),
    'discrete_gamma': (lambda args, got: discrete_gamma_rates(args[0], int(args[1]), args[2]),
                       1.0),
    'BetaInc': (lambda args, got: [beta_inc(*args)], DBL_MIN),
    'BetaRatio': (lambda args, got: [beta_inc(*args[:3])], DBL_MIN),
    'BetaRatioInverse': (lambda args, got: [beta_quantile(args[0], args[1], args[3], got[0])],
                         DBL_MIN),
}


# ---- Grids ------------------------------------------------------------------

def logspace(low, high, n):
    return [low * (high / low)**(i / (n - 1)) for i in range(n)]


def chi2_points(dfs, values_of):
    return [(v, df) for df in dfs for v in values_of(df)]


def near_mean(df, zs=(-5, -3, -2, -1, -0.5, -0.2, 0, 0.2, 0.5, 1, 2, 3, 5)):
    return [df + z * math.sqrt(2 * df) for z in zs if df + z * math.sqrt(2 * df) > 0]


def with_beta(points):
    """Appends ln B(p, q) to (x, p, q) points, as a caller of BetaRatio computes it."""
    return [(x, p, q, log_beta(p, q)) for x, p, q in points]


def inverse_with_beta(points):
    return [(p, q, log_beta(p, q), alpha) for p, q, alpha in points]


PROBS = [1e-12, 2e-6, 1e-3, 0.01, 0.05, 0.2, 0.5, 0.8, 0.95, 0.99, 0.999, 1 - 1e-6]

# (routine, region, argument tuples, note). A region whose note begins with
# "raises" is one where the routine raises by design.
REGIONS = [
    ('LNGAMMA', 'x below 1e-10 (given as -ln x)', [(x,) for x in logspace(1e-300, 9.9e-11, 12)],
     ''),
    ('LNGAMMA', 'x from 1e-10 to 1e-7', [(x,) for x in logspace(1e-10, 1e-7, 8)],
     'the first step x - 1 keeps only the digits of x above 2^-53, so the leading term '
     'c0/x carries an absolute error of about 1e-16/x'),
    ('LNGAMMA', 'x from 1e-7 to 0.5', [(x,) for x in logspace(1e-7, 0.5, 20)], ''),
    ('LNGAMMA', 'x from 0.5 to 20', [(x,) for x in logspace(0.5, 20, 30)], ''),
    ('LNGAMMA', 'x from 20 to 1e300', [(x,) for x in logspace(20, 1e300, 30)], ''),
    ('GAMMP', 'a from 0.5 to 100, x from 0.05a to 5a',
     [(a, a * r) for a in logspace(0.5, 100, 8) for r in (0.05, 0.2, 0.5, 0.8, 1, 1.2, 2, 5)],
     ''),
    ('GAMMP', 'lower tail below 1e-10 (x far below a)',
     [(a, x) for a in (5, 20, 100, 1000) for x in (1e-300, 1e-20, 1e-3, a / 20)], ''),
    ('GAMMQ', 'a from 0.5 to 100, x from 0.05a to 5a',
     [(a, a * r) for a in logspace(0.5, 100, 8) for r in (0.05, 0.2, 0.5, 0.8, 1, 1.2, 2, 5)],
     ''),
    ('GAMMQ', 'a from 1e-6 to 0.5', [(a, x) for a in logspace(1e-6, 0.5, 8)
                                     for x in (1e-3, 0.1, 0.5, 1, 2, 5, 20)],
     'below x = a + 1, Q is 1 - P from the series, whose own tolerance is 3e-7; so Q '
     'loses its relative accuracy as it falls below some 1e-6'),
    ('GAMMQ', 'a from 1e-16 to 1e-7', [(a, x) for a in logspace(1e-16, 1e-7, 6)
                                       for x in (1e-3, 0.5, 2, 20)],
     'Q = a·E1(x) is tiny there, and below x = a + 1 it is 1 - P, which keeps only P\'s '
     'absolute accuracy: the series\' tolerance of 3e-7 and, from a = 1e-10 up, the error of '
     'ln Γ(a) (see LNGAMMA); P is capped at 1, so Q never goes negative'),
    ('GAMMQ', 'upper tail below 1e-10 (x far above a)',
     [(a, x) for a in (0.5, 3, 30) for x in (60, 200, 700, 1e4)], ''),
    ('prob_chi2', 'd.f. from 1 to 100, value from 0.05 d.f. to 5 d.f.',
     chi2_points(logspace(1, 100, 10), lambda df: [df * r for r in
                                                   (0.05, 0.2, 0.5, 0.8, 1, 1.2, 2, 3, 5)]), ''),
    ('prob_chi2', 'd.f. from 1 to 100, value from 1e-300 to 1e-2',
     chi2_points((1, 2, 5, 30, 100), lambda df: [1e-300, 1e-100, 1e-20, 1e-8, 1e-2]), ''),
    ('prob_chi2', 'd.f. below 1 (1e-3 to 0.9)',
     chi2_points(logspace(1e-3, 0.9, 6), lambda df: [1e-6, 1e-3, 0.1, 1, 5, 30]),
     'as for GAMMQ with small a: a small Q computed as 1 - P keeps only P\'s absolute accuracy'),
    ('prob_chi2', 'upper tail below 1e-10',
     chi2_points((1, 4, 20, 100), lambda df: [df + 60, df + 200, 1000, 1400, 1e4]), ''),
    ('prob_chi2', 'd.f. from 100 to 776 near the mean',
     chi2_points(logspace(100, 776, 6), near_mean), ''),
    ('prob_chi2', 'd.f. from 780 to 14000 near the mean',
     chi2_points(logspace(780, 14000, 6), near_mean),
     "raises by design: GSER's series needs more than 100 terms just below d.f. + 2"),
    ('prob_chi2', 'd.f. from 14100 to 1e6 near the mean',
     chi2_points(logspace(14100, 1e6, 6), near_mean),
     "raises by design: GSER below d.f. + 2 and GCF's fraction just above it"),
    ('prob_chi2', 'd.f. from 1e9 to 1e17 near the mean',
     chi2_points((1e9, 1e12, 1e17), lambda df: near_mean(df, (-3, 2, 3, 5))),
     "raises by design: below the mean GSER's series, above it GCF, where the exponent "
     "factor's rounding passes the tolerance (from d.f. of about 3e8)"),
    ('prob_chi2', 'value from 1e10 to 1e300',
     chi2_points((1, 10, 1e4), lambda df: [1e10, 1e100, 2.6e154, 2.8e154, 1e300]), ''),
    ('point_normal', 'probability from 1e-20 to 1e-3 and its complement',
     [(p,) for p in logspace(1e-20, 1e-3, 12) + [1 - p for p in logspace(1e-15, 1e-3, 6)]], ''),
    ('point_normal', 'probability from 1e-3 to 0.999',
     [(p,) for p in [i / 40 for i in range(1, 40)] + [1e-3, 0.999]], ''),
    ('point_chi2', 'd.f. from 0.32 to 100',
     [(p, df) for df in logspace(0.33, 100, 8) for p in PROBS[1:-1]], ''),
    ('point_chi2', 'd.f. from 0.002 to 0.32 (iterated start)',
     [(p, df) for df in logspace(0.002, 0.32, 5) for p in (1e-5, 0.01, 0.5, 0.9, 0.99, 0.999998)],
     ''),
    ('point_chi2', 'd.f. from 100 to 700',
     [(p, df) for df in logspace(100, 700, 4) for p in PROBS[1:-1]], ''),
    ('point_chi2', 'd.f. from 800 to 1e4',
     [(p, df) for df in logspace(800, 1e4, 4) for p in (0.01, 0.2, 0.5, 0.8, 0.99)],
     "raises by design: GSER's series runs out of terms near the median"),
    ('discrete_gamma', 'alpha from 0.05 to 10, K = 4 and 8, both modes',
     [(alpha, k, median) for alpha in (0.05, 0.2, 0.5, 1, 2, 10) for k in (4, 8)
      for median in (0, 1)], ''),
    ('discrete_gamma', 'alpha from 100 to 1000, K = 4',
     [(alpha, 4, median) for alpha in (100, 300, 1000) for median in (0, 1)],
     "raises by design: from alpha of about 390, GSER's series near the median"),
    ('BetaInc', 'a, b from 0.5 to 50', [(x, a, b) for a in (0.5, 2, 10, 50) for b in (0.5, 3, 50)
                                        for x in (0.01, 0.2, 0.5, 0.8, 0.99)], ''),
    ('BetaInc', 'a or b from 1e-3 to 0.1', [(x, a, b) for a, b in ((1e-3, 1), (0.1, 5), (2, 1e-2))
                                            for x in (1e-6, 0.01, 0.5, 0.99, 1 - 1e-6)], ''),
    ('BetaInc', 'a, b from 1e3 to 1e5 near the mean',
     [(0.5 + z / (2 * math.sqrt(2 * a)), a, a) for a in (1e3, 1e4, 1e5) for z in (-3, -1, 0, 1, 3)],
     'raises by design: the fraction needs more than 100 steps for large a and b near the '
     'mean (a = b = 1e5 at 0.5)'),
    ('BetaRatio', 'p, q from 0.5 to 50', with_beta([(x, a, b) for a in (0.5, 2, 10, 50)
                                                    for b in (0.5, 3, 50)
                                                    for x in (0.01, 0.2, 0.5, 0.8, 0.99)]), ''),
    ('BetaRatio', 'p or q from 1e-3 to 0.1',
     with_beta([(x, a, b) for a, b in ((1e-3, 1), (0.1, 10), (2, 1e-2))
                for x in (1e-6, 0.01, 0.5, 0.99, 1 - 1e-6)]), ''),
    ('BetaRatioInverse', 'p, q from 0.5 to 50',
     inverse_with_beta([(a, b, alpha) for a in (0.5, 2, 10, 50) for b in (0.5, 3, 50)
                        for alpha in (1e-6, 0.01, 0.2, 0.5, 0.8, 0.99)]), ''),
    ('BetaRatioInverse', 'p or q from 0.05 to 0.2',
     inverse_with_beta([(a, b, alpha) for a, b in ((0.05, 1), (0.2, 5), (3, 0.05))
                        for alpha in (0.01, 0.2, 0.5, 0.8, 0.99)]), ''),
    ('BetaRatioInverse', 'points below 1e-154 (p = 0.01, q = 1)',
     inverse_with_beta([(0.01, 1, alpha) for alpha in (1e-3, 0.01, 0.02)]),
     'the iteration stops once the squared Newton step falls below 10^e, at least '
     '1e-308: an absolute test, so a point below about 1e-154 keeps only that absolute '
     'accuracy'),
]


# ---- Evaluation -------------------------------------------------------------

def run_evaluator(evaluator, calls):
    """Evaluates (routine, args) calls in one run of the evaluator."""
    lines = ''.join(f"{name} {' '.join(repr(float(a)) for a in args)}\n" for name, args in calls)
    out = subprocess.run([evaluator], input=lines, capture_output=True, text=True, check=True)
    results = out.stdout.splitlines()
    assert len(results) == len(calls), 'the evaluator lost lines'
    return results


def parse(line):
    """('values', [floats], fault) or ('raise', message, None) or ('bad', line, None)."""
    if line.startswith('raise: '):
        return 'raise', line[len('raise: '):], None
    if line.startswith('bad: '):
        return 'bad', line, None
    words = line.split()
    fault = 0
    if words and words[-1].startswith('fault='):
        fault = int(words.pop()[len('fault='):])
    return 'values', [float.fromhex(w) for w in words], fault


def relative_error(got, want, floor):
    want = mpf(want)
    if math.isnan(got):
        return math.inf
    return float(abs(mpf(got) - want) / max(abs(want), mpf(floor)))


def measure(evaluator, regions):
    calls = [(name, args) for name, _, points, _ in regions for args in points]
    lines = iter(run_evaluator(evaluator, calls))
    rows = []
    for name, region, points, note in regions:
        reference, floor = ROUTINES[name]
        row = {'routine': name, 'region': region, 'note': note, 'points': len(points),
               'errors': [], 'raises': {}, 'faults': 0, 'worst': None, 'available': True}
        for args in points:
            kind, payload, fault = parse(next(lines))
            if kind == 'bad':
                row['available'] = False
                continue
            if kind == 'raise':
                row['raises'][payload] = row['raises'].get(payload, 0) + 1
                continue
            if fault != 0 or (name == 'point_chi2' and payload[0] == -1.0):
                row['faults'] += 1  # rejected arguments: not on these grids
                continue
            want = reference(args, payload)
            err = max(relative_error(g, w, floor) for g, w in zip(payload, want))
            row['errors'].append(err)
            if row['worst'] is None or err > row['worst'][0]:
                row['worst'] = (err, args)
        rows.append(row)
    return rows


# ---- Report -----------------------------------------------------------------

def fmt_err(e):
    return 'inf' if math.isinf(e) else f'{e:.1e}'


def fmt_args(args):
    return ', '.join(f'{a:.6g}' for a in args)


def write_report(rows, path, plot_name):
    out = []
    out.append('# Accuracy of the ChiSquare routines\n')
    out.append('Generated by `scripts/accuracy` (do not edit by hand). Each routine is '
               'evaluated on a fixed grid over the ordinary and the extreme parts of its '
               'domain and compared with reference values that mpmath computes with 40 '
               'significant digits. The error is the relative error '
               '|computed − reference| / |reference|; for `LNGAMMA` and `point_normal`, '
               'whose results pass through 0, the denominator is at least 1 (so it is the '
               'absolute error there), for the rates of `discrete_gamma`, whose mean is 1, '
               'likewise (the lowest rate of a small alpha is a difference of two tails '
               'near 1 and keeps only their absolute accuracy), and for the others at least the least normal double '
               '(2.2e-308), so a tail that underflows to 0 where the reference is below the '
               'double range counts as exact.\n')
    out.append('The series and continued fractions stop at a relative tolerance of 3e-7 '
               'and `LNGAMMA` is accurate to about 1e-10, so errors up to some 1e-6 are the '
               'design, not a fault. `BetaRatio` and `BetaRatioInverse` get ln B(p, q) '
               'correctly rounded from mpmath.\n')
    out.append('| Routine | Region | Points | Raised | Largest error | Median error | '
               'Largest at |')
    out.append('|---|---|---:|---:|---:|---:|---|')
    for r in rows:
        if not r['available']:
            out.append(f"| `{r['routine']}` | {r['region']} | {r['points']} | | not built | | |")
            continue
        raised = sum(r['raises'].values())
        errs = r['errors']
        largest = fmt_err(max(errs)) if errs else '–'
        median = fmt_err(statistics.median(errs)) if errs else '–'
        worst = fmt_args(r['worst'][1]) if r['worst'] else ''
        faults = f" ({r['faults']} rejected)" if r['faults'] else ''
        out.append(f"| `{r['routine']}` | {r['region']} | {r['points']} | {raised}{faults} | "
                   f"{largest} | {median} | {worst} |")
    out.append('')
    out.append('## Where the routines raise\n')
    out.append('Raising is the designed answer where a series or continued fraction does '
               'not settle within its 100 steps; the grid points that raised, by message:\n')
    any_raise = False
    for r in rows:
        for message, count in sorted(r['raises'].items()):
            any_raise = True
            note = r['note'][len('raises by design: '):] if r['note'].startswith(
                'raises by design') else r['note']
            out.append(f"- `{r['routine']}`, {r['region']}: {count} of {r['points']} points, "
                       f"\"{message}\"" + (f" ({note})" if note else ''))
    if not any_raise:
        out.append('- none on these grids')
    out.append('')
    notes = [r for r in rows if r['note'] and not r['note'].startswith('raises')]
    if notes:
        out.append('## Notes on regions\n')
        for r in notes:
            out.append(f"- `{r['routine']}`, {r['region']}: {r['note']}.")
        out.append('')
    out.append('## prob_chi2 over value and degrees of freedom\n')
    out.append(f'![Relative error of prob_chi2]({plot_name})\n')
    out.append('Left: the whole range, value and d.f. on logarithmic scales. Right: the '
               'neighbourhood of the mean, value = d.f. + z·√(2·d.f.). Colour is log10 of the '
               'relative error; black crosses mark arguments where `prob_chi2` raises (the '
               'series from a d.f. of about 780 just below d.f. + 2, the continued fraction '
               'from about 14100 just above it).\n')
    with open(path, 'w') as f:
        f.write('\n'.join(out))


def plot(evaluator, path):
    import matplotlib
    matplotlib.use('Agg')
    import matplotlib.pyplot as plt
    import numpy as np

    panels = []
    dfs = logspace(0.1, 1e6, 41)
    values = logspace(1e-3, 1e7, 41)
    panels.append(('whole range', dfs, values, [(v, df) for v in values for df in dfs],
                   'value'))
    dfs2 = logspace(10, 1e6, 41)
    zs = [-4 + 8 * i / 40 for i in range(41)]
    panels.append(('near the mean', dfs2, zs,
                   [(max(df + z * math.sqrt(2 * df), 0), df) for z in zs for df in dfs2],
                   'z = (value − d.f.) / √(2·d.f.)'))

    fig, axes = plt.subplots(1, 2, figsize=(13, 5.5), constrained_layout=True)
    for ax, (title, xs, ys, points, ylabel) in zip(axes, panels):
        lines = run_evaluator(evaluator, [('prob_chi2', p) for p in points])
        grid = np.full((len(ys), len(xs)), np.nan)
        raised_x, raised_y = [], []
        for k, (line, (v, df)) in enumerate(zip(lines, points)):
            i, j = divmod(k, len(xs))
            if v <= 0:  # below the range of values
                continue
            kind, payload, _ = parse(line)
            if kind == 'raise':
                raised_x.append(xs[j])
                raised_y.append(ys[i])
                continue
            want = gamma_q(mpf(df) / 2, mpf(v) / 2)
            err = relative_error(payload[0], want, DBL_MIN)
            grid[i, j] = math.log10(max(err, 1e-17))
        mesh = ax.pcolormesh(xs, ys, grid, shading='nearest', cmap='viridis', vmin=-17, vmax=0)
        ax.scatter(raised_x, raised_y, marker='x', color='black', s=14, label='raises')
        ax.set_xscale('log')
        if ylabel == 'value':
            ax.set_yscale('log')
        ax.set_xlabel('degrees of freedom')
        ax.set_ylabel(ylabel)
        ax.set_title(f'prob_chi2, {title}')
        if raised_x:
            ax.legend(loc='upper left')
    fig.colorbar(mesh, ax=axes, label='log10 relative error')
    fig.savefig(path, dpi=90)


def main():
    evaluator, outdir = sys.argv[1], sys.argv[2]
    os.makedirs(outdir, exist_ok=True)
    rows = measure(evaluator, REGIONS)
    plot_name = 'prob_chi2_error.png'
    write_report(rows, os.path.join(outdir, 'accuracy.md'), plot_name)
    plot(evaluator, os.path.join(outdir, plot_name))


if __name__ == '__main__':
    main()
