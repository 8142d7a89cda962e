// The help window opened by F1 and by the Help command: one at a time, holding a
// text that speaks of every item of the menu, closed by Escape and by the program's end.
#include "vistrel_fixture.h"

TEST_F(VistrelTest, HelpOpensOneWindowThatDescribesEveryMenuItemAndClosesByEscape)
{
    ASSERT_TRUE(start());
    SendMessageA(window_, WM_HELP, 0, 0);
    HWND help = waitForWindow(GetCurrentProcessId(), L"VistrelHelp", L"Vistrel Help", 5s);
    const HWND text = GetWindow(help, GW_CHILD);
    const std::wstring shown = windowText(text);
    EXPECT_EQ(shown.substr(0, 14), L"VISTREL HELP\r\n") << "lines end as the edit control needs";
    for (UINT id = IDM_EXIT; id < IDM_FOLLOW_FOCUS + 10; ++id) {  // every item named, without "&" and hotkey
        wchar_t name[64] = {};
        std::wstring item(name, GetMenuStringW(settingsMenu(), id, name, 64, MF_BYCOMMAND) ? wcscspn(name, L"\t") : 0);
        std::erase(item, L'&');
        EXPECT_NE(shown.find(item), std::wstring::npos) << id;
    }
    EXPECT_EQ(GetFocus(), text) << "scrolls by keyboard at once";
    // Asked for again, the same window comes forward.
    SetForegroundWindow(window_), command(IDM_HELP);
    EXPECT_TRUE(children(nullptr, L"VistrelHelp") == std::vector{help} && GetForegroundWindow() == help);
    SendMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(help));
    command(IDM_HELP);
    destroy();  // the program ends with its help open
    EXPECT_TRUE(children(nullptr, L"VistrelHelp").empty());
}
