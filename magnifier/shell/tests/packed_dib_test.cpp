// bitmapToPackedDib on bitmaps of every depth the screen or a program may hand it:
// the header the platform completes, the size of the colour table, and every pixel's
// colour read back.
#include "clipboard_probe.h"
#include "packed_dib.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(PackedDib, EveryDepthConvertsWithItsTableAndEveryPixel)
{
    constexpr int width = 101, height = 7; // odd, so that rows need padding at every depth
    for (auto [bits, packedBits, tableBytes] : {std::array{1, 1, 8}, {4, 4, 64}, {8, 8, 1024}, {24, 24, 0}, {32, 24, 0}}) {
        // A DIB section (a monochrome DDB for 1 bit) whose pixels differ in every direction.
        const unsigned entries = bits <= 8 ? 1u << bits : 0;
        std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 1024), pixels((width * bits + 31) / 32 * 4 * height);
        auto* header = reinterpret_cast<BITMAPINFO*>(info.data());
        header->bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bits), BI_RGB};
        for (unsigned i = 0; i < entries; ++i)
            header->bmiColors[i] = bits == 1 ? RGBQUAD{BYTE(i * 255), BYTE(i * 255), BYTE(i * 255)}
                                             : RGBQUAD{BYTE(255 - i), BYTE(i * 91 + 13), BYTE(i * 37)};
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<BYTE>(i * 7 + i / 13);
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = bits == 1 ? CreateBitmap(width, height, 1, 1, nullptr)
                                   : CreateDIBSection(screen, header, DIB_RGB_COLORS, nullptr, nullptr, 0);
        SetDIBits(screen, bitmap, 0, height, pixels.data(), header, DIB_RGB_COLORS);
        // The colours it shows, as the platform reads them out.
        std::vector<DWORD> colours(width * height);
        BITMAPINFO wanted{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
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
        EXPECT_TRUE(h.biBitCount == packedBits && h.biCompression == BI_RGB) << bits;
        EXPECT_EQ(picture.tableBytes, static_cast<std::size_t>(tableBytes)) << bits;
        EXPECT_EQ(h.biSizeImage, static_cast<DWORD>((width * packedBits + 31) / 32 * 4 * height)) << bits;
        EXPECT_TRUE(picture.pixels == colours) << bits;
    }
    EXPECT_EQ(bitmapToPackedDib(nullptr, BI_RGB, 0, nullptr), nullptr);
}

} // namespace
