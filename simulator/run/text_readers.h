// How Ignaro reads the numbers the user typed: leading blanks are skipped and the
// reading stops at the first character that does not fit; whatever follows is
// ignored, and a text without a number reads as 0.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// Decimal digits with an optional sign, accumulated modulo 2^32 like the
// original 32-bit reader ("12abc" is 12, "abc" is 0).
std::int32_t readIntegerText(std::wstring_view text);

// A decimal number with optional fraction and exponent, always with "." as the
// decimal point. Empty when the number is too large for a double.
std::optional<double> readDecimalText(std::wstring_view text);
