// The main window as start-up prepares it and as the window procedure keeps it: the
// menu the program carries, the window, marks and timer for given settings, the
// commands, the minimum size, hit tests and the popup menu; one instance per desktop.
#include "vistrel_fixture.h"

#include "commands.h"
#include "tray_icon.h"
#include "single_instance.h"

#include <future>
#include <regex>

// The menu tree as text: items "text=id", a separator "-", a submenu in brackets.
std::string menuText(HMENU menu)
{
    std::string text;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char name[64] = {};
        GetMenuStringA(menu, i, name, sizeof name, MF_BYPOSITION);
        const HMENU sub = GetSubMenu(menu, i);
        text += (i ? "," : "") + std::string(name) +
                (sub ? "[" + menuText(sub) + "]" : *name ? "=" + std::to_string(GetMenuItemID(menu, i)) : "-");
    }
    return text;
}

// The view timer's period in milliseconds, measured over four ticks.
int timerPeriod(HWND window)
{
    std::vector<DWORD> ticks;
    for (const DWORD deadline = GetTickCount() + 3000; ticks.size() < 5 && GetTickCount() < deadline; Sleep(1))
        for (MSG m; PeekMessageA(&m, window, WM_TIMER, WM_TIMER, PM_REMOVE);)
            ticks.insert(ticks.end(), m.wParam == VIEW_TIMER_ID, GetTickCount());
    return ticks.size() < 5 ? 0 : static_cast<int>(ticks[4] - ticks[0]) / 4;
}

using MainWindowTest = VistrelTest;

