// bitmapToPackedDib on bitmaps of every depth the screen or a program may hand it:
// the header the platform completes, the size of the colour table, padded rows, and
// every pixel's colour read back.
#include "dib_pixels.h"
#include "packed_dib.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int width = 101, height = 7;  // odd, so that rows need padding at every depth

DWORD paletteColour(unsigned index)
{
    return static_cast<DWORD>(((index * 37) & 0xff) << 16 | ((index * 91 + 13) & 0xff) << 8 | ((255 - index) & 0xff));
}

DWORD trueColour(int x, int y)
{
    return static_cast<DWORD>(((x * 7) & 0xff) << 16 | ((y * 40 + x) & 0xff) << 8 | ((x * 3 + y) & 0xff));
}

unsigned paletteIndex(int x, int y, unsigned entries)
{
    return static_cast<unsigned>(x * 3 + y * 5) % entries;
}

// A bitmap of the given depth with known pixels, and the colours it shows.
struct SourceBitmap {
    HBITMAP bitmap = nullptr;
    std::vector<DWORD> colours;  // 0x00RRGGBB, rows top first
    ~SourceBitmap() { DeleteObject(bitmap); }
};

void makeMonochrome(SourceBitmap& source)
{
    // A monochrome device-dependent bitmap: set bits are white.
    const int rowBytes = (width + 15) / 16 * 2;
    std::vector<BYTE> bits(rowBytes * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool white = (x + y) % 3 == 0;
            if (white)
                bits[y * rowBytes + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
            source.colours.push_back(white ? 0xffffff : 0);
        }
    source.bitmap = CreateBitmap(width, height, 1, 1, bits.data());
}

void makeDibSection(SourceBitmap& source, int bitCount)
{
    const unsigned entries = bitCount <= 8 ? 1u << bitCount : 0;
    std::vector<BYTE> infoBytes(sizeof(BITMAPINFOHEADER) + entries * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(infoBytes.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = -height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    for (unsigned i = 0; i < entries; ++i) {
        const DWORD c = paletteColour(i);
        info->bmiColors[i] = {static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0};
    }
    void* pixels = nullptr;
    source.bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    ASSERT_NE(source.bitmap, nullptr);
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    for (int y = 0; y < height; ++y) {
        BYTE* row = static_cast<BYTE*>(pixels) + y * rowBytes;  // top-down section
        for (int x = 0; x < width; ++x) {
            if (entries) {
                const unsigned index = paletteIndex(x, y, entries);
                const int perByte = 8 / bitCount;
                row[x / perByte] |= static_cast<BYTE>(index << (8 - bitCount * (x % perByte + 1)));
                source.colours.push_back(paletteColour(index));
            } else {
                const DWORD c = trueColour(x, y);
                BYTE* p = row + x * (bitCount / 8);
                p[0] = static_cast<BYTE>(c), p[1] = static_cast<BYTE>(c >> 8), p[2] = static_cast<BYTE>(c >> 16);
                source.colours.push_back(c);
            }
        }
    }
    GdiFlush();
}

TEST(PackedDib, EveryDepthConvertsWithItsTableAndPaddedRows)
{
    struct Case {
        int sourceBits, packedBits;
        std::size_t tableBytes, rowBytes;
    };
    for (const Case c : {Case{1, 1, 8, 16}, {4, 4, 64, 52}, {8, 8, 1024, 104}, {24, 24, 0, 304}, {32, 24, 0, 304}}) {
        SCOPED_TRACE(testing::Message() << c.sourceBits << " bits per pixel");
        SourceBitmap source;
        if (c.sourceBits == 1)
            makeMonochrome(source);
        else
            makeDibSection(source, c.sourceBits);
        ASSERT_NE(source.bitmap, nullptr);

        HGLOBAL block = bitmapToPackedDib(source.bitmap, BI_RGB, 0, nullptr);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);  // handed over unlocked
        const SIZE_T blockSize = GlobalSize(block);
        const DibPicture picture = readPackedDib(GlobalLock(block), blockSize);
        GlobalUnlock(block);
        GlobalFree(block);

        const BITMAPINFOHEADER& h = picture.header;
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biWidth, width);
        EXPECT_EQ(h.biHeight, height);  // bottom-up
        EXPECT_EQ(h.biPlanes, 1);
        EXPECT_EQ(h.biBitCount, c.packedBits);
        EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(picture.tableBytes, c.tableBytes);
        EXPECT_EQ(picture.rowBytes, c.rowBytes);
        EXPECT_EQ(h.biSizeImage, c.rowBytes * height);
        EXPECT_GE(blockSize, 40 + c.tableBytes + c.rowBytes * height);
        EXPECT_EQ(picture.pixels, source.colours);
    }
}

TEST(PackedDib, ANullBitmapGivesNoBlock)
{
    EXPECT_EQ(bitmapToPackedDib(nullptr, BI_RGB, 0, nullptr), nullptr);
}

} // namespace
