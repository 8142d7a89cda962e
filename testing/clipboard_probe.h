// Pictures as a program pasting them sees them: a packed DIB (CF_DIB) read back into
// colours by the platform's own decoder.
#pragma once
#include <windows.h>

#include <vector>

struct DibPicture {
    BITMAPINFOHEADER header{};
    std::vector<DWORD> pixels; // 0x00RRGGBB, rows top first; empty when unreadable
};

// Reads the pixels after the header and its colour table, if the block holds them all.
DibPicture readPackedDib(HGLOBAL block);
// The CF_DIB on the clipboard (an empty picture when there is none); emptied after.
DibPicture takeClipboardDib();
