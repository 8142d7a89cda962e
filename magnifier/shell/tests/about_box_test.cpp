// The About box opened by its command: its texts, from the version resource and the
// system, and its fonts read from the running dialog, at 100 % and at 150 %; the box
// closed by Escape and by Enter, and a second command while it is open.
#include "vistrel_fixture.h"

#include "about_box.h"
#include "os_version_line.h"

#include <future>

namespace {

// Runs on a thread of its own while the dialog's modal loop runs on the test's: the
// caption, each control's font height and text, what shows, then the box closed by
// the key sent to the focused control.
std::string readAndClose(HWND mainWindow, DWORD uiThread, WPARAM key, std::vector<HFONT>& fonts)
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
    for (HWND child : children(dialog)) {
        BITMAP logo{};
        if (GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof logo, &logo))
            seen += "|logo " + std::to_string(logo.bmWidth) + "x" + std::to_string(logo.bmHeight);
        seen += SendMessageA(child, STM_GETIMAGE, IMAGE_ICON, 0) ? "|icon" : "";
    }
    // Asked for again while open, the box comes forward and no second one opens. (Were
    // one to open, its modal loop would hold the call: hence the time limit.)
    SendMessageTimeoutA(mainWindow, WM_COMMAND, IDM_ABOUT, 0, SMTO_NORMAL, 2000, nullptr);
    for (HWND other : children(nullptr, L"#32770"))
        if (other != dialog && GetWindowThreadProcessId(other, nullptr) == uiThread)
            seen += "|second box", PostMessageA(other, WM_COMMAND, IDOK, 0);
    PostMessageA(gui.hwndFocus, WM_KEYDOWN, key, 0);
    if (!pollUntil(5s, [&] { return !IsWindow(dialog); }))
        seen += "|still open", SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    return seen;
}

TEST_F(VistrelTest, TheAboutBoxShowsTheVersionValuesAndTheSystemAndClosesByEscapeAndEnter)
{
    // The fonts' heights are given for 96 DPI; a run at another DPI says which.
    const int dpi = std::getenv("VISTREL_DPI") ? std::atoi(std::getenv("VISTREL_DPI")) : 96;
    const std::string large = "|" + std::to_string(MulDiv(14, dpi, 96)) + " ",
                      small = "|" + std::to_string(MulDiv(13, dpi, 96)) + " ";
    ASSERT_TRUE(start());
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        std::vector<HFONT> fonts;
        auto watcher = std::async(std::launch::async, readAndClose, window_, GetCurrentThreadId(), key, std::ref(fonts));
        EXPECT_EQ(command(IDM_ABOUT), 0); // the modal loop runs inside until the box closes
        EXPECT_EQ(watcher.get(), "About Vistrel" + large + "Quorix" + large + "Vistrel" + large + "2.0 (23)" + large +
                                     "Copyright (C) 2025-2026 the Vistrel developers" + large + osVersionLine(GetVersion()) +
                                     small + "..." + large + "Running on:|OK focused|icon|logo 60x25")
            << key;
        for (HFONT font : fonts)
            EXPECT_EQ(GetObjectType(font), 0u) << "the fonts went with the box";
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
