// The form toolkit in process: a form built from its definition stands where the
// definition says, is tabbed in its order, and ends only the way it should.
#include "application.h"
#include "form.h"
#include "gdi_handles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

using namespace std::chrono_literals;

namespace {

void ensureApplication()
{
    static bool done = (initApplication(), true);
    (void)done;
}

// Shows the form modally on this thread while `drive` works it from another one.
int showDriven(Form& form, std::function<void(HWND)> drive)
{
    std::atomic<bool> finished = false;
    std::thread driver([&] {
        HWND window = nullptr;
        // Built once the dialog shows itself, after its initialisation.
        for (int i = 0; i < 500 && !((window = form.window()) && IsWindowVisible(window)); ++i)
            std::this_thread::sleep_for(10ms);
        if (window)
            drive(window);
        finished = true;
    });
    int result = form.showModal();
    driver.join();
    EXPECT_TRUE(finished);
    return result;
}

int systemDpi()
{
    ScreenDC screen;
    return GetDeviceCaps(screen, LOGPIXELSY);
}

RECT clientRectOf(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST(FormToolkit, SettingsFormLayoutTabOrderAndFonts)
{
    ensureApplication();
    Form form(f_config);
    int dpi = systemDpi();
    int result = showDriven(form, [&](HWND window) {
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, scaleToDpi(200, dpi));
        EXPECT_EQ(client.bottom, scaleToDpi(193, dpi));
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.left, 0);
        EXPECT_EQ(outer.top, 0);

        for (const ComponentDefinition& component : f_config.components) {
            RECT rect = clientRectOf(form.componentWindow(component.name));
            EXPECT_EQ(rect.left, scaleToDpi(component.left, dpi));
            EXPECT_EQ(rect.top, scaleToDpi(component.top, dpi));
            EXPECT_EQ(rect.right - rect.left, scaleToDpi(component.width, dpi));
            EXPECT_EQ(rect.bottom - rect.top, scaleToDpi(component.height, dpi));
        }

        // Tab order: the four edit boxes, the check box, OK, Anuluj, the file name, Pomoc.
        const wchar_t* order[] = {L"ed_xsize", L"ed_ysize", L"ed_gestosc", L"ed_nprob", L"ch_silence",
                                  L"btn_ok",   L"btn_anuluj", L"ed_fn",    L"btn_info", L"ed_xsize"};
        HWND control = form.componentWindow(order[0]);
        for (std::size_t i = 1; i < std::size(order); ++i) {
            control = GetNextDlgTabItem(window, control, FALSE);
            EXPECT_EQ(control, form.componentWindow(order[i])) << i;
        }

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.componentWindow(L"lb_gestosc"), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(font.lfHeight, -MulDiv(8, dpi, 72));

        // Escape ends nothing: there is no cancel button.
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(window));
        SendMessageW(form.componentWindow(L"ed_xsize"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"77"));
        SendMessageW(form.componentWindow(L"ch_silence"), BM_CLICK, 0, 0);
        // Enter in an edit box presses the default button, OK.
        PostMessageW(form.componentWindow(L"ed_nprob"), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(form.text(L"ed_xsize"), L"77");
    EXPECT_TRUE(form.checked(L"ch_silence"));
    EXPECT_EQ(form.text(L"ed_fn"), L"pozar.txt");
}

TEST(FormToolkit, ClosingTheFormAnotherWayGivesTheClosedResult)
{
    ensureApplication();
    Form form(f_config);
    int result = showDriven(form, [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); });
    EXPECT_EQ(result, closedResult);
}

TEST(FormToolkit, ResultsFormOpensAtItsFirstLineAndFollowsResizing)
{
    ensureApplication();
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
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        EXPECT_NE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY, 0);

        SetWindowPos(window, nullptr, 0, 0, 600, 500, SWP_NOZORDER | SWP_NOMOVE);
        RECT client, memoRect;
        GetClientRect(window, &client);
        GetClientRect(memo, &memoRect);
        RECT memoOuter = clientRectOf(memo);
        EXPECT_EQ(memoOuter.right - memoOuter.left, client.right);
        EXPECT_EQ(memoOuter.bottom - memoOuter.top, client.bottom);
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
}
