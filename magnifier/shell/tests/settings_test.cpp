// The repair of remembered values the program cannot use, and where a floating window
// may stand. (The values' bytes and defaults show in a real registry.)
#include "settings.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The record's fields as text, in declaration order.
std::string fields(const SettingsRecord& s)
{
    std::string text;
    for (std::int32_t v : {s.AppBarMode, s.HighSampleRate, s.UpdateAlways, s.AllwaysOnTop, s.CursorType, s.ZoomLevel,
                           s.WindowPosition.left, s.WindowPosition.top, s.WindowPosition.right,
                           s.WindowPosition.bottom, s.HotKeys})
        text += std::to_string(v) + " ";
    return text;
}

TEST(Settings, ValuesTheProgramCannotUseBecomeDefaults)
{
    auto repaired = [](int zoom, int type, ScreenRectangle where, bool onScreen = true) {
        SettingsRecord record{0, 0, 0, 1, type, zoom, where, 0};
        repairLoadedSettings(record, [onScreen](const ScreenRectangle&) {
            return onScreen ? std::optional(ScreenRectangle{0, 0, 1024, 768}) : std::nullopt;
        });
        return fields(record);
    };
    EXPECT_EQ(repaired(2, 4, {10, 10, 200, 150}), "0 0 0 1 4 2 10 10 200 150 0 ");
    for (int zoom : {0, 3, -1})
        EXPECT_EQ(repaired(zoom, 0, {10, 10, 200, 150}), "0 0 0 1 0 2 10 10 200 150 0 ") << zoom;
    for (int type : {-1, 5})
        EXPECT_EQ(repaired(1, type, {10, 10, 200, 150}), "0 0 0 1 1 1 10 10 200 150 0 ") << type;
    // Empty or inverted (an 8-byte value read at start-up leaves right and bottom 0),
    // or wholly off every monitor.
    for (ScreenRectangle bad : {ScreenRectangle{10, 20, 0, 0}, {10, 10, 10, 200}, {10, 10, 200, 10}, {300, 10, 200, 150}})
        EXPECT_EQ(repaired(1, 1, bad), "0 0 0 1 1 1 0 0 100 100 0 ");
    EXPECT_EQ(repaired(1, 1, {10, 10, 200, 150}, false), "0 0 0 1 1 1 0 0 100 100 0 ");
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
        {{-100000, -100000, 100000, 100000}, leftAbove, leftAbove},
        {{2000, 900, 2300, 1100}, leftAbove, {-300, 624, 0, 824}}, // wholly off: the nearest corner
    };
    for (const Case& c : cases) {
        const ScreenRectangle p = reachablePlacement(c.window, c.workArea);
        EXPECT_EQ((std::array{p.left, p.top, p.right, p.bottom}),
                  (std::array{c.placed.left, c.placed.top, c.placed.right, c.placed.bottom}))
            << c.window.left << "," << c.window.top << "," << c.window.right << "," << c.window.bottom;
    }
}

} // namespace
