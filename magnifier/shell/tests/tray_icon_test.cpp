// The notification-area icon as the shell is told about it (every record is watched
// on its way to the shell), tray clicks, and the hotkeys' registration.
#include "vistrel_fixture.h"

#include "tray_icon.h"

#include <array>
#include <thread>

namespace {

// Each record sent, as "add|modify icon tip; " or "delete; ", checked on the way.
std::string sent;
BOOL WINAPI recordAndForward(DWORD message, PNOTIFYICONDATAA data)
{
    EXPECT_TRUE(data->cbSize == NOTIFYICONDATAA_V1_SIZE && data->uID == 0 && IsWindow(data->hWnd));
    EXPECT_EQ(data->uFlags, message == NIM_DELETE ? data->uFlags : NIF_ICON | NIF_TIP | (message ? 0u : NIF_MESSAGE));
    EXPECT_TRUE(message != NIM_ADD || data->uCallbackMessage == WM_TRAYNOTIFY);
    sent += std::array{"add", "modify", "delete"}[message];
    if (message != NIM_DELETE)
        sent += (data->hIcon == program.trayIconColor.get()  ? " colour "
                 : data->hIcon == program.trayIconMono.get() ? " mono "
                                                             : " ? ") +
                std::string(data->szTip);
    sent += "; ";
    return Shell_NotifyIconA(message, data);
}

// Ends whatever popup menu shows, noting when it showed.
DWORD menuShownAt = 0;
void CALLBACK endPopupMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu) && (menuShownAt = GetTickCount()))
        EndMenu();
}

class TrayIconTest : public VistrelTest {
protected:
    void SetUp() override
    {
        VistrelTest::SetUp();
        shellNotifyIcon = recordAndForward;
    }
    // What was sent since the last call.
    std::string news() { return std::exchange(sent, ""); }
    // Milliseconds from a tray message to the popup menu, or -1 when none showed.
    int trayMessage(UINT mouse)
    {
        menuShownAt = 0;
        const DWORD sentAt = GetTickCount();
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, endPopupMenu);
        EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, mouse), 0);
        KillTimer(nullptr, timer);
        return menuShownAt ? static_cast<int>(menuShownAt - sentAt) : -1;
    }
};

TEST_F(TrayIconTest, TheIconAndTipFollowTheWindowFromStartToExitAndShellRestarts)
{
    ASSERT_TRUE(start(SW_HIDE));
    EXPECT_EQ(news(), "add mono Vistrel; modify mono Show Vistrel; ");
    for (HICON icon : {program.trayIconColor.get(), program.trayIconMono.get()}) {
        ICONINFO info{};
        BITMAP mask{};
        GetIconInfo(icon, &info);
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_TRUE(mask.bmWidth == 16 && mask.bmHeight == (info.hbmColor ? 16 : 32)) << "16 x 16";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_EQ(trayMessage(WM_LBUTTONDBLCLK), -1);
    EXPECT_EQ(news(), "modify colour Hide Vistrel; ");
    command(IDM_SHOW_HIDE);
    EXPECT_EQ(news(), "modify mono Show Vistrel; ");
    for (UINT mouse : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN})
        EXPECT_EQ(trayMessage(mouse), -1);
    EXPECT_EQ(news() + state().substr(0, 6), "hidden");
    SendMessageA(window_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(news(), "add mono Vistrel; modify mono Show Vistrel; ") << "the shell restarted";
    command(IDM_EXIT);
    EXPECT_EQ(news(), "delete; ") << "while the window still exists, and only once";
    EXPECT_TRUE(program.trayIconColor.get() == nullptr && program.trayIconMono.get() == nullptr);
    ASSERT_TRUE(start());
    news();
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(news(), "delete; ") << "closed another way: no dead icon is left";
}

TEST_F(TrayIconTest, ASingleClickOpensTheMenuAfterTheDoubleClickTimeUnlessASecondClickCame)
{
    const UINT savedDoubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(600);
    ASSERT_TRUE(start());
    EXPECT_GE(trayMessage(WM_LBUTTONDOWN), 590);
    EXPECT_TRUE(IsWindowVisible(window_));
    const int rightClick = trayMessage(WM_RBUTTONDOWN);
    EXPECT_TRUE(rightClick >= 0 && rightClick < 450) << "a right click opens it at once";
    // The shell sends the second click's message while the first one's handler waits.
    std::thread shell([window = window_] { Sleep(150), SendMessageA(window, WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK); });
    EXPECT_EQ(trayMessage(WM_LBUTTONDOWN), -1);
    shell.join();
    EXPECT_FALSE(IsWindowVisible(window_));
    SetDoubleClickTime(savedDoubleClickTime);
}

TEST_F(VistrelTest, TheHotkeyFlagFollowsTheUsersChoiceEvenWhenAKeyIsTaken)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x4322, MOD_ALT, VK_F11)); // another program's
    const std::string marks = "shown top 0,0,100,100 [&2X Zoom] [Always &on Top] [&Crosshair] [&Hide]";
    command(IDM_HOTKEYS);
    EXPECT_EQ(state(), marks + " [&Enable Hotkeys] F11 F12 | bar 0 top 1 keys 1 always 0 fast 0 cursor 2 zoom 1 at "
                               "0,0,100,100");
    command(IDM_HOTKEYS);
    EXPECT_EQ(state(), marks + " F11 | bar 0 top 1 keys 0 always 0 fast 0 cursor 2 zoom 1 at 0,0,100,100")
        << "the other program's key is never touched";
    UnregisterHotKey(nullptr, 0x4322);
}

} // namespace
