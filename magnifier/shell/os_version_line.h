// The About box's line naming the operating system, from GetVersion's packed result.
#pragma once
#include <cstdint>
#include <string>

std::string osVersionLine(std::uint32_t version);
