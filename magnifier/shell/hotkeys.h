// The global hotkeys: Alt+F12 freezes the view, Alt+F11 copies it, Ctrl+Alt+Page Up
// and Page Down zoom in and out, Ctrl+Alt+Insert inverts the colours.
#pragma once
#include <windows.h>

void enableHotKeys(HWND mainWindow);
void disableHotKeys(HWND mainWindow);
// At the retry timer: takes the keys that have come free since.
void retryHotKeys(HWND mainWindow);
