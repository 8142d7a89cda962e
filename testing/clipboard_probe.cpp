// Decodes packed DIBs with the platform's CreateDIBitmap and GetDIBits.
#include "clipboard_probe.h"

DibPicture readPackedDib(HGLOBAL block)
{
    DibPicture picture;
    const auto* info = static_cast<const BITMAPINFO*>(GlobalLock(block));
    const BITMAPINFOHEADER h = picture.header = info ? info->bmiHeader : BITMAPINFOHEADER{};
    const std::size_t tableBytes = (h.biClrUsed ? h.biClrUsed : h.biBitCount <= 8 ? 1u << h.biBitCount : 0) * 4,
                      rowBytes = (h.biWidth * h.biBitCount + 31) / 32 * 4;
    if (h.biSize == sizeof h && h.biWidth > 0 && h.biHeight > 0 &&
        h.biSize + tableBytes + rowBytes * h.biHeight <= GlobalSize(block)) {
        picture.pixels.resize(h.biWidth * h.biHeight);
        BITMAPINFO target{{sizeof h, h.biWidth, -h.biHeight, 1, 32, BI_RGB}};
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateDIBitmap(screen, &h, CBM_INIT, reinterpret_cast<const BYTE*>(info) + h.biSize + tableBytes,
                                        info, DIB_RGB_COLORS);
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
