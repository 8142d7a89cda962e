// Whether rows can be appended to a results file, asked before the first trial: a
// study that could not keep its rows is refused before it costs anything.
#pragma once
#include <filesystem>
#include <system_error>

// The system's reason why rows could not be appended, or none. Leaves no trace: a
// missing file is not created, only its folder is asked.
std::error_code appendCheck(const std::filesystem::path& file);
