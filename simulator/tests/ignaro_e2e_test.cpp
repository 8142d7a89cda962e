// The real Ignaro.exe, started and driven from outside as a user would: command
// lines and their notices, the settings dialog, and a visible run's fire view and
// results window.
#include "window_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

namespace {

const std::wstring dialogClass = L"#32770";
const std::wstring helpStart = L"Pomoc na temat programu Ignaro wersja 1.1 (3.III.2001)\n";

// The notice box "Uwaga!" showing text (or text's beginning), then OK pressed.
void expectNoticeAndPressOk(DWORD processId, const std::wstring& text, bool whole = true)
{
    HWND box = waitForWindow(processId, dialogClass, L"Uwaga!");
    ASSERT_NE(box, nullptr) << "no notice appeared";
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)).substr(0, whole ? std::wstring::npos : text.size()), text);
    pressButton(childWithText(box, L"OK"));
    ASSERT_TRUE(waitForWindowGone(box));
}

HWND settingsDialog(DWORD processId) { return waitForWindow(processId, dialogClass, L"Ustawienia"); }

void setText(HWND control, const wchar_t* text) { SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

} // namespace

TEST(IgnaroCommandLine, SixArgumentsAppendOneRowPerTrialOrEndInNoticesShownOnce)
{
    ScratchFolder folder;
    EXPECT_EQ(ChildProcess("IGNARO_EXE", L"50 40 45 3 1 pożar.txt", folder.path).waitForExit(), 0u);
    EXPECT_EQ(ChildProcess("IGNARO_EXE", L"3 3 100 1 5 pożar.txt extra arguments", folder.path).waitForExit(), 0u);
    const auto rows = crlfLines(folder.path / L"pożar.txt");
    EXPECT_TRUE(rows.size() == 4 && rows[0].starts_with("0.45 ") && rows[3] == "1 3 1") << "the second run appends";

    ChildProcess rejected("IGNARO_EXE", L"0 0 500 0 0 f.txt", folder.path);
    expectNoticeAndPressOk(rejected.id(), L"Rozmiar x powinien być większy od zera!");
    expectNoticeAndPressOk(rejected.id(), helpStart, false);
    EXPECT_EQ(rejected.waitForExit(), 0u);

    ChildProcess unwritable("IGNARO_EXE", L"10 10 -97 1 1 missing\\rows.txt", folder.path);
    expectNoticeAndPressOk(unwritable.id(), L"Nie można zapisać wyników do pliku: missing\\rows.txt");
    EXPECT_EQ(unwritable.waitForExit(), 0u) << "one notice for the four series of the sweep";
}

TEST(IgnaroDialog, HelpRejectionAndRunEachBringAFreshDialogBack)
{
    ScratchFolder folder;
    ChildProcess ignaro("IGNARO_EXE", L"1 2 3", folder.path);
    HWND dialog = settingsDialog(ignaro.id());
    ASSERT_NE(dialog, nullptr);
    pressButton(childWithText(dialog, L"Pomoc"));
    expectNoticeAndPressOk(ignaro.id(), helpStart, false);

    ASSERT_NE(dialog = settingsDialog(ignaro.id()), nullptr);
    setText(childWithText(dialog, L"45"), L"150");
    pressButton(childWithText(dialog, L"OK"));
    expectNoticeAndPressOk(ignaro.id(), L"Gęstość powinna być liczbą z zakresu <0,100> albo <-100,0)\n", false);

    ASSERT_NE(dialog = settingsDialog(ignaro.id()), nullptr);
    EXPECT_EQ(childWithText(dialog, L"150"), nullptr) << "the initial values again";
    setText(childWithText(dialog, L"45"), L"50");
    setText(childWithText(dialog, L"1"), L"2");
    setText(childWithText(dialog, L"pozar.txt"), L"wyniki.txt");
    pressButton(childWithText(dialog, L"bez wizualizacji"));
    pressButton(childWithText(dialog, L"OK"));

    ASSERT_NE(dialog = settingsDialog(ignaro.id()), nullptr) << "the dialog comes back after the run";
    const auto rows = crlfLines(folder.path / L"wyniki.txt");
    EXPECT_TRUE(rows.size() == 2 && rows[0].starts_with("0.5 "));
    pressButton(childWithText(dialog, L"Anuluj"));
    EXPECT_EQ(ignaro.waitForExit(), 0u);
}

TEST(IgnaroVisibleRun, FireViewAndResultsWindowWithTheUsersDecimalComma)
{
    wchar_t savedSymbol[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, savedSymbol, 8);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L",");
    ScratchFolder folder;
    ChildProcess ignaro("IGNARO_EXE", L"120 80 45 2 0 rows.txt", folder.path);
    HWND results = waitForWindow(ignaro.id(), dialogClass, L"Efekty pożaru", 60s);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, savedSymbol);
    HWND view = waitForWindow(ignaro.id(), L"IgnaroFireView", L"Ignaro", 5s);
    ASSERT_TRUE(results && view) << "the last fire stays on screen behind the results";

    // The fire view: 120 x 80 client pixels, centred, no title-bar buttons, disabled
    // while the results window is open.
    RECT client, outer = windowRect(view), place = windowRect(results);
    GetClientRect(view, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 120080);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(GetWindowLongPtrW(view, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);
    EXPECT_FALSE(IsWindowEnabled(view));

    // The results window at the top left, sizeable but not minimisable: the header,
    // then one row per trial in per cent.
    EXPECT_EQ(place.left + place.top, 0);
    EXPECT_EQ(GetWindowLongPtrW(results, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX),
              WS_THICKFRAME | WS_MAXIMIZEBOX);
    HWND memo = children(results, L"Edit").at(0);
    const std::wstring text = windowText(memo);
    // Read-only, at its first line, nothing selected; it fills the window as it is sized.
    EXPECT_TRUE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) + SendMessageW(memo, EM_GETSEL, 0, 0), 0);
    SetWindowPos(results, nullptr, 0, 0, 300, 250, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE); // clear of the view
    GetClientRect(results, &client);
    const RECT memoRect = windowRect(memo);
    EXPECT_TRUE(memoRect.right - memoRect.left == client.right && memoRect.bottom - memoRect.top == client.bottom);
    EXPECT_TRUE(text.starts_with(L"Rozmiar lasu: 120 x 80\r\nLiczba prób: 2\r\n"));
    std::wsmatch row;
    ASSERT_TRUE(std::regex_search(text, row, std::wregex(LR"(45%\t\d+\t(\d+)(,(\d+))?%\r\n$)")));
    const double burntFraction = std::stod(row[1].str() + L"." + (row[3].matched ? row[3].str() : L"0")) / 100;

    // The last fire as it ended: white, green and black only, the centre burnt, and
    // as many black pixels as the row says burnt of the 4320 trees.
    const auto pixels = clientPixels(view);
    EXPECT_EQ(std::ranges::count_if(pixels, [](DWORD p) { return p != 0 && p != 0xFFFFFF && p != 0x008000; }), 0);
    EXPECT_EQ(pixels.at(40 * 120 + 60), 0u) << "the centre tree always burns";
    EXPECT_EQ(std::ranges::count(pixels, 0u), std::lround(burntFraction * 4320));

    PostMessageW(results, WM_CLOSE, 0, 0);
    EXPECT_EQ(ignaro.waitForExit(), 0u);
}
