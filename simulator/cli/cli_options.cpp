// Options are read strictly: a study that ran with a mistyped seed or stream would
// look fine and be wrong.
#include "cli_options.h"

#include "terminal_text.h"

#include <charconv>
#include <limits>

namespace {

std::optional<std::uint64_t> readNumber(const std::string& text)
{
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "-seed" is a mistyped option, not an ignored argument; "-30" is a sweep's density.
bool isOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

} // namespace

CliOptions readOptions(std::span<const std::string> args)
{
    CliOptions options;
    for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (!isOption(arg)) {
            options.arguments.push_back(arg);
        } else if (arg == "--help" || arg == "--list-series" || arg == "--version" || arg == "--check") {
            (arg == "--help"      ? options.help
             : arg == "--version" ? options.version
             : arg == "--check"   ? options.check
                                  : options.listSeries) = true;
        } else if (arg != "--seed" && arg != "--stream" && arg != "--series" && arg != "--generator" &&
                   arg != "--summary" && arg != "--ignite") {
            options.error = "unknown option " + terminalText(arg);
            if (!arg.starts_with("--"))
                options.error += "; options start with \"--\", and a file name that starts with \"-\" can be "
                                 "written ./" + terminalText(arg);
        } else if (i + 1 == args.size()) {
            options.error = arg + " needs a value";
        } else if (const std::string& value = args[++i]; arg == "--generator") {
            if (value == "windows" || value == "pcg64")
                options.generator = value == "pcg64" ? GeneratorChoice::Pcg64 : GeneratorChoice::Windows;
            else
                options.error = "--generator is windows or pcg64, not \"" + terminalText(value) + "\"";
        } else if (arg == "--ignite") {
            if (value == "centre" || value == "edge")
                options.ignition = value == "edge" ? Ignition::Edge : Ignition::Centre;
            else
                options.error = "--ignite is centre or edge, not \"" + terminalText(value) + "\"";
        } else if (arg == "--summary") {
            options.summary = value;
        } else {
            std::optional<std::uint64_t>& number =
                arg == "--seed" ? options.seed : arg == "--stream" ? options.stream : options.series;
            number = readNumber(value);
            if (!number)
                options.error = arg + " takes a whole number from 0 up, not \"" + terminalText(value) + "\"";
        }
    }
    if (!options.error.empty())
        return options;
    if (options.stream && options.generator != GeneratorChoice::Pcg64)
        options.error = "--stream needs --generator pcg64";
    else if (options.seed && options.generator == GeneratorChoice::Windows &&
             *options.seed > std::numeric_limits<std::uint32_t>::max())
        options.error = "Ignaro's generator takes seeds up to 4294967295";
    else if (options.summary && !options.arguments.empty())
        options.error = "--summary takes no run arguments";
    return options;
}
