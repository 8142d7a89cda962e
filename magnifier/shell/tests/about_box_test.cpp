// The About box opened by its command: its texts, from the version resource and the
// system, and its fonts read from the running dialog, at 100 % and at 150 %; the box
// closed by Escape and by Enter, and a second command while it is open.
#include "vistrel_fixture.h"

#include "about_box.h"
#include "os_version_line.h"

#include <fstream>
#include <future>

// Runs on a thread of its own while the dialog's modal loop runs on the test's: the
// caption, each control's font height (as at 96 DPI) and text, then the
// box closed by the key, which the dialog's loop turns into a command as it does a
// user's.
std::string readAndClose(HWND mainWindow, WPARAM key, int dpi, std::vector<HFONT>& fonts)
{
    HWND dialog = waitForWindow(GetCurrentProcessId(), L"#32770", L"", 10s);
    if (!dialog)
        return "no dialog";
    std::wstring seen = windowText(dialog);
    for (int control = IDC_ABOUT_COMPANY; control <= IDC_ABOUT_RUNNING_ON; ++control) {
        LOGFONTA font{};
        fonts.push_back(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, control, WM_GETFONT, 0, 0)));
        GetObjectA(fonts.back(), sizeof font, &font);
        seen += L"|" + std::to_wstring(MulDiv(font.lfHeight, 96, dpi)) + L" " +
                (control == IDC_ABOUT_TRADEMARKS ? L"..." : windowText(GetDlgItem(dialog, control)));
    }
    // Asked for again while open, the box comes forward and no second one opens. (Were
    // one to open, its modal loop would hold the call: hence the time limit.)
    SendMessageTimeoutA(mainWindow, WM_COMMAND, IDM_ABOUT, 0, SMTO_NORMAL, 2000, nullptr);
    for (HWND other : children(nullptr, L"#32770"))
        if (other != dialog)
            seen += L"|second box", PostMessageA(other, WM_COMMAND, IDOK, 0);
    PostMessageA(dialog, WM_KEYDOWN, key, 0);
    if (!pollUntil(5s, [&] { return !IsWindow(dialog); }))
        seen += L"|still open", SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    return std::string(seen.begin(), seen.end()); // the texts are ASCII
}

TEST_F(VistrelTest, TheAboutBoxShowsTheVersionValuesAndTheSystemAndClosesByEscapeAndEnter)
{
    // A run at another DPI than 96 says which.
    const int dpi = std::getenv("VISTREL_DPI") ? std::atoi(std::getenv("VISTREL_DPI")) : 96;
    ASSERT_TRUE(start());
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        std::vector<HFONT> fonts;
        auto watcher = std::async(std::launch::async, readAndClose, window_, key, dpi, std::ref(fonts));
        EXPECT_EQ(command(IDM_ABOUT), 0); // the modal loop runs inside until the box closes
        EXPECT_EQ(watcher.get(), "About Vistrel|14 Quorix|14 Vistrel|14 2.0 (23)|14 Copyright (C) 2025-2026 the Vistrel "
                                 "developers|14 " + osVersionLine(GetVersion()) + "|13 ...|14 Running on:")
            << key;
        for (HFONT font : fonts)
            EXPECT_EQ(GetObjectType(font), 0u) << "the fonts went with the box";
    }
}

// The system's DPI is read once per process: the test above again, in a process
// started at 150 %.
TEST(AboutBoxAt150Percent, HasFontsAsLargeAsItsDialog)
{
    const DWORD dpi = 144;
    ASSERT_FALSE(RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi));
    SetEnvironmentVariableA("VISTREL_DPI", "144");
    // The child's report proves that its filter found the test and that it passed.
    ScratchFolder folder;
    ChildProcess tests("VISTREL_TESTS", L"--gtest_filter=VistrelTest.TheAboutBox* --gtest_output=xml:\"" +
                                            (folder.path / "report.xml").wstring() + L"\"");
    EXPECT_EQ(tests.waitForExit(60s), 0u);
    const std::string report = (std::ostringstream() << std::ifstream(folder.path / "report.xml").rdbuf()).str();
    EXPECT_NE(report.find(R"(<testsuites tests="1" failures="0" disabled="0" errors="0")"), report.npos) << report;
    SetEnvironmentVariableA("VISTREL_DPI", nullptr);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels");
}
