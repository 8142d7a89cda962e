// The repair of remembered values the program cannot use, and where a floating window
// may stand. (The values' bytes and defaults show in a real registry.)
#include "settings.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Settings, ValuesTheProgramCannotUseBecomeDefaults)
{
    // CursorType, ZoomLevel and WindowPosition after the repair, on a 1024 x 768 work
    // area or on none.
    auto repaired = [](int type, int zoom, ScreenRectangle where, bool onScreen = true) {
        SettingsRecord s{0, 0, 0, 1, type, zoom, where, 0};
        repairLoadedSettings(s, [onScreen](const ScreenRectangle&) {
            return onScreen ? std::optional(ScreenRectangle{0, 0, 1024, 768}) : std::nullopt;
        });
        const ScreenRectangle& r = s.WindowPosition;
        return std::array{s.CursorType, s.ZoomLevel, r.left, r.top, r.right, r.bottom};
    };
    using Fields = std::array<std::int32_t, 6>;
    // Zoom levels 1 and 2 and types 0 to 4 stay; others take the defaults 2 and 1.
    for (auto [type, zoom, keptType, keptZoom] : {std::array{4, 2, 4, 2}, {0, 0, 0, 2}, {0, 3, 0, 2}, {0, -1, 0, 2},
                                                   {-1, 1, 1, 1}, {5, 1, 1, 1}})
        EXPECT_EQ(repaired(type, zoom, {10, 10, 200, 150}), (Fields{keptType, keptZoom, 10, 10, 200, 150})) << type << zoom;
    // Empty or inverted (an 8-byte value read at start-up leaves right and bottom 0),
    // or wholly off every monitor; too large, it is cut to the work area.
    for (ScreenRectangle bad : {ScreenRectangle{10, 20, 0, 0}, {10, 10, 10, 200}, {10, 10, 200, 10}, {300, 10, 200, 150}})
        EXPECT_EQ(repaired(1, 1, bad), (Fields{1, 1, 0, 0, 100, 100}));
    EXPECT_EQ(repaired(1, 1, {10, 10, 200, 150}, false), (Fields{1, 1, 0, 0, 100, 100}));
    EXPECT_EQ(repaired(1, 1, {-5000, 10, 5000, 150}), (Fields{1, 1, 0, 10, 1024, 150}));
}

TEST(WindowPlacement, AFloatingWindowKeepsAPartToGrabOnTheWorkAreaAtMostItsSize)
{
    const ScreenRectangle primary{0, 0, 1024, 768}, leftAbove{-1280, -200, 0, 824};
    struct Case {
        ScreenRectangle window, workArea, placed;
    } const cases[] = {
        {{10, 10, 210, 160}, primary, {10, 10, 210, 160}},
        {{-50, -20, 50, 80}, primary, {-50, -20, 50, 80}},        // partly off, enough to grab
        {{-190, 740, 10, 900}, primary, {0, 608, 200, 768}},      // slivers: moved onto it
        {{-1300, 100, -1250, 400}, leftAbove, {-1280, 100, -1230, 400}},
        {{-20, 804, 0, 824}, leftAbove, {-20, 804, 0, 824}},     // smaller than the part to grab
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, primary, primary}, // sizes beyond 32 bits
        {{2000, 900, 2300, 1100}, leftAbove, {-300, 624, 0, 824}}, // wholly off: the nearest corner
    };
    for (const Case& c : cases)
        EXPECT_EQ(reachablePlacement(c.window, c.workArea), c.placed) << "case " << &c - cases;
}
