// The notices a run ends with, worded alike by the Windows program and the command
// line.
#pragma once
#include "experiment.h"

#include <cstdint>
#include <string>
#include <vector>

// In the order they are shown; the file name as the user gave it.
std::vector<std::wstring> runNotices(const RunReport& report, std::int32_t xsize, std::int32_t ysize,
                                     std::int32_t trials, const std::wstring& fileName);
