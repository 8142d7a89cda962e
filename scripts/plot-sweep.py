#!/usr/bin/python3
"""Draws a sweep's results against density: per density the mean of its trials with
its 95 % confidence interval as an error bar, and the standard deviation of the
trials as a lighter band, for the burnt fraction, the fire time and, for edge-lit
fires, the fraction of fires that crossed the forest.

usage: scripts/plot-sweep.py RESULTS OUTPUT.png|OUTPUT.svg [TITLE]

RESULTS is a file of Ignaro rows ("density fireTime burntFraction", and "crossed" for
edge-lit fires). A row that is not such numbers stops the script with its line
number: nothing is skipped. Every failure is one line on stderr and exit status 1.
"""
import math
import re
import statistics
import sys
from collections import defaultdict

import matplotlib

matplotlib.use('Agg')  # no display needed
import matplotlib.pyplot as plt  # noqa: E402


# Site percolation on the square lattice with eight neighbours: the matching lattice of
# the four-neighbour one, so 1 - 0.5927460508 (Jacobsen 2015; Mertens 2022).
KNOWN_THRESHOLD = 0.4072539

# Two-sided 95 % quantiles of Student's t for 1 to 30 degrees of freedom.
T95 = [12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.3060, 2.2622, 2.2281,
       2.2010, 2.1788, 2.1604, 2.1448, 2.1314, 2.1199, 2.1098, 2.1009, 2.0930, 2.0860,
       2.0796, 2.0739, 2.0687, 2.0639, 2.0595, 2.0555, 2.0518, 2.0484, 2.0452, 2.0423]


class Failure(Exception):
    """a failure the user can act on, told in one line"""


def student_t95(freedom):
    if freedom <= len(T95):
        return T95[freedom - 1]
    z, v = 1.959963984540054, float(freedom)  # Cornish-Fisher, as ignaro-cli --summary
    return (z + (z**3 + z) / (4 * v) + (5 * z**5 + 16 * z**3 + 3 * z) / (96 * v**2)
            + (3 * z**7 + 19 * z**5 + 17 * z**3 - 15 * z) / (384 * v**3))


def shown(line):
    """a row quoted in a message: control characters escaped, cut to a readable length"""
    text = line.rstrip('\r\n').encode('unicode_escape').decode('ascii')
    return text if len(text) <= 80 else text[:80] + '...'


def read_row(line):
    """density, fire time, fraction and crossed (None when absent) of one row, as
    strictly as ignaro-cli --summary"""
    # Single spaces and plain numbers, and the line end: a last line without one was cut short.
    fields = re.fullmatch(r'([0-9.eE+-]+) ([0-9]+) ([0-9.eE+-]+)(?: ([01]))?\r?\n', line)
    if not fields:
        raise ValueError
    density, fire_time, fraction = float(fields[1]), int(fields[2]), float(fields[3])
    if not 0 <= density <= 1 or fire_time < 0 or not 0 <= fraction <= 1:
        raise ValueError
    return density, fire_time, fraction, None if fields[4] is None else int(fields[4])


def read_rows(path):
    by_density = defaultdict(list)
    try:
        rows = open(path, encoding='ascii', errors='replace', newline='')
    except OSError as error:
        raise Failure(f'{path}: cannot be read: {error.strerror}')
    crossings = None
    with rows:
        for number, line in enumerate(rows, 1):
            try:
                density, fire_time, fraction, crossed = read_row(line)
            except ValueError:
                raise Failure(f'{path}:{number}: not a row of results: "{shown(line)}"')
            if crossings is not None and crossings != (crossed is not None):
                raise Failure(f'{path}:{number}: not a row like the first: "{shown(line)}"')
            crossings = crossed is not None
            by_density[density].append((fire_time, fraction, crossed))
    if not by_density:
        raise Failure(f'{path}: no rows')
    return sorted(by_density.items()), crossings


def statistics_of(values):
    """mean, standard deviation and half the 95 % interval of the mean (0 for one value)"""
    if len(values) < 2:
        return statistics.fmean(values), 0.0, 0.0
    deviation = statistics.stdev(values)
    return statistics.fmean(values), deviation, student_t95(len(values) - 1) * deviation / math.sqrt(len(values))


def draw(axes, densities, figures, colour, label):
    means = [m for m, _, _ in figures]
    axes.fill_between(densities, [m - d for m, d, _ in figures], [m + d for m, d, _ in figures],
                      color=colour, alpha=0.15, linewidth=0, label='± one standard deviation')
    axes.errorbar(densities, means, yerr=[h for _, _, h in figures], fmt='o-', ms=3, capsize=2, color=colour,
                  label='mean, 95 % interval')
    axes.set_ylabel(label)


def plot(results, output, title):
    series, crossings = read_rows(results)
    densities = [density for density, _ in series]
    figures = [[statistics_of([t[k] for t in trials]) for _, trials in series] for k in range(3 if crossings else 2)]
    panels = 3 if crossings else 2
    figure, axes = plt.subplots(panels, 1, sharex=True, figsize=(7, 3.5 * panels))
    draw(axes[0], densities, figures[1], 'tab:blue', 'burnt fraction')
    draw(axes[1], densities, figures[0], 'tab:red', 'fire time (generations)')
    if crossings:
        draw(axes[2], densities, figures[2], 'tab:purple', 'fires that crossed')
    axes[-1].set_xlabel('density')
    longest = max(zip(densities, figures[0]), key=lambda point: point[1][0])[0]
    for panel in axes:
        panel.axvline(longest, color='grey', linestyle=':', linewidth=1, label=f'longest mean fire, {longest:g}')
        panel.axvline(KNOWN_THRESHOLD, color='tab:green', linestyle='--', linewidth=1,
                      label=f'site threshold of this lattice, {KNOWN_THRESHOLD}')
        panel.grid(alpha=0.3)
    axes[1].legend(loc='upper right', fontsize='small')
    trials = sum(len(t) for _, t in series)
    figure.suptitle(title if title is not None else f'{trials} trials; longest mean fire at density {longest:g}')
    figure.tight_layout()
    try:
        figure.savefig(output, dpi=100)
    except OSError as error:
        raise Failure(f'{output}: cannot be written: {error.strerror or error}')


def main():
    if len(sys.argv) not in (3, 4) or not sys.argv[2].endswith(('.png', '.svg')):
        raise Failure(next(line for line in __doc__.splitlines() if line.startswith('usage:')))
    try:
        plot(sys.argv[1], sys.argv[2], sys.argv[3] if len(sys.argv) == 4 else None)
    except ValueError as error:
        # matplotlib's own words for a title it cannot typeset, on their last line
        raise Failure(f'the title cannot be drawn: {str(error).strip().splitlines()[-1]}')


if __name__ == '__main__':
    try:
        main()
    except Failure as failure:
        sys.exit(str(failure))
    except Exception as error:  # noqa: BLE001 - one line, never a traceback
        sys.exit(f'plot-sweep.py: {type(error).__name__}: {error}'.splitlines()[0])
