// The fire view: one pixel per forest cell, drawn the moment the model changes
// the cell. The model calls openFireView, drawCell and closeFireView (front_end.h).
#pragma once
#include "cell_state.h"

#include <windows.h>

COLORREF cellColour(CellState state);
HWND fireViewWindow(); // null while no view is open

// Where a window of the given outer size stands when centred on a screen: never
// left of or above its edges.
POINT centredPosition(SIZE window, SIZE screen);
