// The menu "VISTREL" as the program carries it: the user reads these texts, and the
// window procedure relies on the identifiers and positions.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Item {
    std::string text;  // empty for a separator
    UINT id;           // 0 for a separator or a submenu
};

std::vector<Item> itemsOf(HMENU menu)
{
    std::vector<Item> items;
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        char text[64] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        items.push_back({text, info.hSubMenu ? 0 : info.wID});
    }
    return items;
}

bool operator==(const Item& a, const Item& b)
{
    return a.text == b.text && a.id == b.id;
}

void PrintTo(const Item& item, std::ostream* out)
{
    *out << '"' << item.text << "\" " << item.id;
}

TEST(VistrelResources, TheMenuTreeWithItsTextsAndIdentifiers)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "VISTREL");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemsOf(menu), (std::vector<Item>{{"&File", 65535}, {"&Settings", 0}}));

    HMENU settings = GetSubMenu(menu, 1);
    EXPECT_EQ(itemsOf(settings), (std::vector<Item>{
                                     {"&Hide", 40015}, {"", 0}, {"&2X Zoom", 40003}, {"&4X Zoom", 40004}, {"", 0},
                                     {"&Cursor Indicator", 0}, {"Always &on Top", 40005}, {"&Toolbar Mode", 40006},
                                     {"", 0}, {"High Sample &Rate", 40007}, {"&Update Always", 40014},
                                     {"&Enable Hotkeys", 40016}, {"", 0}, {"Help", 40017},
                                     {"About Vistrel...", 40002}, {"", 0}, {"E&xit", 40001}}));
    EXPECT_EQ(itemsOf(GetSubMenu(settings, 5)),
              (std::vector<Item>{{"&None", 40009}, {"&Arrow", 40010}, {"&Crosshair", 40011}, {"&Zero Sight", 40012},
                                 {"&XORing Crosshair", 40013}}));
    // Only "Always on Top" starts checked; 40008 is no item.
    EXPECT_EQ(GetMenuState(menu, 40008, MF_BYCOMMAND), static_cast<UINT>(-1));
    for (UINT id = 40001; id <= 40017; ++id) {
        if (id == 40008)
            continue;
        EXPECT_EQ((GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0, id == 40005) << id;
    }
    DestroyMenu(menu);
}

TEST(VistrelResources, OnlyTheNamedIconsExist)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    auto iconLoads = [self](LPCSTR name, int size) {
        HANDLE icon = LoadImageA(self, name, IMAGE_ICON, size, size, 0);
        if (icon)
            DestroyIcon(static_cast<HICON>(icon));
        return icon != nullptr;
    };
    for (WORD id : {106, 107, 108})
        EXPECT_TRUE(iconLoads(MAKEINTRESOURCEA(id), 32)) << id;
    EXPECT_TRUE(iconLoads("VISTREL", 16));
    EXPECT_TRUE(iconLoads("VSMALLBW", 0));
    // The lookups the program makes for None, Arrow and the class's small icon find nothing.
    EXPECT_EQ(LoadIconA(self, MAKEINTRESOURCEA(104)), nullptr);
    EXPECT_EQ(LoadIconA(self, MAKEINTRESOURCEA(105)), nullptr);
    EXPECT_EQ(LoadIconA(self, "VSMALL"), nullptr);
    EXPECT_EQ(LoadAcceleratorsA(self, "VISTREL"), nullptr);
}

} // namespace
