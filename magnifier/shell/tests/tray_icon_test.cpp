// The notification-area icon as the shell is told about it (every record sent is
// watched on its way to the shell), tray clicks, and the hotkeys' registration.
#include "vistrel_fixture.h"

#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "tray_icon.h"
#include "view.h"
#include "window_probe.h"

#include <chrono>
#include <string>
#include <thread>

namespace {

struct SentRecord {
    DWORD message;
    NOTIFYICONDATAA data;
    bool windowExisted;
};
std::vector<SentRecord> sent;

BOOL WINAPI recordAndForward(DWORD message, PNOTIFYICONDATAA data)
{
    sent.push_back({message, *data, IsWindow(data->hWnd) != 0});
    return Shell_NotifyIconA(message, data);
}

class TrayIconTest : public VistrelTest {
protected:
    void SetUp() override
    {
        VistrelTest::SetUp();
        sent.clear();
        shellNotifyIcon = recordAndForward;
    }
    void TearDown() override
    {
        VistrelTest::TearDown();
        shellNotifyIcon = Shell_NotifyIconA;
    }

    // Checks the last record: a modification to the icon and tip of a shown or
    // hidden window.
    void expectIconFollows(bool shown)
    {
        ASSERT_FALSE(sent.empty());
        const SentRecord& r = sent.back();
        EXPECT_EQ(r.message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(r.data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
        EXPECT_EQ(r.data.hWnd, window_);
        EXPECT_EQ(r.data.uID, 0u);
        EXPECT_EQ(r.data.uFlags, static_cast<UINT>(NIF_ICON | NIF_TIP));
        EXPECT_EQ(r.data.hIcon, shown ? trayIconColor : trayIconMono);
        EXPECT_STREQ(r.data.szTip, shown ? "Hide Vistrel" : "Show Vistrel");
    }
    void expectAdded(const SentRecord& r)
    {
        EXPECT_EQ(r.message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(r.data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
        EXPECT_EQ(r.data.hWnd, window_);
        EXPECT_EQ(r.data.uID, 0u);
        EXPECT_EQ(r.data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(r.data.uCallbackMessage, static_cast<UINT>(WM_TRAYNOTIFY));
        EXPECT_EQ(r.data.hIcon, trayIconMono);
        EXPECT_STREQ(r.data.szTip, "Vistrel");
    }
    // The deletions sent, each checked: the icon is named by window and identifier.
    int deletions() const
    {
        int count = 0;
        for (const SentRecord& r : sent) {
            if (r.message != NIM_DELETE)
                continue;
            ++count;
            EXPECT_EQ(r.data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
            EXPECT_EQ(r.data.uID, 0u);
            EXPECT_NE(r.data.hWnd, nullptr);
        }
        return count;
    }
};

SIZE iconSize(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {0, 0};
    BITMAP colour{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {colour.bmWidth, info.hbmColor ? colour.bmHeight : colour.bmHeight / 2};
}

TEST_F(TrayIconTest, TheIconAndTipFollowTheWindowFromStartToExit)
{
    // Started hidden: black and white, "Show Vistrel".
    ASSERT_TRUE(start(SW_HIDE));
    ASSERT_EQ(sent.size(), 2u);
    expectAdded(sent[0]);
    expectIconFollows(false);
    ASSERT_NE(trayIconColor, nullptr);
    ASSERT_NE(trayIconMono, nullptr);
    EXPECT_NE(trayIconColor, trayIconMono);
    for (HICON icon : {trayIconColor, trayIconMono}) {
        const SIZE size = iconSize(icon);
        EXPECT_EQ(size.cx, 16);
        EXPECT_EQ(size.cy, 16);
    }

    // A double click shows the window: colour, "Hide Vistrel", and the menu says Hide.
    EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK), 0);
    EXPECT_TRUE(IsWindowVisible(window_));
    expectIconFollows(true);
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Hide");
    // The menu command hides it again.
    SendMessageA(window_, WM_COMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(window_));
    expectIconFollows(false);
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Show");
    // Other mouse messages do nothing.
    const std::size_t before = sent.size();
    for (UINT mouse : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN})
        EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, mouse), 0);
    EXPECT_EQ(sent.size(), before);
    EXPECT_FALSE(IsWindowVisible(window_));

    // Exit deletes the icon while the window still exists, and only once.
    SendMessageA(window_, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(window_));
    ASSERT_EQ(deletions(), 1);
    EXPECT_EQ(sent.back().message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(sent.back().windowExisted);
    EXPECT_EQ(trayIconColor, nullptr);
    EXPECT_EQ(trayIconMono, nullptr);
}

TEST_F(TrayIconTest, TheIconComesBackWhenTheShellRestartsAndGoesWithTheWindow)
{
    ASSERT_TRUE(start());
    sent.clear();
    // The shell broadcasts this after its taskbar has been created anew.
    SendMessageA(window_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ASSERT_EQ(sent.size(), 2u);
    expectAdded(sent[0]);
    expectIconFollows(true);

    // Closed other than by Exit: no dead icon is left behind.
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(deletions(), 1);
    EXPECT_EQ(trayIconColor, nullptr);
}

// Ends whatever popup menu shows, noting that one showed and when.
bool menuShown = false;
DWORD menuShownAt = 0;
int menuTicks = 0;
void CALLBACK endPopupMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu) && !menuShown) {
        menuShown = true;
        menuShownAt = GetTickCount();
    }
    if (menuShown || ++menuTicks > 60)
        EndMenu();
}

class TrayClickTest : public TrayIconTest {
protected:
    void SetUp() override
    {
        TrayIconTest::SetUp();
        savedDoubleClickTime_ = GetDoubleClickTime();
        SetDoubleClickTime(600);
        menuShown = false;
        menuTicks = 0;
        timer_ = SetTimer(nullptr, 0, 20, endPopupMenu);
    }
    void TearDown() override
    {
        KillTimer(nullptr, timer_);
        SetDoubleClickTime(savedDoubleClickTime_);
        TrayIconTest::TearDown();
    }
    UINT savedDoubleClickTime_ = 0;
    UINT_PTR timer_ = 0;
};

TEST_F(TrayClickTest, ASingleClickOpensTheMenuOnlyAfterTheDoubleClickTime)
{
    ASSERT_TRUE(start());
    const DWORD clicked = GetTickCount();
    EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(menuShown);
    EXPECT_GE(menuShownAt - clicked, 590u);
    EXPECT_TRUE(IsWindowVisible(window_));

    // A right click opens it at once.
    menuShown = false;
    menuTicks = 0;
    const DWORD rightClicked = GetTickCount();
    EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN), 0);
    EXPECT_TRUE(menuShown);
    EXPECT_LT(menuShownAt - rightClicked, 450u);
}

