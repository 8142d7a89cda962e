// Vistrel's help: its own text, built into the program, in a plain window of its own
// that needs nothing beyond the system's edit control.
#pragma once
#include <windows.h>

// Opens the help window, or brings forward the one already open. An old help file
// "Vistrel.hlp" beside the program is opened by the system's help viewer instead.
void showHelp(HWND mainWindow);
