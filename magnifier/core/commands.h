// The commands of the popup menu.
#pragma once
#include "settings_record.h"

#include <windows.h>

// True when the identifier is a command of the menu and has been carried out.
bool runMenuCommand(HWND mainWindow, UINT command);
// Marks the factor's menu item, and only that one.
void markZoom(Zoom zoom);
// Magnifies at the factor from the next frame on, with its menu mark.
void zoomTo(Zoom zoom);
