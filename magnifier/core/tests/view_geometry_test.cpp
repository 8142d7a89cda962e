// Where the view takes its picture and marks the cursor, on a 1024 x 768 screen.
#include "view_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int screenWidth = 1024, screenHeight = 768;

struct Expected {
    int zoomLevel, cursorX, cursorY;
    int sourceX, sourceY, sourceWidth, sourceHeight, offsetX, offsetY, markerX, markerY;
};

void expectPlacement(const Expected& e, int clientWidth, int clientHeight)
{
    const ViewPlacement v =
        placeView(e.cursorX, e.cursorY, clientWidth, clientHeight, e.zoomLevel, screenWidth, screenHeight);
    SCOPED_TRACE(testing::Message() << "zoom level " << e.zoomLevel << ", cursor (" << e.cursorX << ", " << e.cursorY
                                    << "), client " << clientWidth << " x " << clientHeight);
    EXPECT_EQ(v.sourceX, e.sourceX);
    EXPECT_EQ(v.sourceY, e.sourceY);
    EXPECT_EQ(v.sourceWidth, e.sourceWidth);
    EXPECT_EQ(v.sourceHeight, e.sourceHeight);
    EXPECT_EQ(v.offsetX, e.offsetX);
    EXPECT_EQ(v.offsetY, e.offsetY);
    EXPECT_EQ(v.markerX, e.markerX);
    EXPECT_EQ(v.markerY, e.markerY);
}

TEST(ViewGeometry, WorkedPlacementsOfA200By100Client)
{
    const Expected cases[] = {
        {1, 500, 400, 450, 375, 100, 50, 50, 25, 101, 51},
        {1, 10, 10, 0, 0, 100, 50, 10, 10, 21, 21},
        {1, 1023, 767, 924, 718, 100, 50, 99, 49, 199, 99},
        {2, 500, 400, 475, 388, 50, 25, 25, 12, 102, 50},
        {2, 0, 0, 0, 0, 50, 25, 0, 0, 2, 2},
    };
    for (const Expected& e : cases)
        expectPlacement(e, 200, 100);
}

TEST(ViewGeometry, EveryCornerKeepsTheSourceOnTheScreen)
{
    // Top right and bottom left mix the two clamps: left/top first, then right/bottom.
    const Expected cases[] = {
        {1, 1023, 0, 924, 0, 100, 50, 99, 0, 199, 1},
        {1, 0, 767, 0, 718, 100, 50, 0, 49, 1, 99},
        {2, 1023, 767, 974, 743, 50, 25, 49, 24, 198, 98},
        // One pixel inside the clamp zone on each side.
        {1, 49, 24, 0, 0, 100, 50, 49, 24, 99, 49},
        {1, 50, 25, 0, 0, 100, 50, 50, 25, 101, 51},
        {1, 974, 743, 924, 718, 100, 50, 50, 25, 101, 51},
    };
    for (const Expected& e : cases)
        expectPlacement(e, 200, 100);
}

TEST(ViewGeometry, ClientSizesThatAreNotMultiplesOfTheZoom)
{
    // The source rounds down, so the picture is stretched a little more than z, but
    // the marker is still placed with z.
    const Expected cases[] = {
        {1, 500, 400, 450, 375, 100, 50, 50, 25, 101, 51},  // 201 x 101 behaves like 200 x 100
        {2, 500, 400, 475, 388, 50, 25, 25, 12, 102, 50},   // 203 x 103 likewise at 4X
    };
    expectPlacement(cases[0], 201, 101);
    expectPlacement(cases[1], 203, 103);
    // A client smaller than z: an empty source, the marker on the cursor's block.
    expectPlacement({2, 500, 400, 500, 400, 0, 0, 0, 0, 2, 2}, 3, 3);
}

} // namespace
