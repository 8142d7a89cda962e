// Records the front-end calls of the model instead of showing windows.
#include "model_fixture.h"

#include "front_end.h"

RecordedFrontEnd frontEnd;

void openFireView(std::int32_t, std::int32_t) { frontEnd.calls.push_back("openFireView"); }
void drawCell(std::int32_t x, std::int32_t y, CellState state) { frontEnd.drawn.push_back({x, y, state}); }
void closeFireView() { frontEnd.calls.push_back("closeFireView"); }
void openResultsWindow(std::int32_t, std::int32_t, std::int32_t) { frontEnd.calls.push_back("openResultsWindow"); }
void appendResultRow(double, std::int32_t, double) { frontEnd.calls.push_back("appendResultRow"); }
void showResultsWindow() { frontEnd.calls.push_back("showResultsWindow"); }
