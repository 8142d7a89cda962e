// The About box opened by its command: texts from the version resource and the
// operating-system line read from the running dialog, its fonts, and the three ways
// a user closes it.
#include "vistrel_fixture.h"

#include "about_box.h"
#include "identifiers.h"
#include "os_version_line.h"
#include "window_probe.h"

#include <future>
#include <map>

namespace {

enum class CloseBy { Escape, Enter, CloseBox };

struct SeenDialog {
    std::string caption;
    std::map<int, std::string> texts;
    std::map<int, LONG> fontHeights;
    std::vector<HFONT> fonts;
    bool okHasFocus = false;
    bool logoShown = false;
    bool iconShown = false;
    int dialogsAfterSecondOpen = 0;
    bool closedByUser = false;
};

std::string dialogText(HWND dialog, int control)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, control, text, sizeof text);
    return text;
}

int openDialogs()
{
    int count = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        count += owner == GetCurrentProcessId() && IsWindowVisible(w);
    }
    return count;
}

// Runs on a thread of its own while the dialog's modal loop runs on the test's.
SeenDialog readAndClose(HWND mainWindow, DWORD uiThread, CloseBy way)
{
    SeenDialog seen;
    HWND dialog = waitForWindow(GetCurrentProcessId(), L"#32770", L"", 10s);
    if (!dialog)
        return seen;
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    seen.caption = caption;
    for (int control = IDC_ABOUT_COMPANY; control <= IDC_ABOUT_RUNNING_ON; ++control) {
        seen.texts[control] = dialogText(dialog, control);
        HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, control, WM_GETFONT, 0, 0));
        LOGFONTA logFont{};
        if (font && GetObjectA(font, sizeof logFont, &logFont))
            seen.fontHeights[control] = logFont.lfHeight;
        seen.fonts.push_back(font);
    }
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(uiThread, &gui);
    seen.okHasFocus = gui.hwndFocus == GetDlgItem(dialog, IDOK);
    for (HWND child : childWindows(dialog)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
        if (style == SS_BITMAP) {
            HBITMAP logo = reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            BITMAP b{};
            seen.logoShown = logo && GetObjectA(logo, sizeof b, &b) && b.bmWidth == 60 && b.bmHeight == 25;
        } else if (style == SS_ICON) {
            seen.iconShown = SendMessageA(child, STM_GETICON, 0, 0) != 0;
        }
    }

    // Asked for again while open: the box comes forward, no second one opens. (Were
    // one to open, its modal loop would hold the call: hence the time limit.)
    DWORD_PTR result = 0;
    SendMessageTimeoutA(mainWindow, WM_COMMAND, IDM_ABOUT, 0, SMTO_NORMAL, 2000, &result);
    seen.dialogsAfterSecondOpen = openDialogs();
    for (HWND extra = nullptr; (extra = FindWindowExA(nullptr, extra, "#32770", nullptr));)
        if (extra != dialog && GetWindowThreadProcessId(extra, nullptr) == uiThread)
            PostMessageA(extra, WM_COMMAND, IDOK, 0);

    switch (way) {
    case CloseBy::Escape:
        PostMessageA(gui.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case CloseBy::Enter:
        PostMessageA(gui.hwndFocus, WM_KEYDOWN, VK_RETURN, 0);
        break;
    case CloseBy::CloseBox:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    seen.closedByUser = waitForWindowGone(dialog, 5s);
    if (!seen.closedByUser)
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // so that the test ends either way
    return seen;
}

using AboutBoxTest = VistrelTest;

TEST_F(AboutBoxTest, ShowsTheVersionValuesAndTheSystemAndClosesEachWay)
{
    ASSERT_TRUE(start());
    for (CloseBy way : {CloseBy::Escape, CloseBy::Enter, CloseBy::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        auto watcher = std::async(std::launch::async, readAndClose, window_, GetCurrentThreadId(), way);
        // The modal loop runs inside this call until the box is closed.
        EXPECT_EQ(SendMessageA(window_, WM_COMMAND, IDM_ABOUT, 0), 0);
        const SeenDialog seen = watcher.get();

        EXPECT_EQ(seen.caption, "About Vistrel");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_COMPANY), "Quorix");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_DESCRIPTION), "Vistrel");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_VERSION), "2.0 (23)");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_COPYRIGHT), "Copyright (C) 2025-2026 the Vistrel developers");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_RUNNING_ON), "Running on:");
        EXPECT_EQ(seen.texts.at(IDC_ABOUT_OS_VERSION), osVersionLine(GetVersion()));
        EXPECT_NE(seen.texts.at(IDC_ABOUT_TRADEMARKS).find("low vision"), std::string::npos);
        EXPECT_EQ(seen.fontHeights.at(IDC_ABOUT_TRADEMARKS), 13);
        for (int control : {IDC_ABOUT_COMPANY, IDC_ABOUT_VERSION, IDC_ABOUT_OS_VERSION, IDC_ABOUT_RUNNING_ON})
            EXPECT_EQ(seen.fontHeights.at(control), 14) << control;
        EXPECT_TRUE(seen.okHasFocus);
        EXPECT_TRUE(seen.logoShown);
        EXPECT_TRUE(seen.iconShown);
        EXPECT_EQ(seen.dialogsAfterSecondOpen, 1);
        EXPECT_TRUE(seen.closedByUser);
        // The fonts went with the box.
        for (HFONT font : seen.fonts)
            EXPECT_EQ(GetObjectType(font), 0u);
        EXPECT_TRUE(IsWindowEnabled(window_));
    }
}

} // namespace
