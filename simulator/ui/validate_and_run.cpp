// validateAndRun: the notices around a run.
#include "validate_and_run.h"

#include "application.h"
#include "experiment.h"
#include "fire_view.h"
#include "front_end.h"
#include "planting.h"
#include "results_window.h"
#include "run_notices.h"
#include "run_texts.h"

#include <string>

namespace {

// A visible run's fire view and results window.
class Windows final : public FrontEnd {
    void openFireView(const Forest& forest) override { ::openFireView(forest); }
    void drawCell(std::int32_t x, std::int32_t y, CellState state) override { ::drawCell(x, y, state); }
    void closeFireView() override { ::closeFireView(); }
    void openResultsWindow(std::int32_t xsize, std::int32_t ysize, std::int32_t trials) override
    {
        ::openResultsWindow(xsize, ysize, trials);
    }
    void appendResultRow(double density, std::int32_t fireTime, double burntFraction) override
    {
        ::appendResultRow(density, fireTime, burntFraction);
    }
    void showResultsWindow() override { ::showResultsWindow(); }
};

// One clock and generator for the whole process: runs started from the dialog within
// one second let the generator run on, as the trials of one run do.
GeneratorDraws& processDraws()
{
    static GeneratorDraws draws;
    return draws;
}

} // namespace

bool validateAndRun(std::wstring_view xsizeText, std::wstring_view ysizeText, std::wstring_view densityText,
                    std::wstring_view trialsText, bool silent, const std::filesystem::path& fileName)
{
    CheckedRun checked = checkRunTexts(xsizeText, ysizeText, densityText, trialsText, silent, fileName);
    if (!checked.rejection.empty()) {
        showNotice(checked.rejection);
        return false;
    }

    const RunParameters& p = checked.parameters;
    Windows windows;
    RunReport report = runExperiment(p, processDraws(), &windows);
    if (!p.silent)
        discardPendingInput();
    for (const std::wstring& notice : runNotices(report, p.xsize, p.ysize, p.trials, p.fileName.wstring()))
        showNotice(notice);
    return true;
}
