// The results window, "Efekty pożaru", of a visible run at one density. The run
// calls openResultsWindow, appendResultRow and showResultsWindow through the front
// end that validateAndRun gives it.
#pragma once
#include <cstdint>

void openResultsWindow(std::int32_t xsize, std::int32_t ysize, std::int32_t trials);
void appendResultRow(double density, std::int32_t fireTime, double burntFraction);
void showResultsWindow();

// The first character of the user's decimal symbol, or '.' when there is none.
wchar_t userDecimalSeparator();
