// The image is read twice: once without pixels, so that the platform completes the
// header and writes the colour table, then once more into the grown block.
#include "packed_dib.h"

#include "dib_layout.h"
#include "handles.h"

namespace {

// The palette realised in the screen context for the conversion, put back after it.
class RealizedPalette {
public:
    RealizedPalette(HDC dc, HPALETTE palette) : dc_(dc), previous_(SelectPalette(dc, palette, FALSE))
    {
        RealizePalette(dc);
    }
    ~RealizedPalette() { SelectPalette(dc_, previous_, FALSE); }
    RealizedPalette(const RealizedPalette&) = delete;
    RealizedPalette& operator=(const RealizedPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};

// A global block freed unless it is handed out.
class GlobalBlock {
public:
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock()
    {
        if (block_)
            GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL get() const { return block_; }
    void reset(HGLOBAL block) { block_ = block; }
    HGLOBAL release()
    {
        HGLOBAL block = block_;
        block_ = nullptr;
        return block;
    }

private:
    HGLOBAL block_;
};

// Fills the block, which starts with the header, by GetDIBits; pixels go after the
// header and its colour table, or nowhere. The header is copied back out.
int readBitmapIntoBlock(HDC dc, HBITMAP bitmap, HGLOBAL block, BITMAPINFOHEADER& header, bool withPixels)
{
    auto* start = static_cast<BYTE*>(GlobalLock(block));
    if (!start)
        return 0;
    if (!withPixels)
        CopyMemory(start, &header, sizeof header);
    auto* info = reinterpret_cast<BITMAPINFO*>(start);
    BYTE* pixels = withPixels ? start + info->bmiHeader.biSize + dibColorTableSize(start) : nullptr;
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info->bmiHeader.biHeight), pixels, info,
                                DIB_RGB_COLORS);
    CopyMemory(&header, start, sizeof header);
    GlobalUnlock(block);
    return lines;
}

} // namespace

HGLOBAL bitmapToPackedDib(HBITMAP bitmap, DWORD compression, WORD bitCount, HPALETTE palette)
{
    if (!bitmap)
        return nullptr;
    if (!palette)
        palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));

    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = description.bmWidth;
    header.biHeight = description.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = packedDibDepth(bitCount, description.bmPlanes, description.bmBitsPixel);
    header.biCompression = compression;

    ScreenDC dc;
    RealizedPalette realized(dc, palette);
    GlobalBlock block(GlobalAlloc(GHND, header.biSize + dibColorTableSize(&header)));
    if (!block.get())
        return nullptr;
    readBitmapIntoBlock(dc, bitmap, block.get(), header, false);

    if (header.biSizeImage == 0)
        header.biSizeImage = dibImageSize(static_cast<DWORD>(description.bmWidth),
                                          static_cast<DWORD>(description.bmHeight), header.biBitCount,
                                          compression != BI_RGB);
    const SIZE_T fullSize = header.biSize + dibColorTableSize(&header) + header.biSizeImage;
    HGLOBAL grown = GlobalReAlloc(block.get(), fullSize, 0);
    if (!grown)
        return nullptr;
    block.reset(grown);
    if (readBitmapIntoBlock(dc, bitmap, block.get(), header, true) == 0)
        return nullptr;
    return block.release();
}

void copyBitmapToClipboard(HWND owner, HBITMAP bitmap)
{
    HGLOBAL picture = bitmapToPackedDib(bitmap, BI_RGB, 0, nullptr);
    if (!picture)
        return;
    // The clipboard owns the block once it has taken it; one it refused is ours.
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        if (SetClipboardData(CF_DIB, picture))
            picture = nullptr;
        CloseClipboard();
    }
    if (picture)
        GlobalFree(picture);
}
