// The shared fixture of Vistrel's in-process tests.
#include "vistrel_fixture.h"

#include "monitors.h"
#include "start_up.h"
#include "tray_icon.h"

#include <sstream>

namespace {

// Where the popup menu showed and when: noted by the timer that ends it.
RECT menuPlace;
DWORD menuShownAt;
void CALLBACK endShownMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu) && GetWindowRect(menu, &menuPlace))
        menuShownAt = GetTickCount(), EndMenu();
}

// Whether some application bar holds the top of the screen: the shell then offers a
// newcomer the place below it.
bool barHeld()
{
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    APPBARDATA bar{sizeof bar, probe, 0, ABE_TOP, {0, 0, 1024, 20}};
    EXPECT_TRUE(SHAppBarMessage(ABM_NEW, &bar) && SHAppBarMessage(ABM_QUERYPOS, &bar));
    SHAppBarMessage(ABM_REMOVE, &bar);
    DestroyWindow(probe);
    return bar.rc.top > 0;
}

// The two monitors of splitScreenIntoTwoMonitors are 1 (primary, left) and 2.
HMONITOR halfAt(LONG x) { return reinterpret_cast<HMONITOR>(x < 512 ? 1 : 2); }
HMONITOR WINAPI halfAtPoint(POINT point, DWORD) { return halfAt(point.x); }
HMONITOR WINAPI halfOfRect(LPCRECT r, DWORD) { return halfAt((r->left + r->right) / 2); }
HMONITOR WINAPI halfOfWindow(HWND window, DWORD) { const RECT r = windowRect(window); return halfOfRect(&r, 0); }
BOOL WINAPI halfInfo(HMONITOR monitor, LPMONITORINFO info)
{
    info->rcMonitor = info->rcWork = monitor == halfAt(0) ? RECT{0, 0, 512, 768} : RECT{512, 0, 1024, 768};
    return TRUE;
}

} // namespace

void splitScreenIntoTwoMonitors() { monitorCalls = {halfAtPoint, halfOfWindow, halfOfRect, halfInfo}; }

void VistrelTest::SetUp()
{
    static const bool registered = registerMainWindowClass(GetModuleHandleA(nullptr));
    ASSERT_TRUE(registered);
    setUpProgramState(GetModuleHandleA(nullptr));
    shellNotifyIcon = Shell_NotifyIconA;
    monitorCalls = systemMonitorCalls;
}

void VistrelTest::TearDown()
{
    destroy();
    tearDownProgramState();
    EXPECT_FALSE(barHeld()) << "a bar was left behind";
}

HWND VistrelTest::start(int showCommand)
{
    // As WinMain does it: each start is a process's start.
    setUpProgramState(GetModuleHandleA(nullptr));
    window_ = createMainWindow(GetModuleHandleA(nullptr), showCommand) ? FindWindowA("VISTREL", nullptr) : nullptr;
    pumpMessages();
    return window_;
}

void VistrelTest::pumpMessages()
{
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        if (message.message != WM_QUIT && message.message != WM_TIMER)
            DispatchMessageA(&message);
}

int VistrelTest::popupMenuAfter(UINT message, WPARAM wParam, LPARAM lParam, RECT* place, DWORD waitMs)
{
    menuShownAt = 0;
    const DWORD sentAt = GetTickCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, endShownMenu);
    EXPECT_EQ(SendMessageA(window_, message, wParam, lParam), 0);
    for (MSG m; !menuShownAt && GetTickCount() - sentAt < waitMs; Sleep(5))
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
    KillTimer(nullptr, timer);
    if (place)
        *place = menuPlace;
    return menuShownAt ? static_cast<int>(menuShownAt - sentAt) : -1;
}

std::string VistrelTest::state() const
{
    std::ostringstream text;
    auto rectangle = [&](auto r) { text << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom; };
    text << (IsWindowVisible(window_) ? "shown " : "hidden ")
         << (GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST ? "top " : "");
    rectangle(windowRect(window_));
    for (UINT id = IDM_EXIT; id <= IDM_INVERT_COLORS; ++id) {
        char name[64] = {};
        if ((GetMenuState(program.mainMenu.get(), id, MF_BYCOMMAND) & MF_CHECKED || id == IDM_SHOW_HIDE) &&
            GetMenuStringA(program.mainMenu.get(), id, name, sizeof name, MF_BYCOMMAND))
            text << " [" << name << ']';
    }
    const SettingsRecord& s = program.settings;
    text << (hotKeyIsTaken(VK_F11) ? " F11" : "") << (hotKeyIsTaken(VK_F12) ? " F12" : "") << " | bar " << s.AppBarMode
         << " top " << s.AllwaysOnTop << " keys " << s.HotKeys << " always " << s.UpdateAlways << " fast "
         << s.HighSampleRate << " cursor " << static_cast<int>(s.CursorType) << " zoom " << factorOf(s.ZoomFactor)
         << "/" << s.ZoomLevel << " invert " << s.InvertColors << " at ";
    rectangle(s.WindowPosition);
    return text.str() + (barHeld() ? " held" : "");
}
