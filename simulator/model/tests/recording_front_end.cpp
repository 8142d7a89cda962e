// Records the front-end calls of the model instead of showing windows.
#include "model_fixture.h"

RecordedFrontEnd frontEnd;

const FrontEnd recordingFrontEnd{
    [](std::int32_t, std::int32_t) { frontEnd.calls.push_back("openFireView"); },
    [](std::int32_t x, std::int32_t y, CellState state) { frontEnd.drawn.push_back({x, y, state}); },
    [] { frontEnd.calls.push_back("closeFireView"); },
    [](std::int32_t, std::int32_t, std::int32_t) { frontEnd.calls.push_back("openResultsWindow"); },
    [](double, std::int32_t, double) { frontEnd.calls.push_back("appendResultRow"); },
    [] { frontEnd.calls.push_back("showResultsWindow"); },
};
