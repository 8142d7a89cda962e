// Class registration and the preparation of the main window, step by step in the
// order the rest of the program relies on: settings before placement, placement
// before showing, the menu before its marks, docking last but the hotkeys.
#include "start_up.h"

#include "hotkeys.h"
#include "identifiers.h"
#include "main_window.h"
#include "program_state.h"
#include "settings.h"
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
    CheckMenuRadioItem(mainMenu, IDM_ZOOM_2X, IDM_ZOOM_4X, Settings.ZoomLevel == 1 ? IDM_ZOOM_2X : IDM_ZOOM_4X,
                       MF_BYCOMMAND);
    CheckMenuRadioItem(mainMenu, IDM_CURSOR_NONE, IDM_CURSOR_XOR_CROSSHAIR, IDM_CURSOR_NONE + Settings.CursorType,
                       MF_BYCOMMAND);
    checkMenuItem(IDM_HIGH_SAMPLE_RATE, Settings.HighSampleRate != 0);
    checkMenuItem(IDM_UPDATE_ALWAYS, Settings.UpdateAlways != 0);
    checkMenuItem(IDM_ALWAYS_ON_TOP, Settings.AllwaysOnTop != 0);
    checkMenuItem(IDM_HOTKEYS, Settings.HotKeys != 0);
}

} // namespace

bool createMainWindow(HINSTANCE instance, int showCommand)
{
    appInstance = instance;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "VISTREL", "Vistrel",
                                  WS_POPUP | WS_CLIPCHILDREN | WS_THICKFRAME, CW_USEDEFAULT, 0, 100, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return false;
    holdRequestsDuringStartUp(true);
    // A second start of lower integrity (this one elevated) may still ask it to show.
    ChangeWindowMessageFilterEx(window, showInstanceMessage(), MSGFLT_ALLOW, nullptr);
    // Nor would the shell's news that it has restarted reach an elevated instance.
    ChangeWindowMessageFilterEx(window, taskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);

    loadSettings();
    const ScreenRectangle& r = Settings.WindowPosition;
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    loadIndicatorIcon(Settings.CursorType);

    // Any other show command (minimised, maximised, default) leaves the program in
    // the notification area only.
    const bool shown = showCommand == SW_SHOWNORMAL;
    if (shown)
        ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    addTrayIcon(window);

    SetTimer(window, VIEW_TIMER_ID, Settings.HighSampleRate ? 50 : 200, nullptr);
    mainMenu = LoadMenuA(instance, "VISTREL");
    setMenuMarks();
    // The default item is what a double click on the tray icon does.
    SetMenuDefaultItem(settingsMenu(), IDM_SHOW_HIDE, FALSE);
    if (!shown)
        setShowHideText("&Show");
    updateTrayIcon(window);

    if (Settings.AppBarMode) {
        Settings.AppBarMode = 0;
        toggleToolbarMode(window);
    } else {
        SetWindowPos(window, Settings.AllwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 100, 100,
                     SWP_NOMOVE | SWP_NOSIZE);
    }
    if (Settings.HotKeys)
        enableHotKeys(window);
    holdRequestsDuringStartUp(false);
    return true;
}
