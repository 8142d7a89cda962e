// Ignaro's own 32-bit linear congruential generator. It is part of the model:
// the forests a seed plants depend on this exact sequence, so no platform
// random function may stand in for it.
#pragma once
#include <cstdint>

constexpr int randomMax = 0x7FFF;

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

// One generator per series of draws: the state is the planting's, passed to it.
class Generator {
public:
    explicit Generator(std::uint32_t seed = 0) : state_(seed) {}
    void seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t state() const { return state_; }
    int next() // 0 .. randomMax
    {
        state_ = nextGeneratorState(state_);
        return generatorOutput(state_);
    }
    long double unit() { return static_cast<long double>(next()) * randomUnitScale; } // in [0, 1]

private:
    std::uint32_t state_;
};
