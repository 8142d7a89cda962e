// Ignaro's own 32-bit linear congruential generator. It is part of the model:
// the forests a seed plants depend on this exact sequence, so no platform
// random function may stand in for it.
#pragma once
#include <cstdint>

constexpr int randomMax = 0x7FFF;

void seedGenerator(std::uint32_t seed);
int nextRandom();                  // 0 .. randomMax
long double randomUnit();          // nextRandom() * K, in [0, 1]

// The same steps for loops that draw from a copy of the state and hand it back
// with seedGenerator.
std::uint32_t generatorState();
constexpr std::uint32_t generatorMultiplier = 22695477u;
constexpr std::uint32_t nextGeneratorState(std::uint32_t state) { return state * generatorMultiplier + 1u; }
constexpr int generatorOutput(std::uint32_t state) { return static_cast<int>((state >> 16) & 0x7FFFu); }
// Two steps in one, (s * a + 1) * a + 1, so that the second need not wait for the first.
constexpr std::uint32_t generatorStateAfterTwo(std::uint32_t state)
{
    return state * (generatorMultiplier * generatorMultiplier) + (generatorMultiplier + 1u);
}
// A step back, for loops that drew ahead of use. The multiplier is odd, so it has an
// inverse modulo 2^32 (Newton's iteration doubles the correct low bits each time).
constexpr std::uint32_t generatorMultiplierInverse = [] {
    std::uint32_t inverse = generatorMultiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - generatorMultiplier * inverse;
    return inverse;
}();
static_assert(generatorMultiplier * generatorMultiplierInverse == 1u);
constexpr std::uint32_t previousGeneratorState(std::uint32_t state) { return (state - 1u) * generatorMultiplierInverse; }

// 1/32767 rounded down to the 64-bit significand: the product for 32767 is exactly 1.
constexpr long double randomUnitScale = 0x8001000200040008p-78L;
