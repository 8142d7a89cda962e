// PCG64's own sequence of outputs, made a block at a time by two interleaved states
// that each step two places at once (the multiplier squared): the engine's 128-bit
// multiply-add chain then runs two abreast in a small loop of its own, instead of
// setting the pace of a planting that takes an output for every draw or two.
#pragma once
#include <array>
#include <cstdint>
#include <pcg_random.hpp>

class Pcg64Blocks : private pcg64 {
public:
    static constexpr std::size_t size = 64;
    using Block = std::array<std::uint64_t, size>;

    explicit Pcg64Blocks(const pcg64& engine) : pcg64(engine) {}

    // The next `size` outputs, as the engine would give them one at a time.
    void fill(Block& block)
    {
        constexpr state_type pairMultiplier = multiplier() * multiplier();
        const state_type pairIncrement = increment() * (multiplier() + 1);
        state_type first = bump(state_), second = bump(first);
        for (std::size_t k = 0; k < size; k += 2) {
            block[k] = output(first);
            block[k + 1] = output(second);
            state_ = second;
            first = first * pairMultiplier + pairIncrement;
            second = second * pairMultiplier + pairIncrement;
        }
    }

    // The engine as it would be had the last `givenBack` outputs not been taken.
    pcg64 engine(std::uint64_t givenBack) const
    {
        pcg64 engine = static_cast<const pcg64&>(*this);
        engine.backstep(givenBack);
        return engine;
    }
};
