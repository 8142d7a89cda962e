// Ignaro's numbers are reproducible only with x87 extended precision (64-bit
// significand) and round-to-nearest. The control word a process starts with is not
// ours to trust (a thread made with raw CreateThread starts at 53 bits), so the
// model sets it around the computations that depend on it.
#pragma once
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the forest model needs the x87 extended format (64-bit significand)");

#if !(defined(__i386__) || defined(__x86_64__))
#error "the forest model needs an x87 FPU"
#endif

// Sets the precision for its lifetime. The compiler does not know that arithmetic
// depends on the control word: the "memory" clobber keeps everything that reads or
// writes memory inside the scope, and values that live only in registers must pass
// through pinExtended (below) to stay inside it too.
class ExtendedPrecisionScope {
public:
    ExtendedPrecisionScope() noexcept
    {
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_) : : "memory");
        // Precision control 11 (64-bit significand), rounding control 00 (nearest);
        // the exception masks stay as they were.
        std::uint16_t wanted = static_cast<std::uint16_t>((saved_ & ~0x0F00u) | 0x0300u);
        __asm__ __volatile__("fldcw %0" : : "m"(wanted) : "memory");
    }
    ~ExtendedPrecisionScope() { __asm__ __volatile__("fldcw %0" : : "m"(saved_) : "memory"); }
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

private:
    std::uint16_t saved_ = 0;
};

// An ordering point for the compiler: the values are taken as changed here, so
// arithmetic on them cannot move before this point, and a result pinned here
// must be computed before it.
template <typename Value>
inline void pinOne(Value& value)
{
    __asm__ __volatile__("" : "+m"(value));
}

template <typename... Values>
inline void pinExtended(Values&... values)
{
    (pinOne(values), ...);
}

inline long double extendedProduct(long double a, long double b)
{
    ExtendedPrecisionScope precision;
    pinExtended(a, b);
    long double result = a * b;
    pinExtended(result);
    return result;
}

inline long double extendedSum(long double a, long double b)
{
    ExtendedPrecisionScope precision;
    pinExtended(a, b);
    long double result = a + b;
    pinExtended(result);
    return result;
}

inline long double extendedQuotient(long double a, long double b)
{
    ExtendedPrecisionScope precision;
    pinExtended(a, b);
    long double result = a / b;
    pinExtended(result);
    return result;
}

// Truncation toward zero, exact for any value that fits in 64 bits. The compiler's
// own conversion switches the x87 rounding mode to chop and back around every
// fistp unless SSE3's fisttp may be used, and that costs more than the planting's
// products. fistp under whatever mode is set lands on one of the two integers
// around the value; stepping back toward zero when it overshot gives the
// truncation without touching the control word.
inline std::int64_t truncateExtended(long double value)
{
    std::int64_t rounded;
    __asm__("fistpll %0" : "=m"(rounded) : "t"(value) : "st");
    // Flags rather than a branch: whether fistp overshot is a coin toss for the
    // planting's draws, so a branch on it would often be mispredicted.
    const long double back = static_cast<long double>(rounded);
    if (value >= 0)
        return rounded - (back > value);
    return rounded + (back < value);
}
