// Texts of the notices that end a run.
#include "run_notices.h"

std::vector<std::wstring> runNotices(const RunReport& report, std::int32_t xsize, std::int32_t ysize,
                                     std::int32_t trials, const std::wstring& fileName)
{
    std::vector<std::wstring> notices;
    const std::wstring sizes = std::to_wstring(xsize) + L" x " + std::to_wstring(ysize);
    if (report.outOfMemory)
        notices.push_back(L"Za mało pamięci na las o rozmiarach " + sizes + L"!");
    if (report.tooManyTrials)
        notices.push_back(L"Za mało pamięci na wyniki " + std::to_wstring(trials) + L" prób!");
    if (report.plantingStalled)
        notices.push_back(L"Nie można posadzić tylu drzew w lesie o rozmiarach " + sizes +
                          L": losowanie nie trafia we wszystkie pola!");
    if (report.resultsNotSaved)
        notices.push_back(L"Nie można zapisać wyników do pliku: " + fileName);
    return notices;
}
