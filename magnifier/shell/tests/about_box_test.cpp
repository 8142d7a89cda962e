// The About box opened by its command: its texts, from the version resource and the
// system, and its fonts read from the running dialog, at 100 % and at 150 %, and the
// three ways a user closes it.
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
    // The fonts' heights are given for 96 DPI; a run at another DPI says which.
    const int dpi = std::getenv("VISTREL_DPI") ? std::atoi(std::getenv("VISTREL_DPI")) : 96;
    const std::string large = "|" + std::to_string(MulDiv(14, dpi, 96)) + " ",
                      small = "|" + std::to_string(MulDiv(13, dpi, 96)) + " ";
    ASSERT_TRUE(start());
    for (int way : {0, 1, 2}) { // Escape, Enter, the close box
        std::vector<HFONT> fonts;
        auto watcher = std::async(std::launch::async, readAndClose, window_, GetCurrentThreadId(), way, std::ref(fonts));
        EXPECT_EQ(command(IDM_ABOUT), 0); // the modal loop runs inside until the box closes
        EXPECT_EQ(watcher.get(), "About Vistrel" + large + "Quorix" + large + "Vistrel" + large + "2.0 (23)" + large +
                                     "Copyright (C) 2025-2026 the Vistrel developers" + large + osVersionLine(GetVersion()) +
                                     small + "..." + large + "Running on:|OK focused|logo 60x25|icon")
            << way;
        for (HFONT font : fonts)
            EXPECT_EQ(GetObjectType(font), 0u) << "the fonts went with the box";
        EXPECT_TRUE(IsWindowEnabled(window_));
    }
}

// The system's DPI is read once per process: the test above again, in a process
// started at 150 %.
TEST(AboutBoxAt150Percent, HasFontsAsLargeAsItsDialog)
{
    ASSERT_TRUE(writeRegistryValue("Control Panel\\Desktop", "LogPixels", littleEndian({144}), REG_DWORD));
    SetEnvironmentVariableA("VISTREL_DPI", "144");
    ChildProcess tests("VISTREL_TESTS", L"--gtest_filter=VistrelTest.TheAboutBox*");
    EXPECT_EQ(tests.waitForExit(60s), 0u);
    SetEnvironmentVariableA("VISTREL_DPI", nullptr);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels");
}

} // namespace
