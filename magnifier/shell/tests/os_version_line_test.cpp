// The About box's operating-system line from GetVersion's packed result: major in the
// lowest byte, minor in the next, build in the upper word; the top bit marks the
// platforms that are not Windows NT.
#include "os_version_line.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint32_t packed(std::uint32_t major, std::uint32_t minor, std::uint32_t high)
{
    return major | minor << 8 | high << 16;
}

TEST(OsVersionLine, NamesEveryPlatformByItsFormat)
{
    EXPECT_EQ(osVersionLine(packed(4, 0, 1381)), "Microsoft Windows NT 4.0 (Build: 1381)");
    EXPECT_EQ(osVersionLine(packed(6, 1, 7601)), "Microsoft Windows NT 6.1 (Build: 7601)");
    // Windows 95 and 98 report their build with the top bit set; the line omits it.
    EXPECT_EQ(osVersionLine(packed(4, 0, 0xC3B6)), "Microsoft Windows 95 4.0");
    EXPECT_EQ(osVersionLine(packed(4, 10, 0xC000)), "Microsoft Windows 95 4.10");
    // Win32s on Windows 3.1: the build without its top bit.
    EXPECT_EQ(osVersionLine(packed(1, 30, 0x8000 | 159)), "Microsoft Win32s 1.30 (Build: 159)");
}

TEST(OsVersionLine, LongLinesOfCurrentWindowsAreWhole)
{
    // 40 characters, one more than the line once had room for.
    EXPECT_EQ(osVersionLine(packed(10, 0, 19045)), "Microsoft Windows NT 10.0 (Build: 19045)");
    EXPECT_EQ(osVersionLine(packed(10, 0, 26100)), "Microsoft Windows NT 10.0 (Build: 26100)");
    EXPECT_EQ(osVersionLine(packed(255, 255, 32767)), "Microsoft Windows NT 255.255 (Build: 32767)");
}

} // namespace
