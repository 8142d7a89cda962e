// Pictures as a program pasting them sees them: a packed DIB (CF_DIB) read back into
// colours by the platform's own decoder.
#pragma once
#include <windows.h>

#include <vector>

struct DibPicture {
    BITMAPINFOHEADER header{};
    std::size_t tableBytes = 0; // colour-table bytes after the header
    std::vector<DWORD> pixels;  // 0x00RRGGBB, rows top first; empty when unreadable
};

DibPicture readPackedDib(HGLOBAL block);
// The CF_DIB on the clipboard (an empty picture when there is none); emptied after.
DibPicture takeClipboardDib();
