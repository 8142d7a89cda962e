// Whether rows can be appended to a results file, asked before the first trial: a
// study that could not keep its rows is refused before it costs anything.
#pragma once
#include <filesystem>
#include <system_error>

// The system's reason why rows could not be appended, or none. Leaves no trace: a
// missing file is not created, only its folder is asked.
std::error_code appendCheck(const std::filesystem::path& file);

// A results file whose last byte is not a line end: its last row was cut short, most
// likely, and the run will end that line before its own rows.
bool endsWithoutLineEnd(const std::filesystem::path& file);
