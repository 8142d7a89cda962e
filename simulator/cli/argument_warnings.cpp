// Each argument is read by Ignaro's own readers, and what they left out is named.
#include "argument_warnings.h"

#include "terminal_text.h"
#include "text_readers.h"
#include "utf8.h"

#include <array>
#include <charconv>
#include <string_view>

namespace {

std::string shortest(double value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string readShort(std::string_view name, const std::string& written, const TextReading& reading,
                      const std::string& value)
{
    const std::string start =
        "ignaro-cli: warning: the " + std::string(name) + " \"" + terminalText(written) + "\" is read as " + value;
    if (!reading.number)
        return start + ": it does not start with a number";
    if (reading.wrapped)
        return start + ": whole numbers wrap around at 2^32";
    const std::wstring wide = fromUtf8(written);
    if (reading.end == wide.size())
        return {};
    const std::wstring rest = wide.substr(reading.end);
    return start + ": \"" + terminalText(toUtf8(rest)) + "\" after the number is ignored" +
           (rest.starts_with(L',') ? " (the decimal point is a full stop)" : "");
}

} // namespace

std::vector<std::string> argumentWarnings(std::span<const std::string> arguments)
{
    static constexpr std::array<std::string_view, 5> names = {"x size", "y size", "density", "number of trials",
                                                              "silent flag"};
    std::vector<std::string> warnings;
    for (std::size_t k = 0; k < names.size() && k < arguments.size(); ++k) {
        const std::wstring text = fromUtf8(arguments[k]);
        std::string warning;
        if (k == 2) {
            // A density too large for a double is refused, not read.
            if (const std::optional<double> percent = readDecimalText(text))
                warning = readShort(names[k], arguments[k], decimalTextReading(text), shortest(*percent));
        } else {
            const std::int32_t value = readIntegerText(text);
            warning = readShort(names[k], arguments[k], integerTextReading(text), std::to_string(value));
            if (k == 4 && value != 0 && value != 1 && warning.empty())
                warning = "ignaro-cli: warning: the silent flag \"" + terminalText(arguments[k]) +
                          "\" is neither 0 nor 1; it is taken as 1, as any number but 0 is";
        }
        if (!warning.empty())
            warnings.push_back(warning);
    }
    // Ignaro.exe ignores them too, but here they are more often a mistyped option.
    if (arguments.size() > 6) {
        std::string extra;
        for (const std::string& argument : arguments.subspan(6))
            extra += (extra.empty() ? "\"" : " \"") + terminalText(argument) + "\"";
        warnings.push_back("ignaro-cli: warning: arguments after the sixth are ignored: " + extra);
    }
    return warnings;
}
