// The form toolkit in process: the settings form stands where its layout says, with
// its texts, tab order and font, and ends only through its buttons. (The values it
// keeps, and closing a form, show end to end.)
#include "application.h"
#include "form.h"
#include "window_probe.h"

#include <gtest/gtest.h>

namespace {

// A length on the screen in pixels at 96 DPI, as the layout gives it.
int at96Dpi(int length) { return MulDiv(length, 96, GetDeviceCaps(ScreenDC(), LOGPIXELSY)); }

// "left top width height text" of a control, in its dialog's client area.
std::wstring placeAndText(HWND window)
{
    RECT r = windowRect(window);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    std::wstring line;
    for (LONG length : {r.left, r.top, r.right - r.left, r.bottom - r.top})
        line += std::to_wstring(at96Dpi(length)) + L" ";
    return line + windowText(window);
}

} // namespace

TEST(FormToolkit, SettingsFormLayoutTextsTabOrderAndKeys)
{
    // In tab order (the file name comes after the buttons), then the labels.
    const std::vector<std::pair<const wchar_t*, std::wstring>> layout{
        {L"ed_xsize", L"72 16 121 22 400"},          {L"ed_ysize", L"72 40 121 22 400"},
        {L"ed_gestosc", L"72 64 121 22 45"},         {L"ed_nprob", L"72 88 121 22 1"},
        {L"ch_silence", L"72 136 97 17 bez wizualizacji"}, {L"btn_ok", L"136 160 59 25 OK"},
        {L"btn_anuluj", L"4 160 61 25 Anuluj"},      {L"ed_fn", L"72 112 121 22 pozar.txt"},
        {L"btn_info", L"68 160 61 25 Pomoc"},        {L"lb_xsize", L"8 24 45 14 rozmiar x"},
        {L"lb_ysize", L"8 48 45 14 rozmiar y"},      {L"lb_gestosc", L"8 72 39 14 gęstość"},
        {L"lb_nprob", L"8 96 53 14 liczba prób"},    {L"lb_fn", L"8 120 58 14 nazwa pliku"},
    };
    initApplication();
    Form form(f_config);
    // Shown modally on this thread while another one works it.
    std::thread driver([&] {
        HWND window = pollUntil(5s, [&] { return IsWindowVisible(form.window()) ? form.window() : nullptr; });
        ASSERT_NE(window, nullptr) << "the form did not show";
        RECT client, outer = windowRect(window);
        GetClientRect(window, &client);
        EXPECT_TRUE(at96Dpi(client.right) == 200 && at96Dpi(client.bottom) == 193 && outer.left == 0 && outer.top == 0);
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);
        for (std::size_t i = 0; i < layout.size(); ++i) {
            HWND control = form.componentWindow(layout[i].first);
            EXPECT_EQ(placeAndText(control), layout[i].second);
            EXPECT_TRUE(i >= 9 || GetNextDlgTabItem(window, control, FALSE) == form.componentWindow(layout[(i + 1) % 9].first))
                << "tab order";
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.componentWindow(L"lb_gestosc"), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(at96Dpi(-font.lfHeight), 11) << "8 points";
        // Escape ends nothing; Enter in an edit box presses OK.
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(window));
        PostMessageW(form.componentWindow(L"ed_nprob"), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(form.showModal(), 1);
    driver.join();
}
