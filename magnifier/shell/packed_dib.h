// Turns a device-dependent bitmap into the packed device-independent bitmap that the
// clipboard format CF_DIB holds: header, colour table and pixel rows in one block.
#pragma once
#include <windows.h>

// An unlocked moveable block owned by the caller, or null (nothing left allocated).
// A bit count of 0 keeps the bitmap's own depth; a null palette means DEFAULT_PALETTE.
HGLOBAL bitmapToPackedDib(HBITMAP bitmap, DWORD compression, WORD bitCount, HPALETTE palette);
