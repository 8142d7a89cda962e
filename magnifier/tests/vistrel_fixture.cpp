// The shared fixture of Vistrel's in-process tests.
#include "vistrel_fixture.h"

#include "start_up.h"

#include <sstream>

void VistrelTest::SetUp()
{
    static const bool registered = registerMainWindowClass(GetModuleHandleA(nullptr));
    ASSERT_TRUE(registered);
    setUpProgramState(GetModuleHandleA(nullptr));
}

HWND VistrelTest::start(int showCommand)
{
    // As WinMain does it: each start is a process's start.
    setUpProgramState(GetModuleHandleA(nullptr));
    if (!createMainWindow(GetModuleHandleA(nullptr), showCommand))
        return nullptr;
    window_ = waitForWindow(GetCurrentProcessId(), L"VISTREL", L"", 0s, true);
    pumpMessages();
    return window_;
}

void VistrelTest::destroy()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
    pumpMessages();
}

void VistrelTest::pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT && message.message != WM_TIMER)
            DispatchMessageA(&message);
}

std::string VistrelTest::state() const
{
    const RECT r = windowRect(window_);
    std::ostringstream text;
    text << (IsWindowVisible(window_) ? "shown" : "hidden")
         << (GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST ? " top " : " ") << r.left << ',' << r.top << ','
         << r.right << ',' << r.bottom;
    HMENU mainMenu = program.mainMenu.get();
    for (UINT id = IDM_EXIT; id <= IDM_HOTKEYS; ++id) {
        const UINT item = GetMenuState(mainMenu, id, MF_BYCOMMAND);
        char name[64] = {};
        if (item != static_cast<UINT>(-1) && (item & MF_CHECKED || id == IDM_SHOW_HIDE) &&
            GetMenuStringA(mainMenu, id, name, sizeof name, MF_BYCOMMAND))
            text << " [" << name << ']';
    }
    text << (hotKeyIsTaken(VK_F11) ? " F11" : "") << (hotKeyIsTaken(VK_F12) ? " F12" : "");
    const SettingsRecord& s = program.settings;
    const ScreenRectangle& p = s.WindowPosition;
    text << " | bar " << s.AppBarMode << " top " << s.AllwaysOnTop << " keys " << s.HotKeys << " always "
         << s.UpdateAlways << " fast " << s.HighSampleRate << " cursor " << s.CursorType << " zoom " << s.ZoomLevel
         << " at " << p.left << ',' << p.top << ',' << p.right << ',' << p.bottom;
    return text.str();
}
