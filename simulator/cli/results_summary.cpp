// Reads results rows ("density fireTime burntFraction", and "crossed" after them for
// edge-lit fires; CR LF or LF) strictly: a row that is not such numbers stops the
// summary with its line number, since a silently skipped row would bias the means.
#include "results_summary.h"

#include "mean_interval.h"
#include "results_file.h"
#include "terminal_text.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <system_error>

namespace {

// Welford's running mean and sum of squared deviations: the textbook sum of squares
// loses every digit when thousands of fractions differ only far after the point.
struct Running {
    double mean = 0, squares = 0;
    void add(double value, std::int64_t n)
    {
        const double step = value - mean;
        mean += step / static_cast<double>(n);
        squares += step * (value - mean);
    }
    double deviation(std::int64_t n) const { return n < 2 ? 0 : std::sqrt(squares / static_cast<double>(n - 1)); }
};

struct Series {
    std::int64_t n = 0;
    Running time, fraction, crossed;
};

struct Row {
    double density = 0, fraction = 0;
    std::int64_t fireTime = 0;
    int crossed = -1; // -1: the row does not say
};

// Fields separated by spaces, nothing before the first or after the last.
bool readRow(std::string_view text, Row& row)
{
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    auto field = [&](auto& value, bool first) {
        if (!first && (at == end || *at != ' '))
            return false;
        while (!first && at < end && *at == ' ')
            ++at;
        auto [next, error] = std::from_chars(at, end, value);
        at = next;
        return error == std::errc{};
    };
    if (!field(row.density, true) || !field(row.fireTime, false) || !field(row.fraction, false))
        return false;
    if (at != end && (!field(row.crossed, false) || (row.crossed != 0 && row.crossed != 1)))
        return false;
    return at == end && row.density >= 0 && row.density <= 1 && row.fireTime >= 0 && row.fraction >= 0 &&
           row.fraction <= 1;
}

std::string orDash(double value) { return std::isnan(value) ? "-" : formatGeneral6(value); }

} // namespace

ResultsSummary summarizeResults(const std::filesystem::path& file)
{
    ResultsSummary summary;
    const std::string name = terminalText(file.string());
    std::error_code ignored;
    if (std::filesystem::is_directory(file, ignored)) {
        summary.error = name + ": is a directory, not a results file";
        return summary;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        summary.error = name + ": cannot be read";
        return summary;
    }
    std::map<double, Series> byDensity;
    std::string line;
    for (std::int64_t number = 1; std::getline(in, line); ++number) {
        // Every row ends with its line end: a last line without one was cut short
        // when the program writing it was stopped, whatever it looks like.
        if (in.eof()) {
            summary.error = name + ":" + std::to_string(number) + ": no line end (a row cut short?): \"" +
                            terminalText(line) + "\"";
            return summary;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        Row row;
        const bool read = readRow(line, row);
        // Centre-lit and edge-lit rows in one file would mix two experiments.
        if (!read || (number > 1 && (row.crossed >= 0) != summary.crossings)) {
            summary.error = name + ":" + std::to_string(number) + ": " +
                            (read ? "not a row like the first" : "not a row of results") + ": \"" + terminalText(line) + "\"";
            return summary;
        }
        summary.crossings = row.crossed >= 0;
        Series& series = byDensity[row.density];
        ++series.n;
        series.time.add(static_cast<double>(row.fireTime), series.n);
        series.fraction.add(row.fraction, series.n);
        series.crossed.add(row.crossed, series.n);
    }
    if (byDensity.empty())
        summary.error = name + ": no rows";
    for (const auto& [density, s] : byDensity) {
        const double timeDeviation = s.time.deviation(s.n), fractionDeviation = s.fraction.deviation(s.n),
                     crossedDeviation = s.crossed.deviation(s.n);
        summary.densities.push_back({density, s.n, s.time.mean, timeDeviation, meanHalfWidth95(timeDeviation, s.n),
                                     s.fraction.mean, fractionDeviation, meanHalfWidth95(fractionDeviation, s.n),
                                     s.crossed.mean, crossedDeviation, meanHalfWidth95(crossedDeviation, s.n)});
    }
    return summary;
}

std::string formatSummary(const ResultsSummary& summary)
{
    std::string text = "density trials fire-time-mean fire-time-sd fire-time-ci95 burnt-mean burnt-sd burnt-ci95";
    text += summary.crossings ? " crossed-mean crossed-sd crossed-ci95\n" : "\n";
    const DensitySummary* longest = nullptr;
    for (const DensitySummary& d : summary.densities) {
        text += formatGeneral6(d.density) + ' ' + std::to_string(d.trials) + ' ' + formatGeneral6(d.meanFireTime) + ' ' +
                formatGeneral6(d.fireTimeDeviation) + ' ' + orDash(d.fireTimeInterval) + ' ' +
                formatGeneral6(d.meanBurntFraction) + ' ' + formatGeneral6(d.burntFractionDeviation) + ' ' +
                orDash(d.burntFractionInterval);
        if (summary.crossings)
            text += ' ' + formatGeneral6(d.crossedFraction) + ' ' + formatGeneral6(d.crossedDeviation) + ' ' +
                    orDash(d.crossedInterval);
        text += '\n';
        if (!longest || d.meanFireTime > longest->meanFireTime)
            longest = &d;
    }
    if (longest)
        text += "threshold estimate (density of the longest mean fire): " + formatGeneral6(longest->density) + '\n';
    return text;
}
