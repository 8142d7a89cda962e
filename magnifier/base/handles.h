// Small owners of the Win32 handles Vistrel takes: the device contexts and selections
// of a frame, and the icons, bitmaps, menus and fonts it keeps. Each one is released
// on every path.
#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() { DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a context and selects the previous one back at scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Handles kept beyond one call: a unique_ptr whose deleter is the matching release.
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct GdiObjectRelease {
    void operator()(void* object) const { DeleteObject(object); }
};
struct WinEventHookRelease {
    void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconRelease>;
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuRelease>;
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectRelease>;
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectRelease>;
using OwnedWinEventHook = std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, WinEventHookRelease>;
