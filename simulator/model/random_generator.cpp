// The generator state is process-wide: only the planting draws from it.
#include "random_generator.h"

namespace {
std::uint32_t state = 0;
}

void seedGenerator(std::uint32_t seed) { state = seed; }

std::uint32_t generatorState() { return state; }

int nextRandom()
{
    state = nextGeneratorState(state);
    return generatorOutput(state);
}

long double randomUnit() { return static_cast<long double>(nextRandom()) * randomUnitScale; }
