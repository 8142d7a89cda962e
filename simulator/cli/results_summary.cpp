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

struct Sums {
    std::int64_t n = 0;
    double time = 0, timeSquares = 0, fraction = 0, fractionSquares = 0;
};

bool readRow(std::string_view row, double& density, std::int64_t& fireTime, double& fraction)
{
    const char* at = row.data();
    const char* end = row.data() + row.size();
    auto field = [&](auto& value) {
        while (at < end && *at == ' ')
            ++at;
        auto [next, error] = std::from_chars(at, end, value);
        at = next;
        return error == std::errc{};
    };
    return field(density) && field(fireTime) && field(fraction) && at == end && std::isfinite(density) &&
           std::isfinite(fraction) && fireTime >= 0;
}

double deviation(std::int64_t n, double sum, double squares)
{
    if (n < 2)
        return 0;
    const double mean = sum / static_cast<double>(n);
    return std::sqrt(std::max(0.0, (squares - mean * sum) / static_cast<double>(n - 1)));
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
    std::map<double, Sums> byDensity;
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
        Sums& sums = byDensity[density];
        ++sums.n;
        sums.time += static_cast<double>(fireTime);
        sums.timeSquares += static_cast<double>(fireTime) * static_cast<double>(fireTime);
        sums.fraction += fraction;
        sums.fractionSquares += fraction * fraction;
    }
    for (const auto& [density, s] : byDensity) {
        const auto n = static_cast<double>(s.n);
        summary.densities.push_back({density, s.n, s.time / n, deviation(s.n, s.time, s.timeSquares), s.fraction / n,
                                     deviation(s.n, s.fraction, s.fractionSquares)});
    }
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
