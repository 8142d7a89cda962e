// Ignaro's own 32-bit linear congruential generator. It is part of the model:
// the forests a seed plants depend on this exact sequence, so no platform
// random function may stand in for it.
#pragma once
#include <cstdint>

constexpr int randomMax = 0x7FFF;

void seedGenerator(std::uint32_t seed);
int nextRandom();                  // 0 .. randomMax
long double randomUnit();          // nextRandom() * K, in [0, 1]

// 1/32767 rounded down to the 64-bit significand: the product for 32767 is exactly 1.
constexpr long double randomUnitScale = 0x8001000200040008p-78L;
