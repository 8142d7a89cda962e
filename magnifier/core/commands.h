// The commands of the popup menu.
#pragma once
#include <windows.h>

// True when the identifier is a command of the menu and has been carried out.
bool runMenuCommand(HWND mainWindow, UINT command);