TEST_F(MainWindowTest, StartUpLoadsTheMenuAndPlacesShowsMarksAndTimesTheWindowFromTheSettings)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(menuText(program.mainMenu.get()),
              "&File=65535,&Settings[&Hide=40015,-,Zoom &In\tCtrl+Alt+Page Up=40018,Zoom &Out\tCtrl+Alt+Page Down=40019,"
              "&2X Zoom=40003,&3X Zoom=40020,&4X Zoom=40004,&6X Zoom=40021,&8X Zoom=40022,12X Zoom=40023,"
              "16X Zoom=40024,&Invert Colors\tCtrl+Alt+Insert=40025,-,&Cursor Indicator[&None=40009,"
              "&Arrow=40010,&Crosshair=40011,&Zero Sight=40012,&XORing Crosshair=40013],Always &on Top=40005,"
              "&Toolbar Mode=40006,Follow Keyboard &Focus=40030,Follow &Text Cursor=40031,-,High Sample &Rate=40007,"
              "&Update Always=40014,&Enable Hotkeys=40016,-,Help=40017,About Vistrel...=40002,-,E&xit=40001]");
    EXPECT_EQ(state(), "shown top 0,0,100,100 [&2X Zoom] [Always &on Top] [&Crosshair] [&Hide] | bar 0 top 1 keys 0 "
                       "always 0 fast 0 cursor 2 zoom 2/1 invert 0 at 0,0,100,100");
    EXPECT_EQ(GetWindowLongA(window_, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_NEAR(timerPeriod(window_), 200, 40);
    destroy();
    // Values unlike those of a missing value (4X, Arrow), so that each one shows; any
    // non-zero flag is set. Started minimised (or by default): hidden, in the tray only.
    for (auto [name, value] : {std::pair{"ZoomLevel", 1}, {"ZoomFactor", 3}, {"CursorType", 4}, {"HighSampleRate", 1},
                               {"UpdateAlways", 5}, {"AllwaysOnTop", 0}, {"HotKeys", 1}, {"InvertColors", 1}})
        writeSettingsValue(name, littleEndian({value}));
    writeSettingsValue("WindowPosition", littleEndian({120, 80, 320, 230}));
    ASSERT_TRUE(start(SW_SHOWMINNOACTIVE));
    EXPECT_EQ(state(), "hidden 120,80,320,230 [High Sample &Rate] [&XORing Crosshair] [&Update Always] [&Show] "
                       "[&Enable Hotkeys] [&3X Zoom] [&Invert Colors\tCtrl+Alt+Insert] F11 F12 | bar 0 top 0 keys 1 "
                       "always 1 fast 1 cursor 4 zoom 3/1 invert 1 at 120,80,320,230");
    EXPECT_NEAR(timerPeriod(window_), 50, 20);
}

TEST_F(MainWindowTest, MenuCommandsChangeTheSettingsTheirMarksAndTheTimer)
{
    ASSERT_TRUE(start());
    // Another program holds Alt+F11: HotKeys still follows the user's choice, and
    // that key is never touched.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x4322, MOD_ALT, VK_F11));
    for (UINT id : {IDM_ZOOM_4X, IDM_CURSOR_ARROW, IDM_ALWAYS_ON_TOP, IDM_UPDATE_ALWAYS, IDM_HOTKEYS, IDM_SHOW_HIDE,
                    IDM_HIGH_SAMPLE_RATE})
        command(id);
    EXPECT_EQ(state(), "hidden 0,0,100,100 [&4X Zoom] [High Sample &Rate] [&Arrow] [&Update Always] [&Show] "
                       "[&Enable Hotkeys] F11 F12 | bar 0 top 0 keys 1 always 1 fast 1 cursor 1 zoom 4/2 invert 0 at 0,0,100,100");
    EXPECT_NEAR(timerPeriod(window_), 50, 20);
    for (UINT id : {IDM_ZOOM_2X, IDM_CURSOR_ZERO_SIGHT, IDM_ALWAYS_ON_TOP, IDM_UPDATE_ALWAYS, IDM_HOTKEYS,
                    IDM_SHOW_HIDE, IDM_HIGH_SAMPLE_RATE})
        command(id);
    EXPECT_EQ(state(), "shown top 0,0,100,100 [&2X Zoom] [Always &on Top] [&Zero Sight] [&Hide] F11 | bar 0 top 1 "
                       "keys 0 always 0 fast 0 cursor 3 zoom 2/1 invert 0 at 0,0,100,100");
    UnregisterHotKey(nullptr, 0x4322);
    EXPECT_NEAR(timerPeriod(window_), 200, 40);
    EXPECT_EQ(GetMenuDefaultItem(settingsMenu(), FALSE, 0), static_cast<UINT>(IDM_SHOW_HIDE));
    // Docked, "Always on Top" does nothing, not even its mark; identifiers that are no
    // command are left to default processing.
    program.settings.AppBarMode = 1;
    const std::string docked = state();
    command(IDM_ALWAYS_ON_TOP);
    for (UINT id : {40008u, 65535u, 40000u, 40026u})
        EXPECT_FALSE(runMenuCommand(window_, id)) << id;
    EXPECT_EQ(state(), docked);
}

// The balloons shown at the tray icon, as "title: text; ".
std::string balloons;
BOOL WINAPI recordBalloons(DWORD message, PNOTIFYICONDATAA data)
{
    balloons += data->uFlags & NIF_INFO ? std::string(data->szInfoTitle) + ": " + data->szInfo + "; " : "";
    return Shell_NotifyIconA(message, data);
}

TEST_F(MainWindowTest, ZoomAndColoursByTheirItemsCtrlWheelNotchesAndHotkeysSavedWhenTheSessionEnds)
{
    ASSERT_TRUE(start());
    const std::regex zoomAndColourMarks(R"(\[[^\]]*(X Zoom|Invert)[^\]]*\] )");
    // Messages to the window, and the marks and the zoom and colours in memory after.
    const std::tuple<UINT, WPARAM, const char*> steps[] = {
        {WM_COMMAND, IDM_ZOOM_16X, "[16X Zoom] | zoom 16/2 invert 0"},
        {WM_COMMAND, IDM_ZOOM_IN, "[16X Zoom] | zoom 16/2 invert 0"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-WHEEL_DELTA)), "[12X Zoom] | zoom 12/2 invert 0"},
        // Half notches add up; without Ctrl the wheel does not zoom.
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-WHEEL_DELTA / 2)), "[12X Zoom] | zoom 12/2 invert 0"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-WHEEL_DELTA / 2)), "[&8X Zoom] | zoom 8/2 invert 0"},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), "[&8X Zoom] | zoom 8/2 invert 0"},
        {WM_HOTKEY, HOTKEY_ZOOM_OUT, "[&6X Zoom] | zoom 6/2 invert 0"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-3 * WHEEL_DELTA)), "[&2X Zoom] | zoom 2/1 invert 0"},
        {WM_COMMAND, IDM_ZOOM_OUT, "[&2X Zoom] | zoom 2/1 invert 0"},
        {WM_HOTKEY, HOTKEY_INVERT, "[&2X Zoom] [&Invert Colors\tCtrl+Alt+Insert] | zoom 2/1 invert 1"},
        {WM_HOTKEY, HOTKEY_ZOOM_IN, "[&3X Zoom] [&Invert Colors\tCtrl+Alt+Insert] | zoom 3/1 invert 1"},
        // A session that goes on saves nothing; its end saves as Exit does.
        {WM_ENDSESSION, FALSE, "[&3X Zoom] [&Invert Colors\tCtrl+Alt+Insert] | zoom 3/1 invert 1"},
    };
    for (const auto& [message, wParam, expected] : steps) {
        SendMessageA(window_, message, wParam, 0);
        std::string s = state(), seen;
        for (std::sregex_iterator mark(s.begin(), s.end(), zoomAndColourMarks), end; mark != end; ++mark)
            seen += mark->str();
        EXPECT_EQ(seen + "| " + s.substr(s.find("zoom"), s.find(" at") - s.find("zoom")), expected);
        EXPECT_TRUE(readBinaryValue(settingsKeyPath, "ZoomFactor").empty());
    }
    SendMessageA(window_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    for (auto [name, value] : {std::pair{"ZoomFactor", 3}, {"ZoomLevel", 1}, {"InvertColors", 1}})
        EXPECT_EQ(readBinaryValue(settingsKeyPath, name), littleEndian({value})) << name;
}

