// The clipboard picture: a device-dependent bitmap turned into the packed
// device-independent bitmap that the clipboard format CF_DIB holds (header, colour
// table and pixel rows in one block), and handed to the clipboard.
#pragma once
#include <windows.h>

// An unlocked moveable block owned by the caller, or null (nothing left allocated).
// A bit count of 0 keeps the bitmap's own depth; a null palette means DEFAULT_PALETTE.
HGLOBAL bitmapToPackedDib(HBITMAP bitmap, DWORD compression, WORD bitCount, HPALETTE palette);

// Puts the bitmap on the clipboard as CF_DIB, for the owner window; a bitmap that
// cannot be converted leaves the clipboard as it was.
void copyBitmapToClipboard(HWND owner, HBITMAP bitmap);
