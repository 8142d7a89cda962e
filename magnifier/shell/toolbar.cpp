// Toolbar mode and show/hide. The bar is registered with the shell exactly while
// AppBarMode is set and the window is visible.
#include "toolbar.h"

#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "tray_icon.h"

APPBARDATA appBarData{};
// The shell's record as the 32-bit program passes it.
static_assert(sizeof(void*) != 4 || sizeof(APPBARDATA) == 36);

namespace {

void moveWindowTo(HWND window, const RECT& r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void leaveToolbarMode(HWND mainWindow)
{
    Settings.AppBarMode = 0;
    if (IsWindowVisible(mainWindow))
        SHAppBarMessage(ABM_REMOVE, &appBarData);
    checkMenuItem(IDM_ALWAYS_ON_TOP, Settings.AllwaysOnTop != 0);
    const ScreenRectangle& r = Settings.WindowPosition;
    moveWindowTo(mainWindow, RECT{r.left, r.top, r.right, r.bottom});
    checkMenuItem(IDM_TOOLBAR_MODE, false);
}

void enterToolbarMode(HWND mainWindow)
{
    if (IsWindowVisible(mainWindow)) {
        RECT floating{};
        GetWindowRect(mainWindow, &floating);
        Settings.WindowPosition = {floating.left, floating.top, floating.right, floating.bottom};
        appBarData.hWnd = mainWindow;
        appBarData.cbSize = sizeof appBarData;
        appBarData.uCallbackMessage = WM_APPBARNOTIFY;
        if (!SHAppBarMessage(ABM_NEW, &appBarData))
            return;
        appBarData.rc = RECT{screenRect.left, screenRect.top, screenRect.right, screenRect.bottom >> 3};
        appBarData.uEdge = ABE_TOP;
        SHAppBarMessage(ABM_QUERYPOS, &appBarData);
        SHAppBarMessage(ABM_SETPOS, &appBarData);
    }
    // A hidden window goes to the rectangle of its last registration; before any, the
    // handle is null and nothing moves.
    if (appBarData.hWnd)
        moveWindowTo(appBarData.hWnd, appBarData.rc);
    Settings.AppBarMode = 1;
    checkMenuItem(IDM_ALWAYS_ON_TOP, true);
    checkMenuItem(IDM_TOOLBAR_MODE, true);
}

} // namespace

void toggleToolbarMode(HWND mainWindow)
{
    if (Settings.AppBarMode)
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
        if (Settings.AppBarMode)
            SHAppBarMessage(ABM_REMOVE, &appBarData);
    } else {
        ShowWindow(mainWindow, SW_SHOW);
        itemText = "&Hide";
        if (Settings.AppBarMode) {
            Settings.AppBarMode = 0;
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