TEST_F(TrayClickTest, ADoubleClickDuringTheWaitTogglesAndOpensNoMenu)
{
    ASSERT_TRUE(start());
    // The shell sends the second click's message while the first one's handler waits.
    std::thread shell([window = window_] {
        Sleep(150);
        SendMessageA(window, WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
    });
    EXPECT_EQ(SendMessageA(window_, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN), 0);
    shell.join();
    EXPECT_FALSE(menuShown);
    EXPECT_FALSE(IsWindowVisible(window_));
    expectIconFollows(false);
}

using HotKeysTest = VistrelTest;


TEST_F(HotKeysTest, AltF12FreezesOnlyWhileTheHotkeysAreOn)
{
    ASSERT_TRUE(start());
    SendMessageA(window_, WM_COMMAND, IDM_HOTKEYS, 0);
    pressAltWith(VK_F12);
    EXPECT_TRUE(pollUntil(5s, [&] {
        pumpMessages();
        return viewFrozen;
    }));
    pressAltWith(VK_F12);
    EXPECT_TRUE(pollUntil(5s, [&] {
        pumpMessages();
        return !viewFrozen;
    }));

    SendMessageA(window_, WM_COMMAND, IDM_HOTKEYS, 0);
    pressAltWith(VK_F12);
    Sleep(300);
    pumpMessages();
    EXPECT_FALSE(viewFrozen);
}

TEST_F(HotKeysTest, TheFlagFollowsTheUsersChoiceEvenWhenAKeyIsTaken)
{
    ASSERT_TRUE(start());
    // Another program holds Alt+F11.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x4322, MOD_ALT, VK_F11));
    SendMessageA(window_, WM_COMMAND, IDM_HOTKEYS, 0);
    EXPECT_EQ(Settings.HotKeys, 1);
    EXPECT_TRUE(isChecked(IDM_HOTKEYS));
    EXPECT_TRUE(hotKeyIsTaken(VK_F12));  // the free one is ours

    SendMessageA(window_, WM_COMMAND, IDM_HOTKEYS, 0);
    EXPECT_EQ(Settings.HotKeys, 0);
    EXPECT_FALSE(isChecked(IDM_HOTKEYS));
    EXPECT_FALSE(hotKeyIsTaken(VK_F12));
    // Unregistering never touches the other program's key.
    EXPECT_TRUE(hotKeyIsTaken(VK_F11));
    UnregisterHotKey(nullptr, 0x4322);
    EXPECT_FALSE(hotKeyIsTaken(VK_F11));
}

} // namespace
