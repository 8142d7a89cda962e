// The text of the results window is gathered while the rows are written and set
// into the text box once, when the window is shown.
#include "results_window.h"

#include "application.h"
#include "fire_view.h"
#include "form.h"
#include "results_text.h"

#include <optional>
#include <string>

namespace {

// Tf_wyniki: the results form, a single read-only text box.
class Tf_wyniki : public Form {
public:
    Tf_wyniki() : Form(f_wyniki) {}
};

std::optional<Tf_wyniki> resultsWindow;
std::wstring resultsText;
wchar_t decimalSeparator = L'.';

} // namespace

wchar_t userDecimalSeparator()
{
    wchar_t symbol[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 8) > 1 && symbol[0] != L'\0')
        return symbol[0];
    return L'.';
}

void openResultsWindow(std::int32_t xsize, std::int32_t ysize, std::int32_t trials)
{
    resultsWindow.emplace();
    resultsText = resultsHeader(xsize, ysize, trials);
    decimalSeparator = userDecimalSeparator();
}

void appendResultRow(double density, std::int32_t fireTime, double burntFraction)
{
    resultsText += resultsRow(density, fireTime, burntFraction, decimalSeparator);
}

void showResultsWindow()
{
    resultsWindow->setText(L"memo", std::move(resultsText));
    resultsText.clear();
    discardPendingInput();
    // Modal to the whole program: the fire view behind it takes no input either.
    HWND fireView = fireViewWindow();
    if (fireView)
        EnableWindow(fireView, FALSE);
    struct Finally {
        HWND view;
        ~Finally()
        {
            if (view)
                EnableWindow(view, TRUE);
            resultsWindow.reset();
        }
    } restore{fireView};
    resultsWindow->showModal();
}
