// ignaro-cli: Ignaro's silent runs on Linux, with the Windows program's arguments,
// checks, texts and rows; seeds, a second generator, single series of a sweep and
// summaries for large studies.
#pragma once
#include <ostream>
#include <span>
#include <string>

// The exit status: 0 after a run or a summary, 1 when a run or summary ended with a
// notice, 2 for a rejected command line. Messages go to `err` in UTF-8; `err` shows
// progress when it is a terminal.
int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err, bool terminal);
