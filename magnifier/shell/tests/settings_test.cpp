// The repair of remembered values the program cannot use, the zoom an older copy may
// have left, and where a floating window may stand. (The values' bytes and defaults
// show in a real registry.)
#include "settings.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

const ScreenRectangle screen{0, 0, 1024, 768};

SettingsRecord repaired(SettingsRecord s, bool onScreen = true)
{
    repairLoadedSettings(s, [onScreen](const ScreenRectangle&) { return onScreen ? std::optional(screen) : std::nullopt; });
    return s;
}

} // namespace

TEST(Settings, ValuesTheProgramCannotUseBecomeDefaults)
{
    // CursorType and ZoomLevel, with ZoomFactor agreeing, and WindowPosition, after
    // the repair, on a 1024 x 768 work area or on none.
    auto fields = [](int type, int level, ScreenRectangle where, bool onScreen = true) {
        SettingsRecord s{};
        s.CursorType = static_cast<Indicator>(type), s.ZoomLevel = level, s.ZoomFactor = Zoom::X2, s.WindowPosition = where;
        s = repaired(s, onScreen);
        const ScreenRectangle& r = s.WindowPosition;
        return std::array{static_cast<int>(s.CursorType), s.ZoomLevel, r.left, r.top, r.right, r.bottom};
    };
    using Fields = std::array<std::int32_t, 6>;
    // Zoom levels 1 and 2 and types 0 to 4 stay; others take the defaults 2 and 1.
    for (auto [type, zoom, keptType, keptZoom] : {std::array{4, 2, 4, 2}, {0, 0, 0, 2}, {0, 3, 0, 2}, {0, -1, 0, 2},
                                                   {-1, 1, 1, 1}, {5, 1, 1, 1}})
        EXPECT_EQ(fields(type, zoom, {10, 10, 200, 150}), (Fields{keptType, keptZoom, 10, 10, 200, 150})) << type << zoom;
    // Empty or inverted (an 8-byte value read at start-up leaves right and bottom 0),
    // or wholly off every monitor; too large, it is cut to the work area.
    for (ScreenRectangle bad : {ScreenRectangle{10, 20, 0, 0}, {10, 10, 10, 200}, {10, 10, 200, 10}, {300, 10, 200, 150}})
        EXPECT_EQ(fields(1, 1, bad), (Fields{1, 1, 0, 0, 100, 100}));
    EXPECT_EQ(fields(1, 1, {10, 10, 200, 150}, false), (Fields{1, 1, 0, 0, 100, 100}));
    EXPECT_EQ(fields(1, 1, {-5000, 10, 5000, 150}), (Fields{1, 1, 0, 10, 1024, 150}));
}

TEST(Settings, ZoomFactorCountsOnlyWhenItIsAFactorThatAgreesWithZoomLevel)
{
    // ZoomLevel and ZoomFactor as read (0: missing), and as the program uses them.
    struct Case {
        int level, factor, keptLevel, keptFactor;
    } const cases[] = {
        {1, 2, 1, 2},  {1, 3, 1, 3},  {2, 4, 2, 4},  {2, 6, 2, 6},   {2, 8, 2, 8},   {2, 12, 2, 12}, {2, 16, 2, 16},
        // Saved by an older copy after the user went from 16X back to 2X.
        {1, 16, 1, 2}, {2, 3, 2, 4},  {1, 4, 1, 2},
        // Not a factor, missing, or a level that is itself repaired first.
        {2, 5, 2, 4},  {1, 1, 1, 2},  {2, 32, 2, 4}, {2, -4, 2, 4},  {2, 0, 2, 4},   {7, 8, 2, 8},   {0, 3, 2, 4},
    };
    for (const Case& c : cases) {
        SettingsRecord s{};
        s.ZoomLevel = c.level, s.ZoomFactor = static_cast<Zoom>(c.factor), s.WindowPosition = {0, 0, 100, 100};
        s = repaired(s);
        EXPECT_TRUE(s.ZoomLevel == c.keptLevel && factorOf(s.ZoomFactor) == c.keptFactor)
            << c.level << "/" << c.factor << " gave " << s.ZoomLevel << "/" << factorOf(s.ZoomFactor);
    }
}

TEST(Settings, EveryFlagReadAsNonZeroIsOneAndTheOthersKeepTheirValues)
{
    // Each value filled with these bytes as read; the flags come out 0 or 1, which is
    // also what the key gets back.
    for (std::uint32_t read : {0u, 1u, 0xffffffffu, 0x31u, 0x80000000u}) {
        SettingsRecord s{};
        for (const SettingsValue& value : settingsValues())
            if (value.repair == Repair::Flag)
                std::memcpy(value.field(s).data(), &read, 4);
        s.CursorType = Indicator::ZeroSight, s.ZoomLevel = 2, s.ZoomFactor = Zoom::X12, s.WindowPosition = {5, 5, 90, 90};
        s = repaired(s);
        const std::int32_t flag = read != 0;
        EXPECT_EQ((std::array{s.AppBarMode, s.HighSampleRate, s.UpdateAlways, s.AllwaysOnTop, s.HotKeys, s.InvertColors,
                              s.FollowFocus, s.FollowCaret}),
                  (std::array{flag, flag, flag, flag, flag, flag, flag, flag}))
            << std::hex << read;
        EXPECT_TRUE(s.CursorType == Indicator::ZeroSight && s.ZoomFactor == Zoom::X12 &&
                    s.WindowPosition == (ScreenRectangle{5, 5, 90, 90}));
    }
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
