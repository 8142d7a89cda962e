#!/usr/bin/env python3
"""Draws a sweep's results: the burnt fraction and the fire time against density,
each point the mean of its trials with the standard deviation as an error bar.

usage: scripts/plot-sweep.py RESULTS OUTPUT.png|OUTPUT.svg [TITLE]

RESULTS is a file of Ignaro rows ("density fireTime burntFraction"). A row that is
not three numbers stops the script with its line number: nothing is skipped.
"""
import statistics
import sys
from collections import defaultdict

import matplotlib

matplotlib.use('Agg')  # no display needed
import matplotlib.pyplot as plt  # noqa: E402


def read_rows(path):
    by_density = defaultdict(list)
    with open(path, encoding='ascii', newline='') as rows:
        for number, line in enumerate(rows, 1):
            try:
                density, fire_time, fraction = line.split()
                by_density[float(density)].append((int(fire_time), float(fraction)))
            except ValueError:
                raise SystemExit(f'{path}:{number}: not a row of results: {line.rstrip()!r}')
    if not by_density:
        raise SystemExit(f'{path}: no rows')
    return sorted(by_density.items())


def mean_and_deviation(values):
    return statistics.fmean(values), statistics.stdev(values) if len(values) > 1 else 0.0


def main():
    if len(sys.argv) not in (3, 4):
        raise SystemExit(__doc__.strip().splitlines()[-4])
    series = read_rows(sys.argv[1])
    densities = [density for density, _ in series]
    times = [mean_and_deviation([t for t, _ in trials]) for _, trials in series]
    fractions = [mean_and_deviation([f for _, f in trials]) for _, trials in series]

    figure, (burnt, duration) = plt.subplots(2, 1, sharex=True, figsize=(7, 7))
    burnt.errorbar(densities, [m for m, _ in fractions], yerr=[d for _, d in fractions], fmt='o-', ms=3, capsize=2)
    burnt.set_ylabel('burnt fraction')
    duration.errorbar(densities, [m for m, _ in times], yerr=[d for _, d in times], fmt='o-', ms=3, capsize=2,
                      color='tab:red')
    duration.set_ylabel('fire time (generations)')
    duration.set_xlabel('density')
    longest = max(zip(densities, times), key=lambda point: point[1][0])[0]
    for axes in (burnt, duration):
        axes.axvline(longest, color='grey', linestyle=':', linewidth=1)
        axes.grid(alpha=0.3)
    trials = sum(len(t) for _, t in series)
    figure.suptitle(sys.argv[3] if len(sys.argv) == 4 else
                    f'{trials} trials; longest mean fire at density {longest:g}')
    figure.tight_layout()
    figure.savefig(sys.argv[2], dpi=100)


if __name__ == '__main__':
    main()
