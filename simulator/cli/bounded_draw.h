// A draw uniform over [0, bound) from an engine of full-width words.
#pragma once
#include <concepts>
#include <limits>

// Lemire's multiply-and-reject: the high word of output x bound, redrawn for the few
// outputs whose low word would over-represent some results. Unbiased, and usually
// one multiplication without a division. Wide is twice Word's width.
template <std::unsigned_integral Word, typename Wide, typename Engine>
Word drawBelow(Engine& engine, Word bound)
{
    Wide product = static_cast<Wide>(engine()) * bound;
    auto low = static_cast<Word>(product);
    if (low < bound) {
        // 2^w mod bound, the number of outputs to refuse.
        const auto refused = static_cast<Word>(static_cast<Word>(0u - bound) % bound);
        while (low < refused) {
            product = static_cast<Wide>(engine()) * bound;
            low = static_cast<Word>(product);
        }
    }
    return static_cast<Word>(product >> std::numeric_limits<Word>::digits);
}
