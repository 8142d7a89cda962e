// Where the view takes its picture and marks the cursor, on a 1024 x 768 primary
// monitor and on monitors left of and above it and right of it.
#include "view_geometry.h"

#include <gtest/gtest.h>

#include <array>

TEST(ViewGeometry, PlacesTheSourceAroundTheCursorAndClampsAtEveryEdge)
{
    struct Case {
        int zoomLevel, cursorX, cursorY, clientWidth, clientHeight;
        std::array<int, 8> placement; // source x, y, width, height, offset x, y, marker x, y
        ScreenRectangle monitor{0, 0, 1024, 768};
    };
    const ScreenRectangle leftAbove{-1280, -200, 0, 824}, right{1024, 0, 2944, 1080};
    const Case cases[] = {
        {1, 500, 400, 200, 100, {450, 375, 100, 50, 50, 25, 101, 51}},
        {2, 500, 400, 200, 100, {475, 388, 50, 25, 25, 12, 102, 50}},
        {1, 10, 10, 200, 100, {0, 0, 100, 50, 10, 10, 21, 21}},
        {1, 1023, 767, 200, 100, {924, 718, 100, 50, 99, 49, 199, 99}},
        {2, 1023, 767, 200, 100, {974, 743, 50, 25, 49, 24, 198, 98}},
        // Top right and bottom left mix the two clamps: left/top first, then right/bottom.
        {1, 1023, 0, 200, 100, {924, 0, 100, 50, 99, 0, 199, 1}},
        // Clients that are not multiples of z: the source rounds down, the marker uses z.
        {2, 500, 400, 203, 103, {475, 388, 50, 25, 25, 12, 102, 50}},
        // A client smaller than z: an empty source, the marker on the cursor's block.
        {2, 500, 400, 3, 3, {500, 400, 0, 0, 0, 0, 2, 2}},
        // Other monitors clamp at their own edges, also at negative coordinates.
        {1, -1275, -190, 200, 100, {-1280, -200, 100, 50, 5, 10, 11, 21}, leftAbove},
        {2, -1, 823, 200, 100, {-50, 799, 50, 25, 49, 24, 198, 98}, leftAbove},
        {1, 1024, 540, 200, 100, {1024, 515, 100, 50, 0, 25, 1, 51}, right},
        {1, 2943, 0, 200, 100, {2844, 0, 100, 50, 99, 0, 199, 1}, right},
    };
    for (const Case& c : cases) {
        const auto [x, y, w, h, offsetX, offsetY, markerX, markerY] =
            placeView(c.cursorX, c.cursorY, c.clientWidth, c.clientHeight, c.zoomLevel, c.monitor);
        EXPECT_EQ((std::array{x, y, w, h, offsetX, offsetY, markerX, markerY}), c.placement) << "case " << &c - cases;
    }
}
