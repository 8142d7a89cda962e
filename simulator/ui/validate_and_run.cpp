// validateAndRun: the notices around a run.
#include "validate_and_run.h"

#include "application.h"
#include "experiment.h"
#include "run_texts.h"

#include <string>

bool validateAndRun(std::wstring_view xsizeText, std::wstring_view ysizeText, std::wstring_view densityText,
                    std::wstring_view trialsText, bool silent, const std::filesystem::path& fileName)
{
    CheckedRun checked = checkRunTexts(xsizeText, ysizeText, densityText, trialsText, silent, fileName);
    if (!checked.rejection.empty()) {
        showNotice(checked.rejection);
        return false;
    }

    const RunParameters& p = checked.parameters;
    RunReport report = runExperiment(p.xsize, p.ysize, p.density, p.trials, p.silent, p.fileName);
    if (!p.silent)
        discardPendingInput();
    const std::wstring sizes = std::to_wstring(p.xsize) + L" x " + std::to_wstring(p.ysize);
    if (report.outOfMemory)
        showNotice(L"Za mało pamięci na las o rozmiarach " + sizes + L"!");
    if (report.tooManyTrials)
        showNotice(L"Za mało pamięci na wyniki " + std::to_wstring(p.trials) + L" prób!");
    if (report.plantingStalled)
        showNotice(L"Nie można posadzić tylu drzew w lesie o rozmiarach " + sizes +
                   L": losowanie nie trafia we wszystkie pola!");
    if (report.resultsNotSaved)
        showNotice(L"Nie można zapisać wyników do pliku: " + p.fileName.wstring());
    return true;
}
