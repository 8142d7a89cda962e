#include "dib_layout.h"

#include <cstring>

namespace {

constexpr std::uint32_t coreHeaderSize = 12;
// Field offsets of the two header forms.
constexpr int coreBitCountOffset = 10, infoBitCountOffset = 14, infoClrUsedOffset = 32;

template <typename T>
T readField(const void* header, int offset)
{
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(header) + offset, sizeof value);
    return value;
}

bool isCoreHeader(const void* header)
{
    return readField<std::uint32_t>(header, 0) == coreHeaderSize;
}

} // namespace

std::uint16_t dibColorCount(const void* header)
{
    std::uint16_t bitCount;
    if (isCoreHeader(header)) {
        bitCount = readField<std::uint16_t>(header, coreBitCountOffset);
    } else {
        if (const auto used = readField<std::uint32_t>(header, infoClrUsedOffset))
            return static_cast<std::uint16_t>(used);
        bitCount = readField<std::uint16_t>(header, infoBitCountOffset);
    }
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

std::uint16_t dibColorTableSize(const void* header)
{
    const unsigned entrySize = isCoreHeader(header) ? 3 : 4;
    return static_cast<std::uint16_t>(dibColorCount(header) * entrySize);
}

std::uint32_t dibImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount, bool compressed)
{
    const std::uint32_t size = (width * bitCount + 31) / 32 * 4 * height;
    return compressed ? size * 3 / 2 : size;
}

std::uint16_t packedDibDepth(std::uint16_t requestedBitCount, std::uint16_t planes, std::uint16_t bitsPerPixel)
{
    const unsigned depth = requestedBitCount ? requestedBitCount : planes * bitsPerPixel;
    return static_cast<std::uint16_t>(depth > 8 ? 24 : depth);
}
