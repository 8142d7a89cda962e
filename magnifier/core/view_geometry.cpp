// The placement of the magnified view: source rectangle, cursor offset, marker point.
#include "view_geometry.h"

ViewPlacement placeView(int cursorX, int cursorY, int clientWidth, int clientHeight, int zoomLevel,
                        const ScreenRectangle& monitor)
{
    ViewPlacement view{};
    view.sourceWidth = clientWidth >> zoomLevel;
    view.sourceHeight = clientHeight >> zoomLevel;
    view.offsetX = view.sourceWidth / 2;
    view.offsetY = view.sourceHeight / 2;
    view.sourceX = cursorX - view.offsetX;
    view.sourceY = cursorY - view.offsetY;

    if (view.sourceX < monitor.left) {
        view.offsetX = cursorX - monitor.left;
        view.sourceX = monitor.left;
    }
    if (view.sourceY < monitor.top) {
        view.offsetY = cursorY - monitor.top;
        view.sourceY = monitor.top;
    }
    // Near the right or bottom edge the picture stops at the border and the marker
    // moves off the centre towards that edge.
    if (int excess = view.sourceX + view.sourceWidth - monitor.right; excess > 0) {
        view.sourceX -= excess;
        view.offsetX += excess;
    }
    if (int excess = view.sourceY + view.sourceHeight - monitor.bottom; excess > 0) {
        view.sourceY -= excess;
        view.offsetY += excess;
    }

    const int zoom = 1 << zoomLevel;
    view.markerX = view.offsetX * zoom + zoom / 2;
    view.markerY = view.offsetY * zoom + zoom / 2;
    return view;
}
