// Vistrel's program-wide state: one main window per process, so one of each.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;
extern RECT screenRect;       // the primary screen at start-up; never refreshed
extern HMENU mainMenu;        // never attached: its submenu 1 is the popup menu
extern HCURSOR arrowCursor;   // drawn by the Arrow indicator
extern HICON indicatorIcon;   // the image of the last Crosshair-type indicator chosen

// The popup menu ("&Settings") of mainMenu, or null when the menu did not load.
HMENU settingsMenu();
// Puts or removes the check mark of a command of mainMenu.
void checkMenuItem(UINT command, bool checked);
