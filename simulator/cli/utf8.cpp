// UTF-8 by hand: std::wstring_convert is deprecated, and the locale's converters
// depend on the user's settings, which say nothing about how the texts are encoded.
#include "utf8.h"

std::string toUtf8(std::wstring_view text)
{
    std::string bytes;
    for (wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (code >> 18));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

namespace {

// 0 for a byte that cannot start a character: a continuation byte, or one that would
// start an overlong form or a value past U+10FFFF.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    return lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
}

} // namespace

std::wstring fromUtf8(std::string_view text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        std::size_t taken = 1;
        for (; taken < length && i + taken < text.size(); ++taken) {
            const auto next = static_cast<unsigned char>(text[i + taken]);
            if ((next & 0xC0) != 0x80)
                break;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        const bool valid = length != 0 && taken == length && !(length == 3 && code < 0x800) &&
                           !(length == 4 && (code < 0x10000 || code > 0x10FFFF)) && !(code >= 0xD800 && code <= 0xDFFF);
        wide += valid ? static_cast<wchar_t>(code) : L'\uFFFD';
        i += taken;
    }
    return wide;
}
