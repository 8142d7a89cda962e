// The main window as start-up prepares it and as the window procedure keeps it:
// menu marks for given settings, the popup menu's commands, the minimum size and
// the answers to hit tests.
#include "vistrel_fixture.h"

#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "view.h"

#include <cstring>

namespace {

using MainWindowTest = VistrelTest;

bool isTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

RECT clientRect(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

TEST_F(MainWindowTest, FirstRunPlacesAShownTopmostWindowWithTheDefaultMarks)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(IsWindowVisible(window_));
    const RECT r = windowRect(window_);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 100);
    EXPECT_EQ(r.bottom, 100);
    EXPECT_TRUE(isTopmost(window_));
    EXPECT_EQ(GetWindowLongA(window_, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // no taskbar button
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "VISTREL", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_NE(windowClass.hIcon, nullptr);

    EXPECT_TRUE(isChecked(IDM_ZOOM_2X));
    EXPECT_FALSE(isChecked(IDM_ZOOM_4X));
    EXPECT_TRUE(isChecked(IDM_CURSOR_CROSSHAIR));
    EXPECT_TRUE(isChecked(IDM_ALWAYS_ON_TOP));
    for (UINT command : {IDM_CURSOR_NONE, IDM_CURSOR_ARROW, IDM_CURSOR_ZERO_SIGHT, IDM_CURSOR_XOR_CROSSHAIR,
                         IDM_HIGH_SAMPLE_RATE, IDM_UPDATE_ALWAYS, IDM_HOTKEYS, IDM_TOOLBAR_MODE})
        EXPECT_FALSE(isChecked(command)) << command;
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Hide");
    EXPECT_EQ(GetMenuDefaultItem(settingsMenu(), FALSE, 0), static_cast<UINT>(IDM_SHOW_HIDE));
    EXPECT_NE(indicatorIcon, nullptr);
    EXPECT_FALSE(hotKeyIsTaken(VK_F12));
}

TEST_F(MainWindowTest, RememberedSettingsSetTheMarksAndTheHotkeys)
{
    // Values unlike those of a missing value (4X, Arrow), so that each one shows.
    writeSettingsValue("ZoomLevel", REG_BINARY, littleEndian({1}));
    writeSettingsValue("CursorType", REG_BINARY, littleEndian({4}));
    writeSettingsValue("HighSampleRate", REG_BINARY, littleEndian({1}));
    writeSettingsValue("UpdateAlways", REG_BINARY, littleEndian({5}));  // any non-zero flag is set
    writeSettingsValue("AllwaysOnTop", REG_BINARY, littleEndian({0}));
    writeSettingsValue("HotKeys", REG_BINARY, littleEndian({1}));
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({120, 80, 320, 230}));
    // Started minimised (or by default): hidden, living in the notification area.
    ASSERT_TRUE(start(SW_SHOWMINNOACTIVE));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Show");
    const RECT r = windowRect(window_);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.bottom, 230);
    EXPECT_FALSE(isTopmost(window_));

    EXPECT_TRUE(isChecked(IDM_ZOOM_2X));
    EXPECT_FALSE(isChecked(IDM_ZOOM_4X));
    EXPECT_TRUE(isChecked(IDM_CURSOR_XOR_CROSSHAIR));
    EXPECT_FALSE(isChecked(IDM_CURSOR_CROSSHAIR));
    EXPECT_TRUE(isChecked(IDM_HIGH_SAMPLE_RATE));
    EXPECT_TRUE(isChecked(IDM_UPDATE_ALWAYS));
    EXPECT_FALSE(isChecked(IDM_ALWAYS_ON_TOP));
    EXPECT_TRUE(isChecked(IDM_HOTKEYS));
    EXPECT_TRUE(hotKeyIsTaken(VK_F12));
    EXPECT_TRUE(hotKeyIsTaken(VK_F11));

    // The hotkeys go with the window.
    destroy();
    EXPECT_FALSE(hotKeyIsTaken(VK_F12));
}

