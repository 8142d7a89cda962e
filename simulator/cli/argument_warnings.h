// Warnings for the run arguments that Ignaro reads as less than was written ("45,5"
// is 45, "nan" is 0). The readings stay Ignaro's, so that a script gives the same
// rows on both programs; the user is told, on stderr.
#pragma once
#include <span>
#include <string>
#include <vector>

// One line (without its end) per argument read short, in the arguments' order; the
// sixth, the file name, is taken whole, and any after it are left out.
std::vector<std::string> argumentWarnings(std::span<const std::string> arguments);
