// ignaro-cli in process: its exit codes and texts, its rows against Ignaro.exe's, the
// PCG64 draws, edge-lit rows, the summary of a results file and its intervals.
#include "experiment.h"
#include "help_text.h"
#include "ignaro_cli.h"
#include "mean_interval.h"
#include "model_fixture.h"
#include "utf8.h"

namespace {

const std::string f = rowsFile.string();

struct Outcome {
    int status;
    std::string out, err, rows;
};

Outcome cli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = runCli(args, out, err, false);
    return {status, out.str(), err.str(), takeRows()};
}

} // namespace

TEST(IgnaroCli, IgnarosChecksAndNoticesWithExitCodes)
{
    const std::string help = toUtf8(helpText());
    // Arguments, exit status, the start of stderr, whether the help text follows.
    for (const auto& [args, status, message, withHelp] : std::vector<std::tuple<std::vector<std::string>, int, std::string, bool>>{
             {{"0", "400", "45", "1", "1", f}, 2, "Rozmiar x powinien być większy od zera!\n", true},
             {{"10", "10", "45", "1", "0", f}, 2, "ignaro-cli wykonuje tylko przebiegi bez wizualizacji", true},
             {{"10", "10", "45", "1", "1"}, 2, help, true},
             {{"10", "10", "45", "1", "1", f, "--stream", "1"}, 2, "ignaro-cli: --stream needs --generator pcg64", true},
             {{"3", "3", "-98", "1", "1", f, "--series", "3"}, 2, "ignaro-cli: --series 3: this run has 3 series", true},
             {{"3", "3", "100", "2", "1", "/"}, 1, "Nie można zapisać wyników do pliku: /\n", false},
             {{"3", "3", "100", "2", "1", f, "--generator", "pcg64"}, 0, "", false},
         }) {
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, status) << args[0] << args.back();
        EXPECT_TRUE(outcome.err.starts_with(message) && (outcome.err.find(help) != std::string::npos) == withHelp)
            << outcome.err;
    }
    EXPECT_TRUE(cli({"--help"}).out.starts_with(help));
}

TEST(IgnaroCli, FixedSecondWritesTheRowsOfTheWindowsProgram)
{
    // The rows of Ignaro.exe's trials that all start in this second: the generator runs
    // on through them all.
    GeneratorDraws draws(TrialClock{[] { return std::time_t{7}; }});
    runExperiment(RunParameters{20, 20, -0.9, 7, true, rowsFile}, draws, nullptr);
    const std::string whole = takeRows();
    EXPECT_EQ(cli({"20", "20", "-90", "7", "1", f, "--seed", "7"}).rows, whole);
}

TEST(IgnaroCli, Pcg64StreamsAreReproducibleAndDistinct)
{
    auto withStream = [](std::string stream) {
        return cli({"30", "30", "-95", "3", "1", f, "--generator", "pcg64", "--seed", "5", "--stream", stream}).rows;
    };
    EXPECT_EQ(withStream("1"), withStream("1"));
    EXPECT_NE(withStream("1"), withStream("2"));
}

TEST(IgnaroCli, EdgeLitRowsSayWhetherTheFireCrossedAndPlantNoCentreTree)
{
    // A full forest burns column by column; an empty one of one cell would cross if
    // the centre tree were planted, since its first column is its last.
    EXPECT_EQ(cli({"3", "3", "100", "1", "1", f, "--ignite", "edge"}).rows, "1 4 1 1\r\n");
    EXPECT_EQ(cli({"1", "1", "0", "1", "1", f, "--ignite", "edge", "--generator", "pcg64"}).rows, "0 1 0 0\r\n");
}

TEST(IgnaroCli, SummaryPerDensityOrTheLineOfTheFirstMalformedRow)
{
    // Two trials: t = 12.7062 for one degree of freedom, and sd / sqrt(2) is 5 and 0.25.
    const std::string header = "density trials fire-time-mean fire-time-sd fire-time-ci95 burnt-mean burnt-sd burnt-ci95";
    for (auto [rows, status, text] : {
             std::tuple{"0.5 10 0.25\r\n0.4 3 1\n0.5 20 0.75\r\n", 0,
                        header + "\n0.4 1 3 0 - 1 0 -\n0.5 2 15 7.07107 63.531 0.5 0.353553 3.17655\n"
                                 "threshold estimate (density of the longest mean fire): 0.5\n"},
             {"0.5 10 0.25 1\n0.5 20 0.75 0\n0.5 30 0.5 1\n", 0,
              header + " crossed-mean crossed-sd crossed-ci95\n0.5 3 20 10 24.8417 0.5 0.25 0.621041 0.666667 0.57735 1.43423\n"},
             {"0.5 10 0.25\n0.5 10\n", 1, ":2: not a row of results: \"0.5 10\"\n"},
             {"0.5 10 0.25\n0.5 10 0.25 1\n", 1, ":2: not a row like the first: \"0.5 10 0.25 1\"\n"},
             {"\x1b]0;x\x07 1 0.5\n", 1, ":1: not a row of results: \"\\e]0;x\\x07 1 0.5\"\n"},
             {"0.5 -1 0.25\n", 1, ":1: "},
             {"-0.45 10 0.5\n", 1, ":1: "},
             {"0.5 10 1.5\n", 1, ":1: "},
             {"", 1, ": no rows\n"}}) {
        std::ofstream(rowsFile, std::ios::binary) << rows;
        const Outcome outcome = cli({"--summary", f});
        EXPECT_EQ(outcome.status, status) << rows;
        EXPECT_TRUE((status ? outcome.err : outcome.out).starts_with(status ? "ignaro-cli: " + f + text : text))
            << outcome.out << outcome.err;
    }
    EXPECT_EQ(cli({"--summary", rowsFile.parent_path().string()}).err,
              "ignaro-cli: " + rowsFile.parent_path().string() + ": is a directory, not a results file\n");
}

TEST(MeanInterval, StudentQuantilesMatchTheTablesOnBothSidesOfThirtyDegrees)
{
    // The intervals themselves are worked by hand in the summary's test.
    for (const auto& [freedom, quantile] : {std::pair{1, 12.7062}, {30, 2.0423}, {31, 2.0395}, {40, 2.0211},
                                            {60, 2.0003}, {120, 1.9799}, {1000000, 1.9600}})
        EXPECT_NEAR(studentT95(freedom), quantile, 1e-4) << freedom;
}
