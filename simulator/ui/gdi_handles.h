// Small owners of the GDI handles Ignaro creates, so that no early return leaks one.
#pragma once
#include <windows.h>

class Font {
public:
    Font() = default;
    explicit Font(HFONT font) : font_(font) {}
    ~Font() { reset(); }
    Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    Font& operator=(Font&& other) noexcept
    {
        if (this != &other) {
            reset();
            font_ = other.font_;
            other.font_ = nullptr;
        }
        return *this;
    }
    HFONT get() const { return font_; }

private:
    void reset()
    {
        if (font_)
            DeleteObject(font_);
        font_ = nullptr;
    }
    HFONT font_ = nullptr;
};

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
