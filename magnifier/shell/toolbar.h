// Docking the window as a desktop toolbar along the top edge, and hiding or showing it.
#pragma once
#include <windows.h>

void toggleToolbarMode(HWND mainWindow);
void toggleVisibility(HWND mainWindow);
// "&Show" or "&Hide" on the show/hide item of the popup menu.
void setShowHideText(const char* text);
