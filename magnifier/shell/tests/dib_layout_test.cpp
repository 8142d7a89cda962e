// The depth of the exported picture, and the About box's line naming the system from
// GetVersion's packed result (major, minor, then the build in the upper word, whose
// top bit marks the platforms that are not Windows NT). The table and row sizes show
// in the packed pictures themselves.
#include "dib_layout.h"
#include "os_version_line.h"

#include <gtest/gtest.h>

TEST(PackedDibDepth, DeepScreensGiveTwentyFourBitsAndARequestedDepthWins)
{
    std::vector<int> depths;
    for (auto [requested, planes, bits] : {std::array<std::uint16_t, 3>{0, 1, 15}, {0, 1, 32}, {0, 1, 1}, {0, 1, 8},
                                           {0, 4, 1}, {0, 4, 4}, {4, 1, 32}, {32, 1, 1}})
        depths.push_back(packedDibDepth(requested, planes, bits));
    EXPECT_EQ(depths, (std::vector{24, 24, 1, 8, 4, 24, 4, 24}));
    EXPECT_EQ(dibImageSize(101, 1, 24, true), 456u) << "a compressed image is estimated at half as much again";
}

TEST(OsVersionLine, NamesEveryPlatformByItsFormatAndKeepsLongLinesWhole)
{
    auto line = [](std::uint32_t major, std::uint32_t minor, std::uint32_t high) {
        return osVersionLine(major | minor << 8 | high << 16);
    };
    EXPECT_EQ(line(4, 0, 1381), "Microsoft Windows NT 4.0 (Build: 1381)");
    EXPECT_EQ(line(4, 10, 0xC000), "Microsoft Windows 95 4.10");
    EXPECT_EQ(line(1, 30, 0x8000 | 159), "Microsoft Win32s 1.30 (Build: 159)");
    EXPECT_EQ(line(255, 255, 32767), "Microsoft Windows NT 255.255 (Build: 32767)");
}
