// What each command of the popup menu does. Settings change in memory at once and
// reach the registry when the window is destroyed or the session ends; no command
// repaints the view, the next frame shows the change (after a change of zoom or
// colours, the next tick draws one even while the cursor rests).
#include "commands.h"

#include "about_box.h"
#include "help_window.h"
#include "hotkeys.h"
#include "identifiers.h"
#include "keyboard_watch.h"
#include "program_state.h"
#include "toolbar.h"
#include "tray_icon.h"
#include "view.h"
#include "view_geometry.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

std::int32_t toggled(std::int32_t flag)
{
    return flag ? 0 : 1;
}

void exitProgram(HWND mainWindow)
{
    // AppBarMode stays set, so that the next start docks again.
    removeAppBar();
    removeTrayIcon(mainWindow);
    DestroyWindow(mainWindow);
}

// The factors' menu items, in the order of the factors.
constexpr std::array<UINT, std::size(zoomFactors)> zoomCommands{IDM_ZOOM_2X, IDM_ZOOM_3X,  IDM_ZOOM_4X, IDM_ZOOM_6X,
                                                                 IDM_ZOOM_8X, IDM_ZOOM_12X, IDM_ZOOM_16X};

std::optional<Zoom> zoomOfCommand(UINT command)
{
    const auto at = std::ranges::find(zoomCommands, command);
    return at == zoomCommands.end() ? std::nullopt : std::optional(zoomFactors[at - zoomCommands.begin()]);
}

void toggleInvertColors()
{
    program.settings.InvertColors = toggled(program.settings.InvertColors);
    checkMenuItem(IDM_INVERT_COLORS, program.settings.InvertColors != 0);
    program.viewChanged = true;
}

void toggleAlwaysOnTop(HWND mainWindow)
{
    // A docked toolbar keeps its place in the Z-order.
    if (program.settings.AppBarMode)
        return;
    program.settings.AllwaysOnTop = toggled(program.settings.AllwaysOnTop);
    checkMenuItem(IDM_ALWAYS_ON_TOP, program.settings.AllwaysOnTop != 0);
    SetWindowPos(mainWindow, program.settings.AllwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void toggleHighSampleRate(HWND mainWindow)
{
    program.settings.HighSampleRate = toggled(program.settings.HighSampleRate);
    KillTimer(mainWindow, VIEW_TIMER_ID);
    SetTimer(mainWindow, VIEW_TIMER_ID, program.settings.HighSampleRate ? 50 : 200, nullptr);
    checkMenuItem(IDM_HIGH_SAMPLE_RATE, program.settings.HighSampleRate != 0);
}

void setCursorIndicator(UINT command)
{
    CheckMenuRadioItem(program.mainMenu.get(), IDM_CURSOR_NONE, IDM_CURSOR_XOR_CROSSHAIR, command, MF_BYCOMMAND);
    const auto indicator = static_cast<Indicator>(command - IDM_CURSOR_NONE);
    program.settings.CursorType = indicator;
    // None and Arrow need no image; the last Crosshair-type image stays loaded.
    if (indicator != Indicator::None && indicator != Indicator::Arrow)
        loadIndicatorIcon(indicator);
}

void toggleHotKeys(HWND mainWindow)
{
    if (program.settings.HotKeys)
        disableHotKeys(mainWindow);
    else
        enableHotKeys(mainWindow);
    checkMenuItem(IDM_HOTKEYS, program.settings.HotKeys != 0);
}

void toggleFollow(HWND mainWindow, std::int32_t& flag, UINT command)
{
    flag = toggled(flag);
    checkMenuItem(command, flag != 0);
    watchKeyboardEvents(mainWindow);
    // What is no longer followed gives the view back to the mouse now, not at its next move.
    if (!flag) {
        program.keyboardFollow.shown.reset();
        program.viewChanged = true;
    }
}

} // namespace

void markZoom(Zoom zoom)
{
    // The items' identifiers are not one run, so each is marked on its own.
    HMENU menu = program.mainMenu.get();
    for (std::size_t i = 0; i < zoomCommands.size(); ++i)
        if (zoomFactors[i] == zoom)
            CheckMenuRadioItem(menu, zoomCommands[i], zoomCommands[i], zoomCommands[i], MF_BYCOMMAND);
        else
            CheckMenuItem(menu, zoomCommands[i], MF_BYCOMMAND | MF_UNCHECKED);
}

void zoomTo(Zoom zoom)
{
    setZoom(program.settings, zoom);
    markZoom(zoom);
    program.viewChanged = true;
}

bool runMenuCommand(HWND mainWindow, UINT command)
{
    switch (command) {
    case IDM_EXIT:                 exitProgram(mainWindow); return true;
    case IDM_ABOUT:                showAboutBox(mainWindow); return true;
    case IDM_ZOOM_IN:              zoomTo(steppedZoom(program.settings.ZoomFactor, 1)); return true;
    case IDM_ZOOM_OUT:             zoomTo(steppedZoom(program.settings.ZoomFactor, -1)); return true;
    case IDM_INVERT_COLORS:        toggleInvertColors(); return true;
    case IDM_ALWAYS_ON_TOP:        toggleAlwaysOnTop(mainWindow); return true;
    case IDM_TOOLBAR_MODE:         toggleToolbarMode(mainWindow); return true;
    case IDM_HIGH_SAMPLE_RATE:     toggleHighSampleRate(mainWindow); return true;
    case IDM_CURSOR_NONE:
    case IDM_CURSOR_ARROW:
    case IDM_CURSOR_CROSSHAIR:
    case IDM_CURSOR_ZERO_SIGHT:
    case IDM_CURSOR_XOR_CROSSHAIR: setCursorIndicator(command); return true;
    case IDM_UPDATE_ALWAYS:
        program.settings.UpdateAlways = toggled(program.settings.UpdateAlways);
        checkMenuItem(IDM_UPDATE_ALWAYS, program.settings.UpdateAlways != 0);
        return true;
    case IDM_SHOW_HIDE:            toggleVisibility(mainWindow); return true;
    case IDM_HOTKEYS:              toggleHotKeys(mainWindow); return true;
    case IDM_FOLLOW_FOCUS:         toggleFollow(mainWindow, program.settings.FollowFocus, command); return true;
    case IDM_FOLLOW_CARET:         toggleFollow(mainWindow, program.settings.FollowCaret, command); return true;
    case IDM_HELP:                 showHelp(mainWindow); return true;
    default:
        if (const std::optional<Zoom> zoom = zoomOfCommand(command)) {
            zoomTo(*zoom);
            return true;
        }
        return false;
    }
}
