// The notification-area icon as the shell is told about it (every record is watched
// on its way to the shell), and tray clicks.
#include "vistrel_fixture.h"

#include "tray_icon.h"

#include <array>

// Each record sent, as "add|modify icon tip; " or "delete; ", checked on the way.
std::string sent;
BOOL WINAPI recordAndForward(DWORD message, PNOTIFYICONDATAA data)
{
    EXPECT_TRUE(data->cbSize == NOTIFYICONDATAA_V1_SIZE && data->uID == 0 && IsWindow(data->hWnd));
    // A delete names the icon and nothing else.
    EXPECT_EQ(data->uFlags, message == NIM_DELETE ? 0u : NIF_ICON | NIF_TIP | (message ? 0u : NIF_MESSAGE));
    EXPECT_TRUE(message != NIM_ADD || data->uCallbackMessage == WM_TRAYNOTIFY);
    const bool colour = data->hIcon == program.trayIconColor.get(), mono = data->hIcon == program.trayIconMono.get();
    const std::string image = colour ? " colour " : mono ? " mono " : " ? ";
    sent += std::array{"add", "modify", "delete"}[message] + (message == NIM_DELETE ? "" : image + data->szTip) + "; ";
    return Shell_NotifyIconA(message, data);
}

// What was sent since the last call.
std::string news() { return std::exchange(sent, ""); }

using TrayIconTest = VistrelTest;

TEST_F(TrayIconTest, TheIconAndTipFollowTheWindowFromStartToExitAndShellRestarts)
{
    shellNotifyIcon = recordAndForward;
    ASSERT_TRUE(start(SW_HIDE));
    EXPECT_EQ(news(), "add mono Vistrel; modify mono Show Vistrel; ");
    // The colour image is taken at 16 x 16 from the program's icon (the black-and-white
    // one has that size only).
    ICONINFO info{};
    BITMAP colour{};
    GetIconInfo(program.trayIconColor.get(), &info);
    EXPECT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour) && colour.bmWidth == 16 && colour.bmHeight == 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(popupMenuAfter(WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK), -1);
    EXPECT_EQ(news(), "modify colour Hide Vistrel; ");
    command(IDM_SHOW_HIDE);
    EXPECT_EQ(news(), "modify mono Show Vistrel; ");
    SendMessageA(window_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(news(), "add mono Vistrel; modify mono Show Vistrel; ") << "the shell restarted";
    command(IDM_EXIT);
    EXPECT_EQ(news(), "delete; ") << "while the window still exists, and only once";
    ASSERT_TRUE(start());
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(news(), "add mono Vistrel; modify colour Hide Vistrel; delete; ") << "closed another way: no dead icon";
}

TEST_F(TrayIconTest, ASingleClickOpensTheMenuAfterTheDoubleClickTimeUnlessASecondClickCame)
{
    const UINT savedDoubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(600);
    ASSERT_TRUE(start());
    const DWORD clicked = GetTickCount();
    SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_LT(GetTickCount() - clicked, 300u) << "the view runs on while the click waits";
    EXPECT_GE(popupMenuAfter(WM_NULL, 0, 0, nullptr, 2000), 300) << "then, with no second click, the menu opens";
    const int rightClick = popupMenuAfter(WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    EXPECT_TRUE(rightClick >= 0 && rightClick < 450) << "a right click opens it at once";
    SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    Sleep(150);
    EXPECT_EQ(popupMenuAfter(WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK, nullptr, 1000), -1);
    EXPECT_FALSE(IsWindowVisible(window_));
    SetDoubleClickTime(savedDoubleClickTime);
}
