// The form toolkit in process: the settings form stands where its layout says, with
// its texts, tab order and font, and ends only the way it should; the results form
// follows its window.
#include "application.h"
#include "form.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Shows the form modally on this thread while `drive` works it from another one.
int showDriven(Form& form, std::function<void(HWND)> drive)
{
    static bool initialised = (initApplication(), true);
    (void)initialised;
    std::thread driver([&] {
        HWND window = nullptr;
        for (int i = 0; i < 500 && !((window = form.window()) && IsWindowVisible(window)); ++i)
            std::this_thread::sleep_for(10ms);
        if (window)
            drive(window);
        else
            ADD_FAILURE() << "the form did not show";
    });
    int result = form.showModal();
    driver.join();
    return result;
}

RECT placeInParent(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST(FormToolkit, SettingsFormLayoutTextsTabOrderAndKeys)
{
    struct Component {
        const wchar_t* name;
        int left, top, width, height;
        const wchar_t* text;
    };
    const Component layout[] = {
        {L"lb_xsize", 8, 24, 45, 14, L"rozmiar x"},         {L"lb_ysize", 8, 48, 45, 14, L"rozmiar y"},
        {L"lb_gestosc", 8, 72, 39, 14, L"gęstość"},         {L"lb_nprob", 8, 96, 53, 14, L"liczba prób"},
        {L"lb_fn", 8, 120, 58, 14, L"nazwa pliku"},         {L"ed_xsize", 72, 16, 121, 22, L"400"},
        {L"ed_ysize", 72, 40, 121, 22, L"400"},             {L"ed_gestosc", 72, 64, 121, 22, L"45"},
        {L"ed_nprob", 72, 88, 121, 22, L"1"},               {L"ch_silence", 72, 136, 97, 17, L"bez wizualizacji"},
        {L"btn_ok", 136, 160, 59, 25, L"OK"},               {L"btn_anuluj", 4, 160, 61, 25, L"Anuluj"},
        {L"ed_fn", 72, 112, 121, 22, L"pozar.txt"},         {L"btn_info", 68, 160, 61, 25, L"Pomoc"},
    };
    Form form(f_config);
    const int result = showDriven(form, [&](HWND window) {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        auto scaled = [dpi](int length) { return MulDiv(length, dpi, 96); };
        wchar_t caption[32] = {};
        GetWindowTextW(window, caption, 32);
        EXPECT_STREQ(caption, L"Ustawienia");
        RECT client, outer;
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        EXPECT_EQ(client.right, scaled(200));
        EXPECT_EQ(client.bottom, scaled(193));
        EXPECT_EQ(outer.left, 0);
        EXPECT_EQ(outer.top, 0);
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);
        for (const Component& c : layout) {
            SCOPED_TRACE(testing::Message() << std::string(c.name, c.name + wcslen(c.name)));
            HWND control = form.componentWindow(c.name);
            const RECT place = placeInParent(control);
            EXPECT_EQ(place.left, scaled(c.left));
            EXPECT_EQ(place.top, scaled(c.top));
            EXPECT_EQ(place.right - place.left, scaled(c.width));
            EXPECT_EQ(place.bottom - place.top, scaled(c.height));
            wchar_t text[32] = {};
            GetWindowTextW(control, text, 32);
            EXPECT_STREQ(text, c.text);
        }
        // The file name comes after the buttons.
        const wchar_t* order[] = {L"ed_xsize", L"ed_ysize", L"ed_gestosc", L"ed_nprob", L"ch_silence",
                                  L"btn_ok",   L"btn_anuluj", L"ed_fn",    L"btn_info", L"ed_xsize"};
        for (std::size_t i = 1; i < std::size(order); ++i)
            EXPECT_EQ(GetNextDlgTabItem(window, form.componentWindow(order[i - 1]), FALSE),
                      form.componentWindow(order[i]))
                << i;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.componentWindow(L"lb_gestosc"), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(font.lfHeight, -MulDiv(8, dpi, 72));

        // Escape ends nothing; Enter in an edit box presses OK.
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(window));
        SendMessageW(form.componentWindow(L"ed_xsize"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"77"));
        SendMessageW(form.componentWindow(L"ch_silence"), BM_CLICK, 0, 0);
        PostMessageW(form.componentWindow(L"ed_nprob"), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(form.text(L"ed_xsize"), L"77");
    EXPECT_TRUE(form.checked(L"ch_silence"));

    Form closed(f_config);
    EXPECT_EQ(showDriven(closed, [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }), closedResult);
}

TEST(FormToolkit, ResultsFormOpensAtItsFirstLineAndFollowsResizing)
{
    Form form(f_wyniki);
    std::wstring text;
    for (int i = 0; i < 200; ++i)
        text += L"wiersz " + std::to_wstring(i) + L"\r\n";
    form.setText(L"memo", text);
    showDriven(form, [&](HWND window) {
        HWND memo = form.componentWindow(L"memo");
        EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        DWORD start = 1, end = 1;
        SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start + end, 0u) << "nothing selected";
        EXPECT_NE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY, 0);
        SetWindowPos(window, nullptr, 0, 0, 600, 500, SWP_NOZORDER | SWP_NOMOVE);
        RECT client;
        GetClientRect(window, &client);
        const RECT place = placeInParent(memo);
        EXPECT_EQ(place.right - place.left, client.right);
        EXPECT_EQ(place.bottom - place.top, client.bottom);
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
}
