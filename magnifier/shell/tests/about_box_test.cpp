// The About box opened by its command: its texts, from the version resource and the
// system, and its fonts read from the running dialog, and the three ways a user closes it.
#include "vistrel_fixture.h"

#include "about_box.h"
#include "os_version_line.h"

#include <future>

namespace {

// Runs on a thread of its own while the dialog's modal loop runs on the test's: the
// caption, each control's text and font height, what shows, then the box closed.
std::string readAndClose(HWND mainWindow, DWORD uiThread, int way, std::vector<HFONT>& fonts)
{
    HWND dialog = waitForWindow(GetCurrentProcessId(), L"#32770", L"", 10s);
    if (!dialog)
        return "no dialog";
    char text[512] = {};
    GetWindowTextA(dialog, text, sizeof text);
    std::string seen = text;
    for (int control = IDC_ABOUT_COMPANY; control <= IDC_ABOUT_RUNNING_ON; ++control) {
        GetDlgItemTextA(dialog, control, text, sizeof text);
        LOGFONTA font{};
        fonts.push_back(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, control, WM_GETFONT, 0, 0)));
        GetObjectA(fonts.back(), sizeof font, &font);
        seen += "|" + std::to_string(font.lfHeight) + " " + (control == IDC_ABOUT_TRADEMARKS ? "..." : text);
    }
    GUITHREADINFO gui{sizeof gui};
    GetGUIThreadInfo(uiThread, &gui);
    seen += gui.hwndFocus == GetDlgItem(dialog, IDOK) ? "|OK focused" : "";
    BITMAP logo{};
    bool icon = false;
    for (HWND child : children(dialog)) {
        GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof logo, &logo);
        icon |= SendMessageA(child, STM_GETIMAGE, IMAGE_ICON, 0) != 0;
    }
    seen += "|logo " + std::to_string(logo.bmWidth) + "x" + std::to_string(logo.bmHeight) + (icon ? "|icon" : "");
    // Asked for again while open, the box comes forward and no second one opens. (Were
    // one to open, its modal loop would hold the call: hence the time limit.)
    DWORD_PTR result = 0;
    SendMessageTimeoutA(mainWindow, WM_COMMAND, IDM_ABOUT, 0, SMTO_NORMAL, 2000, &result);
    for (HWND other : children(nullptr, L"#32770"))
        if (other != dialog && GetWindowThreadProcessId(other, nullptr) == uiThread)
            seen += "|second box", PostMessageA(other, WM_COMMAND, IDOK, 0);
    if (way == 2)
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        PostMessageA(gui.hwndFocus, WM_KEYDOWN, way == 0 ? VK_ESCAPE : VK_RETURN, 0);
    if (!pollUntil(5s, [&] { return !IsWindow(dialog); }))
        seen += "|still open", SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    return seen;
}

TEST_F(VistrelTest, TheAboutBoxShowsTheVersionValuesAndTheSystemAndClosesEachWay)
{
    ASSERT_TRUE(start());
    for (int way : {0, 1, 2}) { // Escape, Enter, the close box
        std::vector<HFONT> fonts;
        auto watcher = std::async(std::launch::async, readAndClose, window_, GetCurrentThreadId(), way, std::ref(fonts));
        EXPECT_EQ(command(IDM_ABOUT), 0); // the modal loop runs inside until the box closes
        EXPECT_EQ(watcher.get(), "About Vistrel|14 Quorix|14 Vistrel|14 2.0 (23)|14 Copyright (C) 2025-2026 the Vistrel "
                                 "developers|14 " + osVersionLine(GetVersion()) + "|13 ...|14 Running on:|OK focused|logo 60x25|icon")
            << way;
        for (HFONT font : fonts)
            EXPECT_EQ(GetObjectType(font), 0u) << "the fonts went with the box";
        EXPECT_TRUE(IsWindowEnabled(window_));
    }
}

} // namespace
