// The two global hotkeys: Alt+F12 freezes the view, Alt+F11 copies it.
#pragma once
#include <windows.h>

void enableHotKeys(HWND mainWindow);
void disableHotKeys(HWND mainWindow);
