// The texts of the six arguments are Ignaro.exe's, in Polish; the options that only
// the command line has explain themselves in English, like the tools around it.
#include "ignaro_cli.h"

#include "append_check.h"
#include "argument_warnings.h"
#include "cli_options.h"
#include "experiment.h"
#include "help_text.h"
#include "pcg_planting.h"
#include "progress_line.h"
#include "results_file.h"
#include "results_summary.h"
#include "run_notices.h"
#include "run_texts.h"
#include "terminal_text.h"
#include "text_readers.h"
#include "utf8.h"

#include <ctime>
#include <memory>
#include <optional>

namespace {

constexpr std::wstring_view visibleRunRejection =
    L"ignaro-cli wykonuje tylko przebiegi bez wizualizacji: <bez_wizualizacji> musi być różne od 0. "
    L"Widok pożaru pokazuje program dla Windows, Ignaro.exe.";

constexpr std::string_view optionsHelp =
    "ignaro-cli takes the six arguments above, for silent runs only, and these options:\n"
    "  --seed N            seed once with N and let the generator run on: the rows of Ignaro.exe\n"
    "                      whose trials all start within the second N\n"
    "  --generator pcg64   draw the trees from PCG64 instead of Ignaro's own generator\n"
    "  --stream K          the PCG64 stream, one per job of a study (default 0)\n"
    "  --ignite edge       light every tree of the first column instead of the centre tree (which\n"
    "                      is then not planted), and end each row with 1 when the fire reached\n"
    "                      the last column, 0 when not\n"
    "  --series K          run only the K-th series of a sweep, from 0; --list-series lists them\n"
    "  --check             check the arguments as a run would, then exit without running\n"
    "  --summary FILE      per density: trials, mean, deviation and 95 % interval of the mean of\n"
    "                      the fire time, the burnt fraction and the crossings of edge-lit fires,\n"
    "                      and the density of the longest mean fire\n";

std::string help() { return toUtf8(helpText()) + std::string(optionsHelp); }

// After a rejection the message stands alone: the help text would scroll it away.
constexpr std::string_view helpPointer = "Try 'ignaro-cli --help' for more information.\n";

int summarize(const std::string& file, std::ostream& out, std::ostream& err)
{
    const ResultsSummary summary = summarizeResults(file);
    if (!summary.error.empty()) {
        err << "ignaro-cli: " << summary.error << '\n';
        return 1;
    }
    out << formatSummary(summary);
    return 0;
}

// The run itself, its progress on a terminal, and the notices it ended with.
int run(const CliOptions& options, const RunParameters& p, const std::vector<double>& densities,
        const std::wstring& fileName, std::ostream& err, bool terminal)
{
    std::unique_ptr<TreeDraws> draws;
    if (options.generator == GeneratorChoice::Pcg64) {
        draws = pcgDraws(options.seed.value_or(static_cast<std::uint64_t>(std::time(nullptr))),
                         options.stream.value_or(0));
    } else {
        TrialClock clock;
        if (options.seed)
            clock.now = [second = static_cast<std::time_t>(*options.seed)] { return second; };
        draws = std::make_unique<GeneratorDraws>(std::move(clock));
    }
    RunReport report;
    {
        std::optional<ProgressLine> progress;
        if (terminal)
            progress.emplace(err, static_cast<std::int64_t>(densities.size()) * p.trials);
        std::int64_t done = 0;
        report = runSeries(p, densities, *draws, nullptr, [&](double, const TrialResult&) {
            if (progress)
                progress->update(++done);
        });
    }
    if (report.endedCutLine)
        err << "ignaro-cli: warning: \"" << toUtf8(fileName)
            << "\" did not end with a line end (a row cut short?): the line was ended before the new rows\n";
    const std::vector<std::wstring> notices = runNotices(report, p.xsize, p.ysize, p.trials, fileName);
    // The file's notice comes last; the system's reason is what the user can act on.
    for (const std::wstring& notice : notices)
        err << toUtf8(notice)
            << (&notice == &notices.back() && report.resultsError ? " (" + report.resultsError.message() + ")" : "")
            << '\n';
    return notices.empty() ? 0 : 1;
}

} // namespace

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err, bool terminal)
{
    const CliOptions options = readOptions(args);
    if (!options.error.empty()) {
        err << "ignaro-cli: " << options.error << '\n' << helpPointer;
        return 2;
    }
    if (options.help) {
        out << help();
        return 0;
    }
    if (options.version) {
        out << "ignaro-cli " IGNARO_VERSION "\n";
        return 0;
    }
    if (options.summary)
        return summarize(*options.summary, out, err);
    const std::vector<std::string>& a = options.arguments;
    if (a.size() < 6) {
        err << "ignaro-cli: six arguments are needed, xsize ysize density% trials silent file; " << a.size()
            << (a.size() == 1 ? " was" : " were") << " given\n"
            << helpPointer;
        return 2;
    }

    for (const std::string& warning : argumentWarnings(a))
        err << warning << '\n';
    const bool silent = readIntegerText(fromUtf8(a[4])) != 0;
    const CheckedRun checked =
        checkRunTexts(fromUtf8(a[0]), fromUtf8(a[1]), fromUtf8(a[2]), fromUtf8(a[3]), silent, a[5]);
    if (!checked.rejection.empty() || !silent) {
        err << toUtf8(!checked.rejection.empty() ? checked.rejection : visibleRunRejection) << '\n' << helpPointer;
        return 2;
    }
    if (const std::error_code problem = appendCheck(a[5])) {
        err << "ignaro-cli: cannot append rows to \"" << terminalText(a[5]) << "\": " << problem.message() << '\n';
        return 2;
    }
    RunParameters p = checked.parameters;
    p.ignition = options.ignition;
    std::vector<double> densities = seriesDensities(p);
    if (options.listSeries) {
        for (double density : densities)
            out << formatGeneral6(density) << '\n';
        return 0;
    }
    if (options.series) {
        if (*options.series >= densities.size()) {
            err << "ignaro-cli: --series " << *options.series << ": this run has " << densities.size()
                << " series, counted from 0\n"
                << helpPointer;
            return 2;
        }
        densities = {densities[*options.series]};
    }
    // Scripts check every job's arguments before the first job starts.
    if (options.check)
        return 0;

    return run(options, p, densities, fromUtf8(terminalText(a[5])), err, terminal);
}
