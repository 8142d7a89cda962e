// ignaro-cli in process: its exit codes and texts, its rows against Ignaro.exe's, the
// PCG64 draws, edge-lit rows, the summary of a results file and its intervals.
#include "experiment.h"
#include "help_text.h"
#include "ignaro_cli.h"
#include "mean_interval.h"
#include "model_fixture.h"
#include "utf8.h"

#include <csignal>
#include <sys/resource.h>

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

TEST(IgnaroCli, RejectionsSayWhyAndPointToTheHelpNoticesEndTheRun)
{
    const std::string pointer = "Try 'ignaro-cli --help' for more information.\n";
    const std::string missing = (rowsFile.parent_path() / "no\x1b]0;folder" / "rows.txt").string();
    // Arguments, exit status, the start of stderr, whether it ends pointing to --help.
    for (const auto& [args, status, message, pointed] : std::vector<std::tuple<std::vector<std::string>, int, std::string, bool>>{
             {{"0", "400", "45", "1", "1", f}, 2, "Rozmiar x powinien być większy od zera!\n", true},
             {{"10", "10", "45", "1", "0", f}, 2, "ignaro-cli wykonuje tylko przebiegi bez wizualizacji", true},
             {{"10", "10", "45", "1", "1"}, 2, "ignaro-cli: six arguments are needed", true},
             {{"10", "10", "45", "1", "1", f, "-seed", "1"}, 2, "ignaro-cli: unknown option -seed;", true},
             {{"10", "10", "45", "1", "1", f, "--stream", "1"}, 2, "ignaro-cli: --stream needs --generator pcg64", true},
             {{"3", "3", "-98", "1", "1", f, "--series", "3"}, 2, "ignaro-cli: --series 3: this run has 3 series", true},
             {{"3", "3", "100", "2", "1", "/"}, 2, "ignaro-cli: cannot append rows to \"/\": Is a directory\n", false},
             {{"3", "3", "100", "2", "1", missing}, 2,
              "ignaro-cli: cannot append rows to \"" + missing.substr(0, missing.find('\x1b')) +
                  "\\e]0;folder/rows.txt\": No such file or directory\n", false},
             {{"3", "3", "100", "2", "1", "/dev/full"}, 2,
              "ignaro-cli: cannot append rows to \"/dev/full\": No space left on device\n", false},
             {{"3", "3", "100", "2", "1", f, "--generator", "pcg64"}, 0, "", false},
         }) {
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, status) << args[0] << args.back();
        EXPECT_TRUE(outcome.err.starts_with(message) && outcome.err.ends_with(pointer) == pointed) << outcome.err;
    }
    EXPECT_TRUE(cli({"--help"}).out.starts_with(toUtf8(helpText())));
    EXPECT_TRUE(cli({"--version"}).out.starts_with("ignaro-cli 1."));
    EXPECT_EQ(cli({"3", "3", "100", "2", "1", f, "--check"}).rows, "") << "--check ran the trials";
}

TEST(IgnaroCli, RowsRefusedPartWayEndTheRunWithTheReasonAndTheWholeRowsKept)
{
    // A file-size limit of two rows of "1 3 1\r\n": the third write is refused.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit twoRows{14, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &twoRows);
    const Outcome outcome = cli({"3", "3", "100", "50", "1", f});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "Nie można zapisać wyników do pliku: " + f + " (File too large)\n");
    EXPECT_EQ(outcome.rows, "1 3 1\r\n1 3 1\r\n");
}

TEST(IgnaroCli, ArgumentsReadShortAreTheWindowsProgramsReadingsWithAWarning)
{
    // As written; as Ignaro reads them; the warnings.
    using Args = std::vector<std::string>;
    for (const auto& [written, read, warnings] : std::vector<std::tuple<Args, Args, std::string>>{
             {{"3", "3", "45,5", "2", "1"}, {"3", "3", "45", "2", "1"},
              "ignaro-cli: warning: the density \"45,5\" is read as 45: \",5\" after the number is ignored "
              "(the decimal point is a full stop)\n"},
             {{"4294967299", " 3", "nan", "2", "2"}, {"3", "3", "0", "2", "1"},
              "ignaro-cli: warning: the x size \"4294967299\" is read as 3: whole numbers wrap around at 2^32\n"
              "ignaro-cli: warning: the density \"nan\" is read as 0: it does not start with a number\n"
              "ignaro-cli: warning: the silent flag \"2\" is neither 0 nor 1; it is taken as 1, as any number but 0 is\n"},
             {{"3", "3", "1e", "2\t", "1x", "7"}, {"3", "3", "1", "2", "1"},
              "ignaro-cli: warning: the density \"1e\" is read as 1: \"e\" after the number is ignored\n"
              "ignaro-cli: warning: the number of trials \"2\\t\" is read as 2: \"\\t\" after the number is ignored\n"
              "ignaro-cli: warning: the silent flag \"1x\" is read as 1: \"x\" after the number is ignored\n"
              "ignaro-cli: warning: arguments after the sixth are ignored: \"7\"\n"},
         }) {
        auto withFile = [](Args args) {
            args.insert(args.begin() + 5, f);
            args.insert(args.end(), {"--seed", "9"});
            return args;
        };
        const Outcome asWritten = cli(withFile(written));
        const Outcome asRead = cli(withFile(read));
        EXPECT_EQ(asWritten.err, warnings);
        EXPECT_EQ(asRead.err, "");
        EXPECT_EQ(asWritten.rows, asRead.rows);
    }
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
             {"0.5 10 0.25\n0.5 10 0.8", 1, ":2: no line end (a row cut short?): \"0.5 10 0.8\"\n"},
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
