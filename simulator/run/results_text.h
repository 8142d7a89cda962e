// The text of the results window: a header with the forest size and the number
// of trials, then one row per trial in per cent. Lines end in CR LF, the text
// box's own line break.
#pragma once
#include <cstdint>
#include <string>

std::wstring resultsHeader(std::int32_t xsize, std::int32_t ysize, std::int32_t trials);
std::wstring resultsRow(double density, std::int32_t fireTime, double burntFraction, wchar_t decimalSeparator);

// A fraction as a percentage in the general format with 15 significant digits
// ("45", "87,5", "0,0001", "1E-5").
std::wstring formatPercent(double fraction, wchar_t decimalSeparator);
std::wstring formatGeneral15(double value, wchar_t decimalSeparator);
