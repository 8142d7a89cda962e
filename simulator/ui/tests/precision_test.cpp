// A thread made with raw CreateThread starts with the x87 at 53-bit precision;
// the model's numbers must not change with it.
#include "experiment.h"
#include "forest.h"
#include "results_text.h"
#include "run_texts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Outcome {
    std::int64_t trees59 = 0;
    std::int64_t trees35 = 0;
    double density35 = 0;
    std::wstring oneThird;
    std::string rows;
};

std::string knownRun(const std::filesystem::path& file)
{
    setTrialClock([] { return std::time_t{1000000000}; });
    forgetLastSeeding();
    std::filesystem::remove(file);
    runExperiment(100, 80, 0.41, 4, true, file);
    runExperiment(60, 50, -0.38, 1, true, file);
    setTrialClock([] { return std::time(nullptr); });
    std::ifstream in(file, std::ios::binary);
    std::ostringstream rows;
    rows << in.rdbuf();
    in.close();
    std::filesystem::remove(file);
    return rows.str();
}

DWORD WINAPI computeOnRawThread(void* result)
{
    auto* outcome = static_cast<Outcome*>(result);
    outcome->trees59 = targetTreeCount(100, 0.59, 100);
    outcome->density35 = densityFromPercent(35);
    outcome->trees35 = targetTreeCount(100, outcome->density35, 100);
    outcome->oneThird = formatPercent(1.0 / 3, L'.');
    outcome->rows = knownRun(std::filesystem::temp_directory_path() / "ignaro-raw-thread.txt");
    return 0;
}

} // namespace

TEST(ExtendedPrecision, RawThreadsComputeLikeTheMainThread)
{
    Outcome outcome;
    HANDLE thread = CreateThread(nullptr, 0, computeOnRawThread, &outcome, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, 60000);
    CloseHandle(thread);
    EXPECT_EQ(outcome.trees59, 5899);
    EXPECT_EQ(outcome.density35, 0.35);
    EXPECT_EQ(outcome.trees35, 3499);
    EXPECT_EQ(outcome.oneThird, L"33.3333333333333");
    EXPECT_EQ(outcome.rows, knownRun(std::filesystem::temp_directory_path() / "ignaro-main-thread.txt"));
    EXPECT_EQ(std::count(outcome.rows.begin(), outcome.rows.end(), '\n'), 4 + 63);
}
