// The rule that keeps a floating window within its user's reach.
#include "window_placement.h"

#include <algorithm>
#include <cstdint>

namespace {

using Wide = std::int64_t;  // sizes of 32-bit rectangles overflow 32 bits

// Enough of the window to drag it by its client area, or all of a smaller one.
constexpr Wide reachablePart = 32;

// The window's extent along one axis after it has been cut and moved onto the area's.
struct Span {
    Wide low, high;
};

Span reachableSpan(Wide low, Wide high, Wide areaLow, Wide areaHigh)
{
    const Wide shown = std::min(high, areaHigh) - std::max(low, areaLow);
    if (high - low <= areaHigh - areaLow && shown >= std::min(high - low, reachablePart))
        return {low, high};
    const Wide size = std::min(high - low, areaHigh - areaLow);
    const Wide start = std::clamp(low, areaLow, areaHigh - size);
    return {start, start + size};
}

} // namespace

ScreenRectangle reachablePlacement(const ScreenRectangle& window, const ScreenRectangle& workArea)
{
    const Span x = reachableSpan(window.left, window.right, workArea.left, workArea.right);
    const Span y = reachableSpan(window.top, window.bottom, workArea.top, workArea.bottom);
    return {static_cast<std::int32_t>(x.low), static_cast<std::int32_t>(y.low), static_cast<std::int32_t>(x.high),
            static_cast<std::int32_t>(y.high)};
}
