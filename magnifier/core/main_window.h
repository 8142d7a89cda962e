// The window procedure of the class "VISTREL": the only place Vistrel reacts to anything.
#pragma once
#include <windows.h>

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
