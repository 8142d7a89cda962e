// Reads a packed DIB (header, colour table, bottom-up rows) back into colours, as a
// program pasting it would, for the tests of the clipboard picture.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

struct DibPicture {
    BITMAPINFOHEADER header{};
    std::size_t tableBytes = 0;           // colour-table bytes after the header
    std::size_t rowBytes = 0;             // padded row length
    std::vector<DWORD> pixels;            // 0x00RRGGBB, rows top first
};

// Decodes 1, 4, 8, 24 and 32 bits per pixel; fails the test on anything else.
DibPicture readPackedDib(const void* block, std::size_t blockSize);

// The CF_DIB on the clipboard, or an empty picture when there is none.
DibPicture clipboardDib();
void emptyClipboard();
