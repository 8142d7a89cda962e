// The fire view: one pixel per forest cell, drawn the moment the model changes
// the cell. A visible run calls openFireView, drawCell and closeFireView through
// the front end that validateAndRun gives it.
#pragma once
#include "cell_state.h"
#include "forest.h"

#include <windows.h>

// The view repaints from `forest` until it is closed.
void openFireView(const Forest& forest);
void drawCell(std::int32_t x, std::int32_t y, CellState state);
void closeFireView();

COLORREF cellColour(CellState state);
HWND fireViewWindow(); // null while no view is open

// Where a window of the given outer size stands when centred on a screen: never
// left of or above its edges.
POINT centredPosition(SIZE window, SIZE screen);
