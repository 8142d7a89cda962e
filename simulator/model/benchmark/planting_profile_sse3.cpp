// Compiled with -msse3 (see CMakeLists.txt): the only code of the benchmark that
// may use fisttp, and it is called only on a CPU that has it.
#include "planting_profile.h"

void plantWithSse3Conversion(std::span<std::int16_t> grid, std::int32_t xsize, std::int32_t ysize,
                             std::int64_t target, std::uint32_t seed)
{
    plantWith(grid, xsize, ysize, target, seed, [](long double value) { return static_cast<std::int32_t>(value); });
}
