// What each command of the popup menu does. Settings change in memory at once and
// reach the registry when the window is destroyed; no command repaints the view, the
// next frame shows the change.
#include "commands.h"

#include "about_box.h"
#include "hotkeys.h"
#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "toolbar.h"
#include "tray_icon.h"
#include "view.h"

namespace {

std::int32_t toggled(std::int32_t flag)
{
    return flag ? 0 : 1;
}

void exitProgram(HWND mainWindow)
{
    // AppBarMode stays set, so that the next start docks again.
    if (Settings.AppBarMode)
        SHAppBarMessage(ABM_REMOVE, &appBarData);
    removeTrayIcon(mainWindow);
    DestroyWindow(mainWindow);
}

void setZoom(UINT command)
{
    CheckMenuRadioItem(mainMenu, IDM_ZOOM_2X, IDM_ZOOM_4X, command, MF_BYCOMMAND);
    Settings.ZoomLevel = command == IDM_ZOOM_2X ? 1 : 2;
}

void toggleAlwaysOnTop(HWND mainWindow)
{
    // A docked toolbar keeps its place in the Z-order.
    if (Settings.AppBarMode)
        return;
    Settings.AllwaysOnTop = toggled(Settings.AllwaysOnTop);
    checkMenuItem(IDM_ALWAYS_ON_TOP, Settings.AllwaysOnTop != 0);
    SetWindowPos(mainWindow, Settings.AllwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void toggleHighSampleRate(HWND mainWindow)
{
    Settings.HighSampleRate = toggled(Settings.HighSampleRate);
    KillTimer(mainWindow, VIEW_TIMER_ID);
    SetTimer(mainWindow, VIEW_TIMER_ID, Settings.HighSampleRate ? 50 : 200, nullptr);
    checkMenuItem(IDM_HIGH_SAMPLE_RATE, Settings.HighSampleRate != 0);
}

void setCursorIndicator(UINT command)
{
    CheckMenuRadioItem(mainMenu, IDM_CURSOR_NONE, IDM_CURSOR_XOR_CROSSHAIR, command, MF_BYCOMMAND);
    Settings.CursorType = static_cast<std::int32_t>(command - IDM_CURSOR_NONE);
    // None and Arrow need no image; the last Crosshair-type image stays loaded.
    if (Settings.CursorType >= 2)
        loadIndicatorIcon(Settings.CursorType);
}

void toggleHotKeys(HWND mainWindow)
{
    if (Settings.HotKeys)
        disableHotKeys(mainWindow);
    else
        enableHotKeys(mainWindow);
    checkMenuItem(IDM_HOTKEYS, Settings.HotKeys != 0);
}

} // namespace

void openHelp(HWND mainWindow)
{
    WinHelpA(mainWindow, "Vistrel.hlp", HELP_FINDER, 0);
}

bool runMenuCommand(HWND mainWindow, UINT command)
{
    switch (command) {
    case IDM_EXIT:                 exitProgram(mainWindow); return true;
    case IDM_ABOUT:                showAboutBox(mainWindow); return true;
    case IDM_ZOOM_2X:
    case IDM_ZOOM_4X:              setZoom(command); return true;
    case IDM_ALWAYS_ON_TOP:        toggleAlwaysOnTop(mainWindow); return true;
    case IDM_TOOLBAR_MODE:         toggleToolbarMode(mainWindow); return true;
    case IDM_HIGH_SAMPLE_RATE:     toggleHighSampleRate(mainWindow); return true;
    case IDM_CURSOR_NONE:
    case IDM_CURSOR_ARROW:
    case IDM_CURSOR_CROSSHAIR:
    case IDM_CURSOR_ZERO_SIGHT:
    case IDM_CURSOR_XOR_CROSSHAIR: setCursorIndicator(command); return true;
    case IDM_UPDATE_ALWAYS:
        Settings.UpdateAlways = toggled(Settings.UpdateAlways);
        checkMenuItem(IDM_UPDATE_ALWAYS, Settings.UpdateAlways != 0);
        return true;
    case IDM_SHOW_HIDE:            toggleVisibility(mainWindow); return true;
    case IDM_HOTKEYS:              toggleHotKeys(mainWindow); return true;
    case IDM_HELP:                 openHelp(mainWindow); return true;
    default:                       return false;
    }
}
