// Reads results rows ("density fireTime burntFraction", CR LF or LF) strictly: a row
// that is not three numbers stops the summary with its line number, since a silently
// skipped row would bias the means.
#include "results_summary.h"

#include "results_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>

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
    Running time, fraction;
};

// Fields separated by spaces, nothing before the first or after the last.
bool readRow(std::string_view row, double& density, std::int64_t& fireTime, double& fraction)
{
    const char* at = row.data();
    const char* const end = row.data() + row.size();
    auto field = [&](auto& value, bool first) {
        if (!first && (at == end || *at != ' '))
            return false;
        while (!first && at < end && *at == ' ')
            ++at;
        auto [next, error] = std::from_chars(at, end, value);
        at = next;
        return error == std::errc{};
    };
    return field(density, true) && field(fireTime, false) && field(fraction, false) && at == end &&
           std::isfinite(density) && fireTime >= 0 && fraction >= 0 && fraction <= 1;
}

} // namespace

ResultsSummary summarizeResults(const std::filesystem::path& file)
{
    ResultsSummary summary;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        summary.error = file.string() + ": cannot be read";
        return summary;
    }
    std::map<double, Series> byDensity;
    std::string line;
    for (std::int64_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        double density = 0, fraction = 0;
        std::int64_t fireTime = 0;
        if (!readRow(line, density, fireTime, fraction)) {
            summary.error = file.string() + ":" + std::to_string(number) + ": not a row of results: \"" + line + "\"";
            return summary;
        }
        Series& series = byDensity[density];
        ++series.n;
        series.time.add(static_cast<double>(fireTime), series.n);
        series.fraction.add(fraction, series.n);
    }
    if (byDensity.empty())
        summary.error = file.string() + ": no rows";
    for (const auto& [density, s] : byDensity)
        summary.densities.push_back(
            {density, s.n, s.time.mean, s.time.deviation(s.n), s.fraction.mean, s.fraction.deviation(s.n)});
    return summary;
}

std::string formatSummary(const ResultsSummary& summary)
{
    std::string text = "density trials fire-time-mean fire-time-sd burnt-mean burnt-sd\n";
    const DensitySummary* longest = nullptr;
    for (const DensitySummary& d : summary.densities) {
        text += formatGeneral6(d.density) + ' ' + std::to_string(d.trials) + ' ' + formatGeneral6(d.meanFireTime) + ' ' +
                formatGeneral6(d.fireTimeDeviation) + ' ' + formatGeneral6(d.meanBurntFraction) + ' ' +
                formatGeneral6(d.burntFractionDeviation) + '\n';
        if (!longest || d.meanFireTime > longest->meanFireTime)
            longest = &d;
    }
    if (longest)
        text += "threshold estimate (density of the longest mean fire): " + formatGeneral6(longest->density) + '\n';
    return text;
}
