// The placement of the magnified view: source rectangle, cursor offset, marker point.
#include "view_geometry.h"

ViewPlacement placeView(int cursorX, int cursorY, int clientWidth, int clientHeight, int zoomLevel,
                        int screenWidth, int screenHeight)
{
    ViewPlacement view{};
    view.sourceWidth = clientWidth >> zoomLevel;
    view.sourceHeight = clientHeight >> zoomLevel;
    view.offsetX = view.sourceWidth / 2;
    view.offsetY = view.sourceHeight / 2;
    view.sourceX = cursorX - view.offsetX;
    view.sourceY = cursorY - view.offsetY;

    if (view.sourceX < 0) {
        view.offsetX = cursorX;
        view.sourceX = 0;
    }
    if (view.sourceY < 0) {
        view.offsetY = cursorY;
        view.sourceY = 0;
    }
    // Near the right or bottom edge the picture stops at the border and the marker
    // moves off the centre towards that edge.
    if (int excess = view.sourceX + view.sourceWidth - screenWidth; excess > 0) {
        view.sourceX -= excess;
        view.offsetX += excess;
    }
    if (int excess = view.sourceY + view.sourceHeight - screenHeight; excess > 0) {
        view.sourceY -= excess;
        view.offsetY += excess;
    }

    const int zoom = 1 << zoomLevel;
    view.markerX = view.offsetX * zoom + zoom / 2;
    view.markerY = view.offsetY * zoom + zoom / 2;
    return view;
}
