// A control sequence echoed raw can retitle the terminal, move the cursor or hide
// what follows; a line of megabytes buries the message. Both are shown tamed.
#include "terminal_text.h"

namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    // C1 controls (U+0080 to U+009F) act like escapes on many terminals.
    if (lead == 0xC2 && second < 0xA0)
        return 0;
    return length;
}

void appendEscaped(std::string& shown, unsigned char byte)
{
    static constexpr char hex[] = "0123456789abcdef";
    switch (byte) {
    case '\n': shown += "\\n"; return;
    case '\t': shown += "\\t"; return;
    case '\r': shown += "\\r"; return;
    case 0x1B: shown += "\\e"; return;
    case '\\': shown += "\\\\"; return;
    }
    shown += "\\x";
    shown += hex[byte >> 4];
    shown += hex[byte & 0xF];
}

} // namespace

std::string terminalText(std::string_view text, std::size_t limit)
{
    std::string shown;
    std::size_t at = 0;
    for (std::size_t characters = 0; at < text.size() && characters < limit; ++characters) {
        const std::size_t length = sequenceLength(text, at);
        const auto byte = static_cast<unsigned char>(text[at]);
        if (length == 0 || byte < 0x20 || byte == 0x7F || byte == '\\') {
            appendEscaped(shown, byte);
            ++at;
        } else {
            shown.append(text, at, length);
            at += length;
        }
    }
    if (at < text.size())
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}
