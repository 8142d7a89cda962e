// The benchmark runs silent trials only: the model's calls into the front end
// have nowhere to go.
#include "front_end.h"

void openFireView(std::int32_t, std::int32_t) {}
void drawCell(std::int32_t, std::int32_t, CellState) {}
void closeFireView() {}
void openResultsWindow(std::int32_t, std::int32_t, std::int32_t) {}
void appendResultRow(double, std::int32_t, double) {}
void showResultsWindow() {}
