// A visible run of the real Ignaro.exe: the fire view's window and pixels, and the
// results window's text with the Polish decimal comma.
#include "window_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace {

std::filesystem::path ignaroProgram() { return windowsPath(std::getenv("IGNARO_EXE")); }

// The user's decimal symbol set to a comma, as on a Polish system, for this
// test's prefix; the old symbol comes back at the end.
class DecimalSymbol {
public:
    explicit DecimalSymbol(const wchar_t* symbol)
    {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol);
    }
    ~DecimalSymbol() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }

private:
    wchar_t saved_[8] = L".";
};

constexpr DWORD white = 0xFFFFFF, green = 0x008000, black = 0x000000;

} // namespace

TEST(IgnaroVisibleRun, FireViewAndResultsWindow)
{
    DecimalSymbol comma(L",");
    ScratchFolder folder(L"ignaro-visible");
    ChildProcess ignaro(ignaroProgram(), L"120 80 45 2 0 rows.txt", folder.path());

    HWND results = waitForWindow(ignaro.id(), L"#32770", L"Efekty pożaru", 60s);
    ASSERT_NE(results, nullptr);
    HWND view = waitForWindow(ignaro.id(), L"IgnaroFireView", L"Ignaro", 5s);
    ASSERT_NE(view, nullptr) << "the last fire stays on screen behind the results";

    // The fire view: 120 x 80 client pixels, centred, no title-bar buttons.
    RECT client, outer;
    GetClientRect(view, &client);
    GetWindowRect(view, &outer);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    auto style = GetWindowLongPtrW(view, GWL_STYLE);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME), 0);
    EXPECT_FALSE(IsWindowEnabled(view)) << "the results window is modal to the whole program";

    // The results window: header, then one row per trial in per cent.
    HWND memo = childOfClass(results, L"Edit");
    ASSERT_NE(memo, nullptr);
    auto text = crlfLines(windowText(memo));
    ASSERT_EQ(text.size(), 11u);
    EXPECT_EQ(text[0], L"Rozmiar lasu: 120 x 80");
    EXPECT_EQ(text[1], L"Liczba prób: 2");
    EXPECT_EQ(text[7], L"1\t2\t3");
    std::wregex row(LR"(45%\t(\d+)\t(\d+(,\d+)?)%)");
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(text[10], match, row)) << text[10];
    std::wstring percent = match[2];
    EXPECT_EQ(percent.find(L'.'), std::wstring::npos);
    for (wchar_t& c : percent)
        if (c == L',')
            c = L'.';
    double burntFraction = std::wcstod(percent.c_str(), nullptr) / 100;

    // The last fire as it ended: white, green and black only, the centre burnt, and
    // as many black pixels as the row says burnt of the 4320 trees.
    int width = 0, height = 0;
    auto pixels = clientPixels(view, width, height);
    ASSERT_EQ(pixels.size(), 120u * 80u);
    std::size_t blacks = 0, others = 0;
    for (DWORD pixel : pixels) {
        blacks += pixel == black;
        others += pixel != black && pixel != white && pixel != green;
    }
    EXPECT_EQ(others, 0u) << "no red or other colour left";
    EXPECT_EQ(pixels[40 * 120 + 60], black) << "the centre tree always burns";
    EXPECT_EQ(static_cast<double>(blacks), std::round(burntFraction * 4320));

    // The results window sits at the top left, resizes, and its text follows.
    RECT place;
    GetWindowRect(results, &place);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    auto resultsStyle = GetWindowLongPtrW(results, GWL_STYLE);
    EXPECT_NE(resultsStyle & WS_THICKFRAME, 0);
    EXPECT_NE(resultsStyle & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(resultsStyle & WS_MINIMIZEBOX, 0);
    SetWindowPos(results, nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT resultsClient, memoRect;
    GetClientRect(results, &resultsClient);
    GetWindowRect(memo, &memoRect);
    EXPECT_EQ(memoRect.right - memoRect.left, resultsClient.right);
    EXPECT_EQ(memoRect.bottom - memoRect.top, resultsClient.bottom);

    PostMessageW(results, WM_CLOSE, 0, 0);
    EXPECT_EQ(ignaro.waitForExit(), 0u);
    std::string file = readFile(folder.path() / L"rows.txt");
    std::istringstream rows(file);
    std::string density, fireTime, fraction;
    rows >> density >> fireTime >> fraction >> density >> fireTime >> fraction;
    EXPECT_EQ(density, "0.45");
    EXPECT_EQ(std::wstring(fireTime.begin(), fireTime.end()), match[1].str()) << "the file and the window agree";
}
