// Toolbar mode and show/hide, and where the window goes when the monitors change.
// The bar is registered with the shell exactly while AppBarMode is set and the
// window is visible.
#include "toolbar.h"

#include "identifiers.h"
#include "monitors.h"
#include "program_state.h"
#include "tray_icon.h"
#include "window_placement.h"

// The shell's record as the 32-bit program passes it.
static_assert(sizeof(void*) != 4 || sizeof(APPBARDATA) == 36);

namespace {

void moveWindowTo(HWND window, const RECT& r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void markDocked(bool docked)
{
    checkMenuItem(IDM_ALWAYS_ON_TOP, docked || program.settings.AllwaysOnTop != 0);
    checkMenuItem(IDM_TOOLBAR_MODE, docked);
}

// Registers the bar unless the shell holds it already, and takes the top eighth of
// the monitor the window is on; false when the shell refused the registration.
bool dock(HWND mainWindow)
{
    APPBARDATA& bar = program.appBarData;
    if (!program.barRegistered) {
        bar.hWnd = mainWindow;
        bar.cbSize = sizeof bar;
        bar.uCallbackMessage = WM_APPBARNOTIFY;
        if (!SHAppBarMessage(ABM_NEW, &bar))
            return false;
        program.barRegistered = true;
    }
    const ScreenRectangle monitor = monitorOf(mainWindow);
    bar.rc = RECT{monitor.left, monitor.top, monitor.right, monitor.top + ((monitor.bottom - monitor.top) >> 3)};
    bar.uEdge = ABE_TOP;
    SHAppBarMessage(ABM_QUERYPOS, &bar);
    SHAppBarMessage(ABM_SETPOS, &bar);
    moveWindowTo(mainWindow, bar.rc);
    return true;
}

void leaveToolbarMode(HWND mainWindow)
{
    program.settings.AppBarMode = 0;
    removeAppBar();
    const ScreenRectangle& r = program.settings.WindowPosition;
    moveWindowTo(mainWindow, RECT{r.left, r.top, r.right, r.bottom});
    markDocked(false);
}

void enterToolbarMode(HWND mainWindow)
{
    if (IsWindowVisible(mainWindow)) {
        // Where it floats now is where leaving the mode puts it back; docking again
        // later (after a hide, at the next start) keeps this rectangle.
        RECT floating{};
        GetWindowRect(mainWindow, &floating);
        program.settings.WindowPosition = toScreenRectangle(floating);
        if (!dock(mainWindow))
            return;
    } else if (const APPBARDATA& bar = program.appBarData; bar.hWnd) {
        // Hidden, it goes to the rectangle of its last registration (before any,
        // nowhere) and docks for real when it is shown.
        moveWindowTo(bar.hWnd, bar.rc);
    }
    program.settings.AppBarMode = 1;
    markDocked(true);
}

} // namespace

void toggleToolbarMode(HWND mainWindow)
{
    if (program.settings.AppBarMode)
        leaveToolbarMode(mainWindow);
    else
        enterToolbarMode(mainWindow);
}

void dockAgain(HWND mainWindow)
{
    if (IsWindowVisible(mainWindow) && !dock(mainWindow)) {
        // Refused: out of toolbar mode, back where the window floated.
        leaveToolbarMode(mainWindow);
        return;
    }
    program.settings.AppBarMode = 1;
    markDocked(true);
}

void toggleVisibility(HWND mainWindow)
{
    const char* itemText;
    if (IsWindowVisible(mainWindow)) {
        ShowWindow(mainWindow, SW_HIDE);
        itemText = "&Show";
        // AppBarMode stays set: showing the window docks it again.
        removeAppBar();
    } else {
        ShowWindow(mainWindow, SW_SHOW);
        itemText = "&Hide";
        if (program.settings.AppBarMode)
            dockAgain(mainWindow);
    }
    setShowHideText(itemText);
    updateTrayIcon(mainWindow);
}

void setShowHideText(const char* text)
{
    // Only the text changes: replacing the whole item would drop its default (bold)
    // state, which tells the user what a double click on the tray icon does.
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(settingsMenu(), IDM_SHOW_HIDE, FALSE, &item);
}

void restoreAppBar(HWND mainWindow)
{
    if (!program.settings.AppBarMode || !IsWindowVisible(mainWindow))
        return;
    // A new shell knows no bars, but the news may come from a shell that still holds
    // ours and would refuse a second registration: it is asked to forget it first.
    removeAppBar();
    dockAgain(mainWindow);
}

void followDisplayChange(HWND mainWindow)
{
    SettingsRecord& settings = program.settings;
    if (settings.AppBarMode) {
        // Where leaving the mode will put the window must still be reachable.
        const ScreenRectangle& floating = settings.WindowPosition;
        settings.WindowPosition = reachablePlacement(floating, workAreaNearest(floating));
        dockAgain(mainWindow);
        return;
    }
    RECT outer{};
    GetWindowRect(mainWindow, &outer);
    const ScreenRectangle now = toScreenRectangle(outer);
    if (const ScreenRectangle placed = reachablePlacement(now, workAreaNearest(now)); !(placed == now))
        moveWindowTo(mainWindow, toRect(placed));
}

void removeAppBar()
{
    if (!program.barRegistered)
        return;
    SHAppBarMessage(ABM_REMOVE, &program.appBarData);
    program.barRegistered = false;
}
