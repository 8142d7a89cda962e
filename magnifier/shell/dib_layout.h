// The sizes inside a packed device-independent bitmap: colour table and pixel rows.
// Portable, so the rules are tested natively; the headers are read as the bytes the
// platform lays out (little-endian), either the 12-byte core form or the 40-byte form.
#pragma once
#include <cstdint>

// Colour-table entries: a non-zero biClrUsed of the 40-byte form, else 2, 16 or 256
// for 1, 4 or 8 bits per pixel, else none.
std::uint16_t dibColorCount(const void* header);
// Colour-table bytes: three per entry in the core form, four in the 40-byte form.
std::uint16_t dibColorTableSize(const void* header);
// Pixel bytes when the platform leaves biSizeImage at 0: rows padded to whole
// 32-bit words; compressed images are estimated at one and a half times that.
std::uint32_t dibImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount, bool compressed);
// The depth of the exported image: the requested one, or the bitmap's own; anything
// above 8 bits per pixel becomes 24.
std::uint16_t packedDibDepth(std::uint16_t requestedBitCount, std::uint16_t planes, std::uint16_t bitsPerPixel);
