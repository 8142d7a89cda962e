// Vistrel's persistent settings as the program keeps them in memory, and the
// rectangle type of its screen coordinates. Portable: the settings layout and the
// placement rules are tested natively.
#pragma once
#include <cstdint>

struct ScreenRectangle {
    std::int32_t left, top, right, bottom;
    bool operator==(const ScreenRectangle&) const = default;
};

// The cursor indicators, in the order of their menu items.
enum class Indicator : std::int32_t { None, Arrow, Crosshair, ZeroSight, XoringCrosshair };

// The magnifications the view offers, each its own factor.
enum class Zoom : std::int32_t { X2 = 2, X3 = 3, X4 = 4, X6 = 6, X8 = 8, X12 = 12, X16 = 16 };
inline constexpr Zoom zoomFactors[] = {Zoom::X2, Zoom::X3, Zoom::X4, Zoom::X6, Zoom::X8, Zoom::X12, Zoom::X16};

inline constexpr int factorOf(Zoom zoom)
{
    return static_cast<int>(zoom);
}
// The older ZoomLevel that goes with a factor: an older copy reading the key then
// shows 2X or 4X, the nearer of the two it knows.
inline constexpr std::int32_t zoomLevelOf(Zoom zoom)
{
    return factorOf(zoom) < 4 ? 1 : 2;
}

// Field names are the registry value names. Flags are 0 or 1.
struct SettingsRecord {
    std::int32_t AppBarMode;
    std::int32_t HighSampleRate;
    std::int32_t UpdateAlways;
    std::int32_t AllwaysOnTop;
    Indicator CursorType;
    std::int32_t ZoomLevel;          // magnification 2^ZoomLevel, 1 or 2, kept for older copies
    ScreenRectangle WindowPosition;  // the floating window's outer rectangle
    std::int32_t HotKeys;
    Zoom ZoomFactor;                 // the magnification in use; agrees with ZoomLevel
    std::int32_t InvertColors;
    std::int32_t FollowFocus;
    std::int32_t FollowCaret;
};

// Sets the factor and the ZoomLevel that goes with it.
inline void setZoom(SettingsRecord& record, Zoom zoom)
{
    record.ZoomFactor = zoom;
    record.ZoomLevel = zoomLevelOf(zoom);
}
