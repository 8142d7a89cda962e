// Toolbar mode and show/hide. The bar is registered with the shell exactly while
// AppBarMode is set and the window is visible.
#include "toolbar.h"

#include "identifiers.h"
#include "program_state.h"
#include "tray_icon.h"

// The shell's record as the 32-bit program passes it.
static_assert(sizeof(void*) != 4 || sizeof(APPBARDATA) == 36);

namespace {

void moveWindowTo(HWND window, const RECT& r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void leaveToolbarMode(HWND mainWindow)
{
    SettingsRecord& settings = program.settings;
    settings.AppBarMode = 0;
    removeAppBar();
    checkMenuItem(IDM_ALWAYS_ON_TOP, settings.AllwaysOnTop != 0);
    const ScreenRectangle& r = settings.WindowPosition;
    moveWindowTo(mainWindow, RECT{r.left, r.top, r.right, r.bottom});
    checkMenuItem(IDM_TOOLBAR_MODE, false);
}

void enterToolbarMode(HWND mainWindow)
{
    APPBARDATA& bar = program.appBarData;
    if (IsWindowVisible(mainWindow)) {
        RECT floating{};
        GetWindowRect(mainWindow, &floating);
        program.settings.WindowPosition = {floating.left, floating.top, floating.right, floating.bottom};
        bar.hWnd = mainWindow;
        bar.cbSize = sizeof bar;
        bar.uCallbackMessage = WM_APPBARNOTIFY;
        if (!SHAppBarMessage(ABM_NEW, &bar))
            return;
        program.barRegistered = true;
        const RECT& screen = program.screenRect;
        bar.rc = RECT{screen.left, screen.top, screen.right, screen.bottom >> 3};
        bar.uEdge = ABE_TOP;
        SHAppBarMessage(ABM_QUERYPOS, &bar);
        SHAppBarMessage(ABM_SETPOS, &bar);
    }
    // A hidden window goes to the rectangle of its last registration; before any, the
    // handle is null and nothing moves.
    if (bar.hWnd)
        moveWindowTo(bar.hWnd, bar.rc);
    program.settings.AppBarMode = 1;
    checkMenuItem(IDM_ALWAYS_ON_TOP, true);
    checkMenuItem(IDM_TOOLBAR_MODE, true);
}

} // namespace

void toggleToolbarMode(HWND mainWindow)
{
    if (program.settings.AppBarMode)
        leaveToolbarMode(mainWindow);
    else
        enterToolbarMode(mainWindow);
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
        if (program.settings.AppBarMode) {
            program.settings.AppBarMode = 0;
            toggleToolbarMode(mainWindow);
        }
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

void removeAppBar()
{
    if (!program.barRegistered)
        return;
    SHAppBarMessage(ABM_REMOVE, &program.appBarData);
    program.barRegistered = false;
}
