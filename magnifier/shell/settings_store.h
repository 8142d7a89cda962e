// Moves Settings between memory and the user's registry key.
#pragma once
#include <windows.h>

inline constexpr const char* settingsKeyPath = "Software\\Quorix Inc.\\Vistrel";

// Fills program.settings from the registry, or from the defaults; cannot fail.
void loadSettings();
// Refreshes WindowPosition from the floating window and writes every value.
void saveSettings(HWND mainWindow);
