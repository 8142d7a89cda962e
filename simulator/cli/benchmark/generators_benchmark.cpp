// Times ignaro-cli's silent trials with Ignaro's generator and with PCG64 on the same
// forest, so that a study can choose PCG64's streams without paying for them.
//
//   generators_benchmark [trials per run, default 2000] [side, default 400] [density %, default 45]
//
// Build it optimised: cmake --preset bench && cmake --build --preset bench --target generators_benchmark
#include "ignaro_cli.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Milliseconds per trial, the best of three runs: the least disturbed by the machine.
double millisecondsPerTrial(const std::vector<std::string>& args, int trials, const std::filesystem::path& file)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        std::ostringstream out, err;
        const auto start = std::chrono::steady_clock::now();
        const int status = runCli(args, out, err, false);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::filesystem::remove(file);
        if (status != 0) {
            std::fprintf(stderr, "ignaro-cli failed: %s", err.str().c_str());
            std::exit(1);
        }
        best = std::min(best, ms / trials);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string trials = argc > 1 ? argv[1] : "2000", side = argc > 2 ? argv[2] : "400",
                      density = argc > 3 ? argv[3] : "45";
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "generators_benchmark_rows.txt";
    const std::vector<std::string> run = {side, side, density, trials, "1", file.string(), "--seed", "1"};
    std::vector<std::string> pcg = run;
    pcg.insert(pcg.end(), {"--generator", "pcg64"});
    const double ignaro = millisecondsPerTrial(run, std::stoi(trials), file);
    const double pcg64 = millisecondsPerTrial(pcg, std::stoi(trials), file);
    std::printf("%s x %s at %s %%, %s trials, best of 3, ms per trial:\n", side.c_str(), side.c_str(), density.c_str(),
                trials.c_str());
    std::printf("  Ignaro's generator %.3f\n  PCG64              %.3f  (%.2f times Ignaro's)\n", ignaro, pcg64,
                pcg64 / ignaro);
}
