// Ignaro's numbers are reproducible only with x87 extended precision (64-bit
// significand) and round-to-nearest. The control word a process starts with is not
// ours to trust (a thread made with raw CreateThread starts at 53 bits), so the
// model sets it for the computations that depend on it.
#pragma once
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the forest model needs the x87 extended format (64-bit significand)");

#if !(defined(__i386__) || defined(__x86_64__))
#error "the forest model needs an x87 FPU"
#endif

class ExtendedPrecisionScope {
public:
    ExtendedPrecisionScope() noexcept
    {
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
        // Precision control 11 (64-bit significand), rounding control 00 (nearest);
        // the exception masks stay as they were.
        std::uint16_t wanted = static_cast<std::uint16_t>((saved_ & ~0x0F00u) | 0x0300u);
        __asm__ __volatile__("fldcw %0" : : "m"(wanted));
    }
    ~ExtendedPrecisionScope() { __asm__ __volatile__("fldcw %0" : : "m"(saved_)); }
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

private:
    std::uint16_t saved_ = 0;
};
