// The sizes of a packed DIB's colour table and pixel rows, read from the bytes of the
// two header forms as the platform lays them out; and the About box's system line.
#include "dib_layout.h"
#include "os_version_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// A 12-byte core header, or a 40-byte one whose fields after the bit count are
// poisoned but biClrUsed.
std::array<std::uint8_t, 40> header(bool core, std::uint16_t bitCount, std::uint32_t colorsUsed = 0)
{
    std::array<std::uint8_t, 40> h;
    h.fill(core ? 0 : 0xEE);
    const std::uint32_t size = core ? 12 : 40;
    std::memcpy(&h[0], &size, 4);
    std::memcpy(&h[core ? 10 : 14], &bitCount, 2);
    std::memcpy(&h[32], &colorsUsed, 4);
    return h;
}

TEST(DibLayout, ColourTablesImageSizesAndDepths)
{
    for (auto [bits, entries] : {std::pair<std::uint16_t, int>{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}, {0, 0}, {2, 0}}) {
        EXPECT_EQ(dibColorCount(header(true, bits).data()), entries) << bits;
        EXPECT_EQ(dibColorTableSize(header(true, bits).data()), entries * 3) << bits;
        EXPECT_EQ(dibColorTableSize(header(false, bits).data()), entries * 4) << bits;
    }
    // biClrUsed decides the table of the long form only.
    EXPECT_EQ(dibColorTableSize(header(false, 8, 20).data()), 80);
    EXPECT_EQ(dibColorTableSize(header(false, 24, 3).data()), 12);
    EXPECT_EQ(dibColorCount(header(true, 1, 99).data()), 2);

    // Rows padded to whole words; a compressed image estimated at half as much again.
    struct Image {
        std::uint32_t width, height, bits;
        bool compressed;
        std::uint32_t size;
    };
    for (Image i : {Image{101, 1, 24, false, 304}, {101, 10, 24, false, 3040}, {1, 1, 1, false, 4},
                    {33, 3, 1, false, 24}, {9, 2, 4, false, 16}, {5, 5, 8, false, 40}, {3, 2, 32, false, 24},
                    {0, 100, 24, false, 0}, {101, 1, 24, true, 456}, {1, 3, 1, true, 18}})
        EXPECT_EQ(dibImageSize(i.width, i.height, i.bits, i.compressed), i.size) << i.width << "x" << i.height;

    // Deep screens give 24-bit images; planes count; a requested depth wins.
    for (auto [requested, planes, bits, depth] : {std::array<std::uint16_t, 4>{0, 1, 15, 24}, {0, 1, 32, 24},
                                                  {0, 1, 1, 1}, {0, 1, 8, 8}, {0, 4, 1, 4}, {0, 4, 4, 24},
                                                  {4, 1, 32, 4}, {32, 1, 1, 24}})
        EXPECT_EQ(packedDibDepth(requested, planes, bits), depth) << requested << " " << planes << " " << bits;
}

TEST(OsVersionLine, NamesEveryPlatformByItsFormatAndKeepsLongLinesWhole)
{
    auto packed = [](std::uint32_t major, std::uint32_t minor, std::uint32_t high) {
        return major | minor << 8 | high << 16;
    };
    EXPECT_EQ(osVersionLine(packed(4, 0, 1381)), "Microsoft Windows NT 4.0 (Build: 1381)");
    // Windows 95 and 98 report their build with the top bit set; the line omits it.
    EXPECT_EQ(osVersionLine(packed(4, 10, 0xC000)), "Microsoft Windows 95 4.10");
    // Win32s on Windows 3.1: the build without its top bit.
    EXPECT_EQ(osVersionLine(packed(1, 30, 0x8000 | 159)), "Microsoft Win32s 1.30 (Build: 159)");
    EXPECT_EQ(osVersionLine(packed(10, 0, 19045)), "Microsoft Windows NT 10.0 (Build: 19045)");
    EXPECT_EQ(osVersionLine(packed(255, 255, 32767)), "Microsoft Windows NT 255.255 (Build: 32767)");
}

} // namespace
