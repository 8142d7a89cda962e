// Docking the window as a desktop toolbar along the top edge of its monitor, hiding or
// showing it, and keeping it in reach when the monitors change. The only place that
// talks to the shell about the application bar.
#pragma once
#include <windows.h>

void toggleToolbarMode(HWND mainWindow);
// Docks the window again in toolbar mode, keeping the floating rectangle from before
// the mode was entered; a hidden window docks when it is shown. A refused
// registration leaves toolbar mode.
void dockAgain(HWND mainWindow);
void toggleVisibility(HWND mainWindow);
// "&Show" or "&Hide" on the show/hide item of the popup menu.
void setShowHideText(const char* text);
// Gives the top of the screen back to the shell, if the bar holds it.
void removeAppBar();
// Registers the bar of a shown, docked window again after the shell has restarted.
void restoreAppBar(HWND mainWindow);
// After the monitors have changed: a floating window within its user's reach on the
// nearest monitor, a docked one across the top of its monitor as it is now.
void followDisplayChange(HWND mainWindow);
