// Vistrel's eight persistent settings as the program keeps them in memory, and the
// rectangle type of its screen coordinates. Portable: the settings layout and the
// placement rules are tested natively.
#pragma once
#include <cstdint>

struct ScreenRectangle {
    std::int32_t left, top, right, bottom;
    bool operator==(const ScreenRectangle&) const = default;
};

// Field names are the registry value names. Flags are 0 or 1, tested as non-zero.
struct SettingsRecord {
    std::int32_t AppBarMode;
    std::int32_t HighSampleRate;
    std::int32_t UpdateAlways;
    std::int32_t AllwaysOnTop;
    std::int32_t CursorType;      // 0 None, 1 Arrow, 2 Crosshair, 3 Zero Sight, 4 XORing Crosshair
    std::int32_t ZoomLevel;       // magnification 2^ZoomLevel: 1 or 2
    ScreenRectangle WindowPosition;  // the floating window's outer rectangle
    std::int32_t HotKeys;
};
