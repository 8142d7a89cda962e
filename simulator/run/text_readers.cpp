// Readers of the integer and decimal texts of the command line and the dialog.
#include "text_readers.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool isBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t skipBlanks(std::wstring_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

std::size_t skipDigits(std::wstring_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

} // namespace

std::int32_t readIntegerText(std::wstring_view text)
{
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    std::uint32_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - L'0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::optional<double> readDecimalText(std::wstring_view text)
{
    // Find the longest prefix that is a plain decimal number, so that neither
    // "inf", "nan" nor hexadecimal forms are taken for numbers.
    std::size_t start = skipBlanks(text);
    std::size_t i = start;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        ++i;
    std::size_t digitsStart = i;
    i = skipDigits(text, i);
    std::size_t integerDigits = i - digitsStart;
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == L'.') {
        std::size_t afterPoint = skipDigits(text, i + 1);
        fractionDigits = afterPoint - (i + 1);
        if (integerDigits + fractionDigits > 0)
            i = afterPoint;
    }
    if (integerDigits + fractionDigits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-'))
            ++j;
        std::size_t afterExponent = skipDigits(text, j);
        if (afterExponent > j)
            i = afterExponent;
    }

    // The prefix is plain ASCII; strtod reads it in the "C" locale the program
    // never leaves, so the point is a point whatever the regional settings.
    std::string number(text.begin() + static_cast<std::ptrdiff_t>(start), text.begin() + static_cast<std::ptrdiff_t>(i));
    errno = 0;
    double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}
