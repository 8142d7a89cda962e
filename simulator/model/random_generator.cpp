// The generator state is process-wide: only the planting draws from it.
#include "random_generator.h"

namespace {
std::uint32_t state = 0;
}

void seedGenerator(std::uint32_t seed) { state = seed; }

int nextRandom()
{
    state = state * 22695477u + 1u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

long double randomUnit() { return static_cast<long double>(nextRandom()) * randomUnitScale; }
