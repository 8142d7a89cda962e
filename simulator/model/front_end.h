// What the fire model asks of the front end. The Windows program implements these
// with its fire view and results window; the model calls them only in runs that
// are not silent.
#pragma once
#include "cell_state.h"

#include <cstdint>

void openFireView(std::int32_t xsize, std::int32_t ysize);
void drawCell(std::int32_t x, std::int32_t y, CellState state);
void closeFireView();

void openResultsWindow(std::int32_t xsize, std::int32_t ysize, std::int32_t trials);
void appendResultRow(double density, std::int32_t fireTime, double burntFraction);
void showResultsWindow();
