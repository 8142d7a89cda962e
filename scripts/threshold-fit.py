#!/usr/bin/python3
"""Estimates the site percolation threshold from the edge-lit fires of a study made by
scripts/threshold.sh, by finite-size scaling, and draws the estimator against size.

usage: scripts/threshold-fit.py DIR

At each forest size L, the fraction of fires that crossed the forest is fitted by a
logistic curve in the density (maximum likelihood over the trials); its midpoint
p(L) is the density at which half the fires cross. On this lattice (the matching
lattice of the square one) that density tends to the threshold as L grows, its shift
falling as L^(-1-1/nu) = L^(-7/4) with nu = 4/3, so p(L) = P + a L^(-7/4) is fitted by
weighted least squares. E is one standard error of P: the spread of P over bootstrap
studies, each made by drawing every density's trials again from its own results and
fitting everything again. Writes DIR/estimates.txt and DIR/threshold.png, and prints
as its last line "threshold: P ± E". Every failure is one line on stderr and exit 1.
"""
import math
import sys

import numpy as np

KNOWN_THRESHOLD = 0.4072539492  # 1 - 0.5927460508 (Jacobsen 2015; Mertens 2022)
EXPONENT = -7 / 4               # -1 - 1/nu
BOOTSTRAP = 400


class Failure(Exception):
    """a failure told in one line"""


def read_study(directory):
    """{size: [(density, trials, crossed), ...]} from the jobs' whole rows"""
    counts = {}
    try:
        jobs = [line.split() for line in open(f'{directory}/jobs.txt') if not line.startswith('#')]
    except OSError as error:
        raise Failure(f'{directory}/jobs.txt: cannot be read: {error.strerror}')
    for job, size, trees, _, trials, _, _ in jobs:
        path = f'{directory}/rows/job-{job}.txt'
        try:
            rows = open(path).read().splitlines()
        except OSError as error:
            raise Failure(f'{path}: cannot be read: {error.strerror}: run scripts/threshold.sh on {directory} again')
        crossings = [row.split()[3:4] for row in rows]
        if len(rows) != int(trials) or any(c not in (['0'], ['1']) for c in crossings):
            raise Failure(f'{path}: not {trials} rows of an edge-lit fire: remove it and run the study again')
        key = (int(size), int(trees) / int(size) ** 2)
        n, k = counts.get(key, (0, 0))
        counts[key] = (n + len(rows), k + sum(c == ['1'] for c in crossings))
    by_size = {}
    for (size, density), (n, k) in sorted(counts.items()):
        by_size.setdefault(size, []).append((density, n, k))
    if len(by_size) < 2:
        raise Failure(f'{directory}: a study needs at least two sizes')
    return {size: np.array(points, dtype=float) for size, points in by_size.items()}


def midpoint(points, crossed):
    """the density where the logistic fit of the crossings passes 1/2 (Newton's method
    on the log-likelihood), or None when the crossings do not bracket it"""
    density, trials = points[:, 0], points[:, 1]
    centre, scale = density.mean(), density.std()
    x = (density - centre) / scale
    beta = np.zeros(2)
    for _ in range(50):
        p = 1 / (1 + np.exp(-(beta[0] + beta[1] * x)))
        w = trials * p * (1 - p)
        gradient = np.array([np.sum(crossed - trials * p), np.sum((crossed - trials * p) * x)])
        hessian = np.array([[w.sum(), (w * x).sum()], [(w * x).sum(), (w * x * x).sum()]])
        try:
            step = np.linalg.solve(hessian, gradient)
        except np.linalg.LinAlgError:
            return None
        beta += step
        if np.abs(step).max() < 1e-10:
            break
    if not beta[1] > 0 or not np.all(np.isfinite(beta)):
        return None
    mid = centre - beta[0] / beta[1] * scale
    return mid if density.min() <= mid <= density.max() else None


def extrapolate(sizes, midpoints, errors):
    """P, a and chi-squared of the weighted fit midpoint = P + a L^EXPONENT"""
    design = np.column_stack([np.ones(len(sizes)), np.asarray(sizes, dtype=float) ** EXPONENT])
    weights = 1 / np.asarray(errors) ** 2
    normal = design.T @ (design * weights[:, None])
    (threshold, slope) = np.linalg.solve(normal, design.T @ (weights * midpoints))
    residuals = midpoints - design @ np.array([threshold, slope])
    return threshold, slope, float(np.sum(weights * residuals ** 2))


