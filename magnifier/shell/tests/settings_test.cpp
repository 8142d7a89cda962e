// The repair of remembered values the program cannot use, the zoom an older copy may
// have left, and where a floating window may stand. (The values' bytes and defaults
// show in a real registry.)
#include "settings.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

// CursorType, ZoomLevel, ZoomFactor, every flag (all alike) and WindowPosition as the
// program uses them after the repair of the values read, on a 1024 x 768 work area.
std::array<std::int64_t, 8> repaired(std::array<std::int64_t, 4> read, ScreenRectangle where = {10, 10, 200, 150})
{
    SettingsRecord s{};
    for (const SettingsValue& value : settingsValues())
        if (value.repair == Repair::Flag)
            std::memcpy(value.field(s).data(), &read[3], 4);
    s.CursorType = Indicator(read[0]), s.ZoomLevel = std::int32_t(read[1]), s.ZoomFactor = Zoom(read[2]);
    s.WindowPosition = where;
    repairLoadedSettings(s, [](const ScreenRectangle& r) {
        return r.left < 1024 ? std::optional(ScreenRectangle{0, 0, 1024, 768}) : std::nullopt;
    });
    const std::array flags{s.AppBarMode, s.HighSampleRate, s.UpdateAlways, s.AllwaysOnTop,
                           s.HotKeys,    s.InvertColors,   s.FollowFocus,  s.FollowCaret};
    const ScreenRectangle& r = s.WindowPosition;
    return {std::int64_t(s.CursorType), s.ZoomLevel, factorOf(s.ZoomFactor), std::ranges::count(flags, read[3] != 0),
            r.left, r.top, r.right, r.bottom};
}

TEST(Settings, ValuesTheProgramCannotUseAreRepaired)
{
    // Read: type, level, factor (0: missing), flags; then as used, with 8 flags alike.
    for (auto [type, level, factor, flags, keptType, keptLevel, keptFactor] : {
             // Types 0 to 4 and levels 1 and 2 stay; others take the defaults 1 and 2.
             std::array<std::int64_t, 7>{4, 2, 4, 0, 4, 2, 4}, {0, 0, 4, 0, 0, 2, 4}, {-1, 1, 2, 0, 1, 1, 2},
             {5, 1, 2, 0, 1, 1, 2},
             // ZoomFactor counts as a factor agreeing with ZoomLevel (after its repair);
             // else ZoomLevel decides, as for a key an older copy saved at 2X after 16X.
             {2, 1, 3, 0, 2, 1, 3}, {2, 2, 16, 0, 2, 2, 16}, {2, 7, 12, 0, 2, 2, 12}, {2, 1, 16, 0, 2, 1, 2},
             {2, 2, 3, 0, 2, 2, 4}, {2, 2, 5, 0, 2, 2, 4}, {2, 1, 0, 0, 2, 1, 2}, {2, 2, -8, 0, 2, 2, 4},
             // Any non-zero flag is on and kept as 1: all bits, the text "1", the sign bit.
             {2, 1, 2, 0xffffffff, 2, 1, 2}, {2, 1, 2, 0x31, 2, 1, 2}, {2, 1, 2, 0x80000000, 2, 1, 2}})
        EXPECT_EQ(repaired({type, level, factor, flags}),
                  (std::array<std::int64_t, 8>{keptType, keptLevel, keptFactor, 8, 10, 10, 200, 150}))
            << type << " " << level << " " << factor << " " << flags;
    // Empty or inverted (an 8-byte value read at start-up leaves right and bottom 0), or
    // wholly off every monitor: the default; too large, it is cut to the work area.
    const ScreenRectangle defaultPlace{0, 0, 100, 100};
    for (auto [where, kept] : {std::pair{ScreenRectangle{10, 20, 0, 0}, defaultPlace}, {{10, 10, 10, 200}, defaultPlace},
                               {{10, 10, 200, 10}, defaultPlace}, {{300, 10, 200, 150}, defaultPlace},
                               {{2000, 10, 2200, 150}, defaultPlace}, {{-5000, 10, 5000, 150}, {0, 10, 1024, 150}}})
        EXPECT_EQ(repaired({2, 1, 2, 0}, where),
                  (std::array<std::int64_t, 8>{2, 1, 2, 8, kept.left, kept.top, kept.right, kept.bottom}));
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
