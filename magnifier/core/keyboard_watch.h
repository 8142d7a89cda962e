// Where the keyboard is at work in the program in the foreground: its text cursor and
// its focused window, read at each look; and the system's focus and text-cursor
// events, which make the view look at once rather than at its next tick.
#pragma once
#include "keyboard_follow.h"

#include <windows.h>

// The places the settings ask to follow. While Vistrel itself is in the foreground,
// those of the last look: its menu or help must not pull the view to itself.
KeyboardPlaces lookAtKeyboard();
// Takes the events while either follow option is on, and lets them go otherwise.
void watchKeyboardEvents(HWND mainWindow);
