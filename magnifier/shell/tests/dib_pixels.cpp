#include "dib_pixels.h"

#include <gtest/gtest.h>

DibPicture readPackedDib(const void* block, std::size_t blockSize)
{
    DibPicture picture;
    if (blockSize < sizeof picture.header) {
        ADD_FAILURE() << "a block of " << blockSize << " bytes holds no header";
        return picture;
    }
    const auto* bytes = static_cast<const BYTE*>(block);
    CopyMemory(&picture.header, bytes, sizeof picture.header);
    const BITMAPINFOHEADER& h = picture.header;
    const int bits = h.biBitCount;
    const std::size_t entries = h.biClrUsed ? h.biClrUsed : bits <= 8 ? std::size_t{1} << bits : 0;
    picture.tableBytes = entries * sizeof(RGBQUAD);
    picture.rowBytes = (static_cast<std::size_t>(h.biWidth) * bits + 31) / 32 * 4;
    const int width = h.biWidth, height = h.biHeight;
    const std::size_t needed = h.biSize + picture.tableBytes + picture.rowBytes * height;
    if (h.biSize != sizeof h || height <= 0 || needed > blockSize || (bits > 8 && bits != 24 && bits != 32) ||
        (bits <= 8 && bits != 1 && bits != 4 && bits != 8)) {
        ADD_FAILURE() << "not a readable DIB: size " << h.biSize << ", " << width << " x " << height << ", " << bits
                      << " bits, " << blockSize << " bytes";
        return picture;
    }
    const auto* table = reinterpret_cast<const RGBQUAD*>(bytes + h.biSize);
    const BYTE* rows = bytes + h.biSize + picture.tableBytes;
    auto colour = [](BYTE r, BYTE g, BYTE b) { return static_cast<DWORD>(r << 16 | g << 8 | b); };
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = rows + (height - 1 - y) * picture.rowBytes;
        for (int x = 0; x < width; ++x) {
            DWORD& out = picture.pixels[static_cast<std::size_t>(y) * width + x];
            if (bits > 8) {
                const BYTE* p = row + x * (bits / 8);
                out = colour(p[2], p[1], p[0]);
                continue;
            }
            const int perByte = 8 / bits;
            const unsigned index = row[x / perByte] >> (8 - bits * (x % perByte + 1)) & ((1u << bits) - 1);
            const RGBQUAD& q = table[index < entries ? index : 0];
            out = colour(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
    }
    return picture;
}

void emptyClipboard()
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

DibPicture clipboardDib()
{
    DibPicture picture;
    if (!OpenClipboard(nullptr))
        return picture;
    if (HANDLE block = GetClipboardData(CF_DIB)) {
        if (const void* bytes = GlobalLock(block)) {
            picture = readPackedDib(bytes, GlobalSize(block));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return picture;
}
