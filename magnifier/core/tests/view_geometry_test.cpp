// Where the view takes its picture and marks the cursor at every factor, on a
// 1024 x 768 primary monitor and on monitors left of and above it and right of it.
// (The steps between factors show in the main window's zoom commands.)
#include "view_geometry.h"

#include <gtest/gtest.h>

#include <array>

TEST(ViewGeometry, PlacesTheSourceAroundTheCursorAndClampsAtEveryEdge)
{
    struct Case {
        int factor, cursorX, cursorY, clientWidth, clientHeight;
        std::array<int, 10> placement; // source x, y, width, height, picture x, y, offset x, y, marker x, y
        ScreenRectangle monitor{0, 0, 1024, 768};
    };
    const ScreenRectangle leftAbove{-1280, -200, 0, 824}, right{1024, 0, 2944, 1080};
    const Case cases[] = {
        {2, 500, 400, 200, 100, {450, 375, 100, 50, 0, 0, 50, 25, 101, 51}},
        {4, 500, 400, 200, 100, {475, 388, 50, 25, 0, 0, 25, 12, 102, 50}},
        {2, 10, 10, 200, 100, {0, 0, 100, 50, 0, 0, 10, 10, 21, 21}},
        {6, 2, 3, 200, 100, {0, 0, 34, 17, 0, 0, 2, 3, 15, 21}},
        {2, 1023, 767, 200, 100, {924, 718, 100, 50, 0, 0, 99, 49, 199, 99}},
        {4, 1023, 767, 200, 100, {974, 743, 50, 25, 0, 0, 49, 24, 198, 98}},
        // Top right and bottom left mix the two clamps: left/top first, then right/bottom.
        {2, 1023, 0, 200, 100, {924, 0, 100, 50, 0, 0, 99, 0, 199, 1}},
        // Clients that are no multiple of the factor: the source covers them, the pixel
        // cut in part lies away from the edge the picture stops at.
        {4, 500, 400, 203, 103, {475, 387, 51, 26, 0, 0, 25, 13, 102, 54}},
        {3, 500, 400, 200, 100, {467, 383, 67, 34, 0, 0, 33, 17, 100, 52}},
        {16, 1023, 767, 120, 80, {1016, 763, 8, 5, -8, 0, 7, 4, 112, 72}},
        // A client smaller than the factor: one pixel, the marker on its centre.
        {4, 500, 400, 3, 3, {500, 400, 1, 1, 0, 0, 0, 0, 2, 2}},
        // Other monitors clamp at their own edges, also at negative coordinates.
        {2, -1275, -190, 200, 100, {-1280, -200, 100, 50, 0, 0, 5, 10, 11, 21}, leftAbove},
        {12, -1, 823, 200, 100, {-17, 815, 17, 9, -4, -8, 16, 8, 194, 94}, leftAbove},
        {2, 1024, 540, 200, 100, {1024, 515, 100, 50, 0, 0, 0, 25, 1, 51}, right},
        {8, 2943, 540, 200, 100, {2919, 534, 25, 13, 0, 0, 24, 6, 196, 52}, right},
    };
    for (const Case& c : cases) {
        const auto [x, y, w, h, pictureX, pictureY, offsetX, offsetY, markerX, markerY] = placeView(
            c.cursorX, c.cursorY, c.clientWidth, c.clientHeight, static_cast<Zoom>(c.factor), c.monitor);
        EXPECT_EQ((std::array{x, y, w, h, pictureX, pictureY, offsetX, offsetY, markerX, markerY}), c.placement)
            << "case " << &c - cases;
    }
}
