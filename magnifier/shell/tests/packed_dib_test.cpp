// bitmapToPackedDib on bitmaps of the depths that take different ways through it:
// colour tables of 2, 16 and 256 entries, and a deep bitmap packed at 24 bits. The
// header the platform completes, and every pixel's colour read back past the table.
#include "clipboard_probe.h"
#include "packed_dib.h"

#include <gtest/gtest.h>

namespace {

TEST(PackedDib, EachDepthConvertsWithItsTableAndEveryPixel)
{
    constexpr int width = 101, height = 7; // odd, so that rows need padding at every depth
    for (int bits : {1, 4, 8, 32}) {
        // A DIB section whose pixels differ in every direction, and the colours it shows
        // as the platform reads them out.
        std::vector<BYTE> table(sizeof(BITMAPINFOHEADER) + 1024);
        auto* info = reinterpret_cast<BITMAPINFO*>(table.data());
        info->bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bits), BI_RGB};
        for (int i = 0; i < 256; ++i)
            info->bmiColors[i] = {BYTE(255 - i), BYTE(i * 91 + 13), BYTE(i * 37)};
        BYTE* pixels = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
        for (int i = 0; i < (width * bits + 31) / 32 * 4 * height; ++i)
            pixels[i] = static_cast<BYTE>(i * 7 + i / 13);
        std::vector<DWORD> colours(width * height);
        BITMAPINFO wanted{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, height, colours.data(), &wanted, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (DWORD& colour : colours)
            colour &= 0xFFFFFF;

        HGLOBAL block = bitmapToPackedDib(bitmap, BI_RGB, 0, nullptr);
        DeleteObject(bitmap);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "handed over unlocked";
        const DibPicture picture = readPackedDib(block);
        GlobalFree(block);
        const BITMAPINFOHEADER& h = picture.header;
        EXPECT_TRUE(h.biSize == 40 && h.biWidth == width && h.biHeight == height && h.biPlanes == 1) << bits;
        EXPECT_TRUE(h.biBitCount == std::min(bits, 24) && h.biCompression == BI_RGB) << bits;
        EXPECT_TRUE(picture.pixels == colours) << bits;
    }
    EXPECT_EQ(bitmapToPackedDib(nullptr, BI_RGB, 0, nullptr), nullptr);
}

} // namespace
