// Class registration and the preparation of the main window, step by step in the
// order the rest of the program relies on: settings before placement, placement
// before showing, the menu before its marks, docking last but the hotkeys.
#include "start_up.h"

#include "commands.h"
#include "hotkeys.h"
#include "identifiers.h"
#include "keyboard_watch.h"
#include "main_window.h"
#include "program_state.h"
#include "settings_store.h"
#include "single_instance.h"
#include "toolbar.h"
#include "tray_icon.h"
#include "view.h"

bool registerMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "VISTREL");
    // There is no "VSMALL": the system takes the 16 x 16 image of "VISTREL".
    windowClass.hIconSm = LoadIconA(instance, "VSMALL");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VISTREL";
    return RegisterClassExA(&windowClass) != 0;
}

bool initApplication(HINSTANCE instance)
{
    return claimSingleInstance() && registerMainWindowClass(instance);
}

namespace {

void setMenuMarks()
{
    const SettingsRecord& settings = program.settings;
    HMENU menu = program.mainMenu.get();
    markZoom(settings.ZoomFactor);
    CheckMenuRadioItem(menu, IDM_CURSOR_NONE, IDM_CURSOR_XOR_CROSSHAIR,
                       IDM_CURSOR_NONE + static_cast<UINT>(settings.CursorType), MF_BYCOMMAND);
    checkMenuItem(IDM_HIGH_SAMPLE_RATE, settings.HighSampleRate != 0);
    checkMenuItem(IDM_UPDATE_ALWAYS, settings.UpdateAlways != 0);
    checkMenuItem(IDM_ALWAYS_ON_TOP, settings.AllwaysOnTop != 0);
    checkMenuItem(IDM_HOTKEYS, settings.HotKeys != 0);
    checkMenuItem(IDM_INVERT_COLORS, settings.InvertColors != 0);
    checkMenuItem(IDM_FOLLOW_FOCUS, settings.FollowFocus != 0);
    checkMenuItem(IDM_FOLLOW_CARET, settings.FollowCaret != 0);
}

} // namespace

bool createMainWindow(HINSTANCE instance, int showCommand)
{
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "VISTREL", "Vistrel",
                                  WS_POPUP | WS_CLIPCHILDREN | WS_THICKFRAME, CW_USEDEFAULT, 0, 100, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return false;
    program.startingUp = true;
    // A second start of lower integrity (this one elevated) may still ask it to show.
    ChangeWindowMessageFilterEx(window, showInstanceMessage(), MSGFLT_ALLOW, nullptr);
    // Nor would the shell's news that it has restarted reach an elevated instance.
    ChangeWindowMessageFilterEx(window, taskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);

    loadSettings();
    SettingsRecord& settings = program.settings;
    const ScreenRectangle& r = settings.WindowPosition;
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    loadIndicatorIcon(settings.CursorType);

    // Any other show command (minimised, maximised, default) leaves the program in
    // the notification area only.
    const bool shown = showCommand == SW_SHOWNORMAL;
    if (shown)
        ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    addTrayIcon(window);

    SetTimer(window, VIEW_TIMER_ID, settings.HighSampleRate ? 50 : 200, nullptr);
    program.mainMenu.reset(LoadMenuA(instance, "VISTREL"));
    setMenuMarks();
    // The default item is what a double click on the tray icon does.
    SetMenuDefaultItem(settingsMenu(), IDM_SHOW_HIDE, FALSE);
    if (!shown)
        setShowHideText("&Show");
    updateTrayIcon(window);

    // Docked, the window keeps the topmost state it was created with.
    if (settings.AppBarMode)
        dockAgain(window);
    else
        SetWindowPos(window, settings.AllwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 100, 100,
                     SWP_NOMOVE | SWP_NOSIZE);
    if (settings.HotKeys)
        enableHotKeys(window);
    watchKeyboardEvents(window);
    program.startingUp = false;
    return true;
}