TEST_F(MainWindowTest, HotkeysAnotherProgramHoldsAreNamedOnceAndTakenWhenFree)
{
    shellNotifyIcon = recordBalloons;
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_INSERT) &&
                RegisterHotKey(nullptr, 2, MOD_ALT, VK_F11));
    ASSERT_TRUE(start());
    command(IDM_HOTKEYS);
    SendMessageA(window_, WM_TIMER, HOTKEY_RETRY_TIMER_ID, 0);
    EXPECT_EQ(std::exchange(balloons, ""), "Vistrel: hotkeys in use: Another program holds Alt+F11, Ctrl+Alt+Insert. "
                                           "Vistrel takes them as soon as they are free.; ");
    // Let go, they are Vistrel's at the next retry, and nothing more is said.
    UnregisterHotKey(nullptr, 1), UnregisterHotKey(nullptr, 2);
    SendMessageA(window_, WM_TIMER, HOTKEY_RETRY_TIMER_ID, 0);
    EXPECT_TRUE(!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_INSERT) && hotKeyIsTaken(VK_F11) && balloons.empty());
}

TEST_F(MainWindowTest, DragResizeMinimumHitTestsAndThePopupMenu)
{
    ASSERT_TRUE(start());
    MoveWindow(window_, 200, 150, 160, 120, TRUE);
    auto hit = [&](int x, int y) { return SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_TRUE(hit(280, 210) == HTCAPTION && hit(200, 210) == HTLEFT);
    program.settings.AppBarMode = 1;
    EXPECT_TRUE(hit(280, 210) == HTSYSMENU && hit(200, 210) == HTSYSMENU) << "docked, held in place";
    // The client area stays at least 20 pixels each way.
    RECT client{};
    GetClientRect(window_, &client);
    const SIZE frame{160 - client.right, 120 - client.bottom};
    for (auto [width, height, wantedWidth, wantedHeight] : {std::array{7, 60, 20, 60}, {90, 19, 90, 20}}) {
        SetWindowPos(window_, nullptr, 0, 0, frame.cx + width, frame.cy + height, SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(window_, &client);
        EXPECT_TRUE(client.right == wantedWidth && client.bottom == wantedHeight) << width << " x " << height;
    }
    // A right click opens the menu at the click.
    RECT menu{};
    popupMenuAfter(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(250, 150), &menu);
    EXPECT_TRUE(menu.left == 250 && menu.top == 150 && menu.bottom > 150);
}

TEST(SingleInstance, AStartOnAnotherDesktopOfTheSessionRunsAtOnce)
{
    // Desktops of the test's own, so that no start on the usual one is held up. This
    // thread holds the first one's instance while a thread on the second starts.
    HDESK usual = GetThreadDesktop(GetCurrentThreadId());
    HDESK first = CreateDesktopA("VistrelTestsA", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    HDESK second = CreateDesktopA("VistrelTestsB", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    ASSERT_TRUE(SetThreadDesktop(first) && claimSingleInstance());
    auto claimed =
        std::async(std::launch::async, [second] { return SetThreadDesktop(second) && claimSingleInstance(); });
    EXPECT_TRUE(claimed.get()) << "not after a wait for the first one to end";
    SetThreadDesktop(usual);
}
