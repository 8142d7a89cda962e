#include "os_version_line.h"

#include <cstdio>

std::string osVersionLine(std::uint32_t version)
{
    const unsigned major = version & 0xFF, minor = (version >> 8) & 0xFF, build = version >> 16;
    const bool windowsNt = (version & 0x80000000u) == 0;
    // Room for the longest line, "Microsoft Windows NT 255.255 (Build: 32767)".
    char line[64];
    if (windowsNt)
        std::snprintf(line, sizeof line, "Microsoft Windows NT %u.%u (Build: %u)", major, minor, build);
    else if (major < 4)
        std::snprintf(line, sizeof line, "Microsoft Win32s %u.%u (Build: %u)", major, minor, build & 0x7FFF);
    else
        std::snprintf(line, sizeof line, "Microsoft Windows 95 %u.%u", major, minor);
    return line;
}
