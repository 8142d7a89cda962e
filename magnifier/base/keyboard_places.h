// The places of the keyboard's work on the screen that the view may follow instead of
// the mouse. Portable: the rule that follows them is tested natively.
#pragma once
#include "settings_record.h"

#include <optional>

struct ScreenPoint {
    std::int32_t x, y;
    bool operator==(const ScreenPoint&) const = default;
};

// What one look at the keyboard found, each only where it is followed and known: the
// text cursor's centre and the focused element's rectangle.
struct KeyboardPlaces {
    std::optional<ScreenPoint> caret;
    std::optional<ScreenRectangle> focus;
    bool operator==(const KeyboardPlaces&) const = default;
};

struct KeyboardFollow {
    KeyboardPlaces seen;               // at the last look
    std::optional<ScreenPoint> shown;  // the place the view centres on, or none: the mouse
};
