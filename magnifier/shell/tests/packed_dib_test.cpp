// bitmapToPackedDib on bitmaps of the depths that take different ways through it:
// colour tables of 2, 16 and 256 entries, and a deep bitmap packed at 24 bits. The
// header the platform completes, and every pixel's colour read back past the table.
#include "clipboard_probe.h"
#include "handles.h"
#include "packed_dib.h"
#include "window_probe.h"

#include <gtest/gtest.h>

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
        void* pixels = nullptr;
        const OwnedBitmap bitmap(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        for (int i = 0; i < (width * bits + 31) / 32 * 4 * height; ++i)
            static_cast<BYTE*>(pixels)[i] = static_cast<BYTE>(i * 7 + i / 13);

        HGLOBAL block = bitmapToPackedDib(bitmap.get(), BI_RGB, 0, nullptr);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "handed over unlocked";
        const DibPicture picture = readPackedDib(block);
        GlobalFree(block);
        // (The pixels show the size and the layout; a deep bitmap could be read back at
        // 32 bits as well, but is packed at 24.)
        const BITMAPINFOHEADER& h = picture.header;
        EXPECT_TRUE(h.biBitCount == std::min(bits, 24) && h.biPlanes == 1 && h.biCompression == BI_RGB) << bits;
        // The colours the bitmap shows, as the platform reads them out.
        const MemoryDC memory(nullptr);
        const SelectedObject keep(memory, bitmap.get());
        EXPECT_TRUE(picture.pixels == pixelsOf({0, 0, width, height}, memory)) << bits;
    }
    EXPECT_EQ(bitmapToPackedDib(nullptr, BI_RGB, 0, nullptr), nullptr);
}
