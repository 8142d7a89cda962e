// Decodes packed DIBs with StretchDIBits into a 32-bit section.
#include "clipboard_probe.h"

DibPicture readPackedDib(HGLOBAL block)
{
    DibPicture picture;
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    if (!bytes || GlobalSize(block) < sizeof picture.header)
        return GlobalUnlock(block), picture;
    const BITMAPINFOHEADER& h = picture.header = *reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    picture.tableBytes = (h.biClrUsed ? h.biClrUsed : h.biBitCount <= 8 ? 1u << h.biBitCount : 0) * sizeof(RGBQUAD);
    const std::size_t rowBytes = (h.biWidth * h.biBitCount + 31) / 32 * 4;
    if (h.biSize == sizeof h && h.biWidth > 0 && h.biHeight > 0 &&
        h.biSize + picture.tableBytes + rowBytes * h.biHeight <= GlobalSize(block)) {
        picture.pixels.resize(h.biWidth * h.biHeight);
        BITMAPINFO target{{sizeof(BITMAPINFOHEADER), h.biWidth, -h.biHeight, 1, 32, BI_RGB}};
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, h.biWidth, h.biHeight);
        SetDIBits(screen, bitmap, 0, h.biHeight, bytes + h.biSize + picture.tableBytes,
                  reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS);
        GetDIBits(screen, bitmap, 0, h.biHeight, picture.pixels.data(), &target, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        ReleaseDC(nullptr, screen);
        for (DWORD& pixel : picture.pixels)
            pixel &= 0x00FFFFFF;
    }
    GlobalUnlock(block);
    return picture;
}

DibPicture takeClipboardDib()
{
    DibPicture picture;
    if (OpenClipboard(nullptr)) {
        if (HANDLE block = GetClipboardData(CF_DIB))
            picture = readPackedDib(block);
        EmptyClipboard();
        CloseClipboard();
    }
    return picture;
}
