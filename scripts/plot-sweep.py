#!/usr/bin/python3
"""Draws a sweep's results: the burnt fraction and the fire time against density,
each point the mean of its trials with the standard deviation as an error bar.

usage: scripts/plot-sweep.py RESULTS OUTPUT.png|OUTPUT.svg [TITLE]

RESULTS is a file of Ignaro rows ("density fireTime burntFraction"). A row that is
not three numbers stops the script with its line number: nothing is skipped.
"""
import math
import re
import statistics
import sys
from collections import defaultdict

import matplotlib

matplotlib.use('Agg')  # no display needed
import matplotlib.pyplot as plt  # noqa: E402


# Site percolation on the square lattice with eight neighbours (diagonals included).
KNOWN_THRESHOLD = 0.4073


def read_row(line):
    """density, fire time and fraction of one row, as strictly as ignaro-cli --summary"""
    fields = re.fullmatch(r'(\S+) +(\S+) +(\S+)\r?\n?', line)
    if not fields:
        raise ValueError
    density, fire_time, fraction = float(fields[1]), int(fields[2]), float(fields[3])
    if not math.isfinite(density) or fire_time < 0 or not 0 <= fraction <= 1:
        raise ValueError
    return density, fire_time, fraction


def read_rows(path):
    by_density = defaultdict(list)
    try:
        rows = open(path, encoding='ascii', errors='replace', newline='')
    except OSError as error:
        raise SystemExit(f'{path}: cannot be read: {error.strerror}')
    with rows:
        for number, line in enumerate(rows, 1):
            try:
                density, fire_time, fraction = read_row(line)
            except ValueError:
                raise SystemExit(f'{path}:{number}: not a row of results: {line.rstrip()!r}')
            by_density[density].append((fire_time, fraction))
    if not by_density:
        raise SystemExit(f'{path}: no rows')
    return sorted(by_density.items())


def mean_and_deviation(values):
    return statistics.fmean(values), statistics.stdev(values) if len(values) > 1 else 0.0


def main():
    if len(sys.argv) not in (3, 4) or not sys.argv[2].endswith(('.png', '.svg')):
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
        axes.axvline(longest, color='grey', linestyle=':', linewidth=1, label=f'longest mean fire, {longest:g}')
        axes.axvline(KNOWN_THRESHOLD, color='tab:green', linestyle='--', linewidth=1,
                     label=f'site threshold of this lattice, {KNOWN_THRESHOLD}')
        axes.grid(alpha=0.3)
    duration.legend(loc='upper right', fontsize='small')
    trials = sum(len(t) for _, t in series)
    figure.suptitle(sys.argv[3] if len(sys.argv) == 4 else
                    f'{trials} trials; longest mean fire at density {longest:g}')
    figure.tight_layout()
    figure.savefig(sys.argv[2], dpi=100)


if __name__ == '__main__':
    main()