TEST_F(MainWindowTest, MenuCommandsChangeTheSettingsAndTheirMarks)
{
    ASSERT_TRUE(start());
    auto command = [&](UINT id) { return SendMessageA(window_, WM_COMMAND, id, 0); };

    command(IDM_ZOOM_4X);
    EXPECT_EQ(Settings.ZoomLevel, 2);
    EXPECT_TRUE(isChecked(IDM_ZOOM_4X));
    EXPECT_FALSE(isChecked(IDM_ZOOM_2X));
    command(IDM_ZOOM_2X);
    EXPECT_EQ(Settings.ZoomLevel, 1);

    // None and Arrow keep the last Crosshair-type image; a Crosshair type loads its own.
    HICON crosshair = indicatorIcon;
    command(IDM_CURSOR_NONE);
    EXPECT_EQ(Settings.CursorType, 0);
    EXPECT_EQ(indicatorIcon, crosshair);
    command(IDM_CURSOR_ARROW);
    EXPECT_EQ(Settings.CursorType, 1);
    EXPECT_TRUE(isChecked(IDM_CURSOR_ARROW));
    EXPECT_FALSE(isChecked(IDM_CURSOR_NONE));
    EXPECT_EQ(indicatorIcon, crosshair);
    command(IDM_CURSOR_ZERO_SIGHT);
    EXPECT_EQ(Settings.CursorType, 3);
    EXPECT_NE(indicatorIcon, nullptr);
    EXPECT_NE(indicatorIcon, crosshair);

    command(IDM_ALWAYS_ON_TOP);
    EXPECT_EQ(Settings.AllwaysOnTop, 0);
    EXPECT_FALSE(isChecked(IDM_ALWAYS_ON_TOP));
    EXPECT_FALSE(isTopmost(window_));
    command(IDM_ALWAYS_ON_TOP);
    EXPECT_TRUE(isTopmost(window_));

    command(IDM_HIGH_SAMPLE_RATE);
    EXPECT_EQ(Settings.HighSampleRate, 1);
    EXPECT_TRUE(isChecked(IDM_HIGH_SAMPLE_RATE));
    command(IDM_UPDATE_ALWAYS);
    EXPECT_EQ(Settings.UpdateAlways, 1);
    EXPECT_TRUE(isChecked(IDM_UPDATE_ALWAYS));

    command(IDM_HOTKEYS);
    EXPECT_EQ(Settings.HotKeys, 1);
    EXPECT_TRUE(isChecked(IDM_HOTKEYS));
    EXPECT_TRUE(hotKeyIsTaken(VK_F11));
    command(IDM_HOTKEYS);
    EXPECT_EQ(Settings.HotKeys, 0);
    EXPECT_FALSE(hotKeyIsTaken(VK_F11));

    // Docked, "Always on Top" does nothing, not even its mark.
    Settings.AppBarMode = 1;
    command(IDM_ALWAYS_ON_TOP);
    EXPECT_EQ(Settings.AllwaysOnTop, 1);
    EXPECT_TRUE(isChecked(IDM_ALWAYS_ON_TOP));
    Settings.AppBarMode = 0;

    command(IDM_EXIT);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(MainWindowTest, ShowAndHideRewriteTheMenuItem)
{
    ASSERT_TRUE(start());
    SendMessageA(window_, WM_COMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Show");
    SendMessageA(window_, WM_COMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Hide");
    EXPECT_EQ(GetMenuDefaultItem(settingsMenu(), FALSE, 0), static_cast<UINT>(IDM_SHOW_HIDE));
}

// Closes the popup menu once it shows, noting where it showed, or after two seconds
// whatever happened.
RECT popupMenuRect{};
int popupMenuTicks = 0;
void CALLBACK closePopupMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = FindWindowA("#32768", nullptr);
    const bool shown = menu && IsWindowVisible(menu);
    if (shown)
        GetWindowRect(menu, &popupMenuRect);
    if (shown || ++popupMenuTicks > 40)
        EndMenu();
}

TEST_F(MainWindowTest, ARightClickOpensThePopupMenuAtTheClick)
{
    ASSERT_TRUE(start());
    popupMenuRect = {};
    popupMenuTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, closePopupMenu);
    // The menu's own modal loop runs inside this call and dispatches the timer.
    EXPECT_EQ(SendMessageA(window_, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(250, 150)), 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(popupMenuRect.left, 250);
    EXPECT_EQ(popupMenuRect.top, 150);
    EXPECT_GT(popupMenuRect.bottom, popupMenuRect.top);
}

TEST_F(MainWindowTest, TheClientAreaStaysAtLeast20PixelsInEachDimension)
{
    ASSERT_TRUE(start());
    const RECT outer = windowRect(window_), inner = clientRect(window_);
    const int frameWidth = (outer.right - outer.left) - inner.right;
    const int frameHeight = (outer.bottom - outer.top) - inner.bottom;

    SetWindowPos(window_, nullptr, 0, 0, frameWidth + 7, frameHeight + 60, SWP_NOMOVE | SWP_NOZORDER);
    pumpMessages();
    EXPECT_EQ(clientRect(window_).right, 20);
    EXPECT_EQ(clientRect(window_).bottom, 60);

    SetWindowPos(window_, nullptr, 0, 0, frameWidth + 90, frameHeight + 19, SWP_NOMOVE | SWP_NOZORDER);
    pumpMessages();
    EXPECT_EQ(clientRect(window_).right, 90);
    EXPECT_EQ(clientRect(window_).bottom, 20);

    SetWindowPos(window_, nullptr, 0, 0, frameWidth + 20, frameHeight + 20, SWP_NOMOVE | SWP_NOZORDER);
    pumpMessages();
    EXPECT_EQ(clientRect(window_).right, 20);
    EXPECT_EQ(clientRect(window_).bottom, 20);
}

TEST_F(MainWindowTest, HitTestsDragFromTheClientAreaAndLockTheToolbar)
{
    ASSERT_TRUE(start());
    MoveWindow(window_, 200, 150, 160, 120, TRUE);
    pumpMessages();
    auto hit = [&](int x, int y) { return SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(hit(280, 210), HTCAPTION);
    EXPECT_EQ(hit(200, 210), HTLEFT);
    EXPECT_EQ(hit(359, 269), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(100, 100), HTNOWHERE);

    Settings.AppBarMode = 1;
    EXPECT_EQ(hit(280, 210), HTSYSMENU);
    EXPECT_EQ(hit(200, 210), HTSYSMENU);
    Settings.AppBarMode = 0;

    // Commands outside the table go to default processing and change nothing.
    const SettingsRecord before = Settings;
    for (UINT id : {40008u, 65535u, 40000u, 40018u})
        SendMessageA(window_, WM_COMMAND, id, 0);
    EXPECT_EQ(std::memcmp(&Settings, &before, sizeof before), 0);
    EXPECT_TRUE(IsWindowVisible(window_));
}

} // namespace
