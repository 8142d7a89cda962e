// validateAndRun: the notices around a run.
#include "validate_and_run.h"

#include "application.h"
#include "experiment.h"
#include "fire_view.h"
#include "front_end.h"
#include "results_window.h"
#include "run_notices.h"
#include "run_texts.h"
#include "trial_clock.h"

#include <string>

namespace {
const FrontEnd windows{openFireView, drawCell, closeFireView, openResultsWindow, appendResultRow, showResultsWindow};
// One for the whole process: runs started from the dialog within one second let the
// generator run on, as the trials of one run do.
TrialClock trialClock;
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
    RunReport report = runExperiment(p.xsize, p.ysize, p.density, p.trials, p.silent, p.fileName, windows, trialClock);
    if (!p.silent)
        discardPendingInput();
    for (const std::wstring& notice : runNotices(report, p.xsize, p.ysize, p.trials, p.fileName.wstring()))
        showNotice(notice);
    return true;
}
