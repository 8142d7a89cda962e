// The results window, "Efekty pożaru", of a visible run at one density. The model
// calls openResultsWindow, appendResultRow and showResultsWindow (front_end.h).
#pragma once

// The first character of the user's decimal symbol, or '.' when there is none.
wchar_t userDecimalSeparator();
