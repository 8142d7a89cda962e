// The commands of the popup menu.
#pragma once
#include <windows.h>

// True when the identifier is a command of the menu and has been carried out.
bool runMenuCommand(HWND mainWindow, UINT command);
// The help file, for the Help command and F1.
void openHelp(HWND mainWindow);
