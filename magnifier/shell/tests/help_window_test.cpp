// The help window opened by F1 and by the Help command: one at a time, holding a
// text that speaks of every item of the menu, closed by Escape.
#include "vistrel_fixture.h"

#include <algorithm>

// The texts of a menu's items and its submenus', without their "&" and hotkeys.
std::vector<std::string> menuItemTexts(HMENU menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char name[64] = {};
        GetMenuStringA(menu, i, name, sizeof name, MF_BYPOSITION);
        std::string text(name);
        text = text.substr(0, text.find('\t'));
        std::erase(text, '&');
        if (!text.empty())
            texts.push_back(text);
        if (HMENU sub = GetSubMenu(menu, i))
            std::ranges::copy(menuItemTexts(sub), std::back_inserter(texts));
    }
    return texts;
}

TEST_F(VistrelTest, HelpOpensOneWindowThatDescribesEveryMenuItemAndClosesByEscape)
{
    ASSERT_TRUE(start());
    SendMessageA(window_, WM_HELP, 0, 0);
    HWND help = waitForWindow(GetCurrentProcessId(), L"VistrelHelp", L"Vistrel Help", 5s);
    ASSERT_NE(help, nullptr);
    HWND text = GetWindow(help, GW_CHILD);
    std::wstring wide = windowText(text);
    const std::string shown(wide.begin(), wide.end());  // the text is ASCII
    EXPECT_EQ(shown.substr(0, 14), "VISTREL HELP\r\n") << "lines end as the edit control needs";
    for (const std::string& item : menuItemTexts(settingsMenu()))
        EXPECT_NE(shown.find(item), std::string::npos) << item;
    for (const char* hotKey : {"Alt+F12", "Alt+F11", "F1", "shell:startup", "Software\\Quorix Inc.\\Vistrel"})
        EXPECT_NE(shown.find(hotKey), std::string::npos) << hotKey;
    EXPECT_EQ(GetFocus(), text) << "scrolls by keyboard at once";

    // Asked for again, the same window comes forward.
    SetForegroundWindow(window_);
    command(IDM_HELP);
    EXPECT_EQ(children(nullptr, L"VistrelHelp"), std::vector{help});
    EXPECT_EQ(GetForegroundWindow(), help);
    SendMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(help));
}
