// The window procedure of the class "VISTREL": the only place Vistrel reacts to anything.
#pragma once
#include <windows.h>

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// While start-up prepares the window, commands and show requests sent from outside
// (handled inside start-up's own waits on the shell) are posted again for later.
void holdRequestsDuringStartUp(bool hold);