def plot(path, sizes, midpoints, errors, threshold, error, slope):
    import matplotlib
    matplotlib.use('Agg')
    import matplotlib.pyplot as plt
    figure, axes = plt.subplots(figsize=(7, 4.5))
    axes.errorbar(sizes, midpoints, yerr=errors, fmt='o', capsize=3, label='density where half the fires cross, ± 1 s.e.')
    line = np.geomspace(min(sizes) / 1.2, max(sizes) * 4, 100)
    axes.plot(line, threshold + slope * line ** EXPONENT, color='tab:blue', linewidth=1,
              label='fit P + a L$^{-7/4}$')
    axes.axhspan(threshold - error, threshold + error, color='tab:blue', alpha=0.2,
                 label=f'P = {threshold:.6f} ± {error:.6f}')
    axes.axhline(KNOWN_THRESHOLD, color='tab:green', linestyle='--', linewidth=1,
                 label=f'known threshold {KNOWN_THRESHOLD:.7f}')
    axes.set_xscale('log', base=2)
    axes.set_xticks(sizes, [str(size) for size in sizes])
    axes.minorticks_off()
    axes.set_xlabel('forest size L (L × L trees at most)')
    axes.set_ylabel('density')
    axes.grid(alpha=0.3)
    axes.legend(fontsize='small')
    axes.set_title('Site percolation threshold of the eight-neighbour forest, edge-lit fires')
    figure.tight_layout()
    try:
        figure.savefig(path, dpi=100)
    except OSError as error:
        raise Failure(f'{path}: cannot be written: {error.strerror or error}')


def main():
    if len(sys.argv) != 2:
        raise Failure(next(line for line in __doc__.splitlines() if line.startswith('usage:')))
    directory = sys.argv[1]
    study = read_study(directory)
    sizes = sorted(study)
    midpoints = []
    for size in sizes:
        mid = midpoint(study[size], study[size][:, 2])
        if mid is None:
            raise Failure(f'size {size}: the crossings do not pass 1/2 within the densities run: more trials needed')
        midpoints.append(mid)
    midpoints = np.array(midpoints)

    generator = np.random.default_rng(12345)
    replicas = []
    for _ in range(BOOTSTRAP):
        replica = []
        for size in sizes:
            points = study[size]
            crossed = generator.binomial(points[:, 1].astype(np.int64), points[:, 2] / points[:, 1])
            replica.append(midpoint(points, crossed))
        if None not in replica:
            replicas.append(replica)
    if len(replicas) < BOOTSTRAP // 2:
        raise Failure('the crossings are too few to bootstrap the fit: more trials needed')
    if len(replicas) < BOOTSTRAP:
        # Those left out are the studies whose crossings strayed furthest: E comes out low.
        print(f'threshold-fit.py: {BOOTSTRAP - len(replicas)} of {BOOTSTRAP} bootstrap studies left out, a size\'s'
              ' crossings not passing 1/2 there: E is too small; more trials needed', file=sys.stderr)
    replicas = np.array(replicas)
    errors = replicas.std(axis=0, ddof=1)
    threshold, slope, chi2 = extrapolate(sizes, midpoints, errors)
    thresholds = [extrapolate(sizes, replica, errors)[0] for replica in replicas]
    error = float(np.std(thresholds, ddof=1))
    # Estimates further from the curve than their errors allow widen E in proportion.
    degrees = len(sizes) - 2
    scale = math.sqrt(chi2 / degrees) if degrees > 0 and chi2 > degrees else 1.0
    error *= scale

    lines = ['# size trials densities midpoint standard-error', *(
        f'{size} {int(study[size][:, 1].sum())} {len(study[size])} {mid:.7f} {err:.7f}'
        for size, mid, err in zip(sizes, midpoints, errors))]
    lines.append(f'# fit: midpoint = P + a L^-7/4: P = {threshold:.7f} ± {error:.7f}, a = {slope:.4f},'
                 f' chi2 = {chi2:.2f} for {degrees} degrees of freedom; {len(replicas)} bootstrap studies' +
                 (f'; E scaled by sqrt(chi2 / degrees of freedom) = {scale:.2f}' if scale > 1 else ''))
    try:
        with open(f'{directory}/estimates.txt', 'w') as out:
            out.write('\n'.join(lines) + '\n')
    except OSError as error_:
        raise Failure(f'{directory}/estimates.txt: cannot be written: {error_.strerror}')
    plot(f'{directory}/threshold.png', sizes, midpoints, errors, threshold, error, slope)
    print('\n'.join(lines))
    digits = max(0, 1 - math.floor(math.log10(error))) if error > 0 else 7
    print(f'threshold: {threshold:.{digits}f} ± {error:.{digits}f}')


if __name__ == '__main__':
    try:
        main()
    except Failure as failure:
        sys.exit(f'threshold-fit.py: {failure}')
    except Exception as error:  # noqa: BLE001 - one line, never a traceback
        sys.exit(f'threshold-fit.py: {type(error).__name__}: {error}'.splitlines()[0])
