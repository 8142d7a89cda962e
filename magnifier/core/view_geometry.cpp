// The placement of the magnified view, and the zoom steps.
#include "view_geometry.h"

#include <algorithm>
#include <iterator>

ViewPlacement placeView(int cursorX, int cursorY, int clientWidth, int clientHeight, Zoom zoom,
                        const ScreenRectangle& monitor)
{
    const int factor = factorOf(zoom);
    ViewPlacement view{};
    view.sourceWidth = (clientWidth + factor - 1) / factor;
    view.sourceHeight = (clientHeight + factor - 1) / factor;
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
    // Near the right or bottom edge the picture stops at the border, its last pixel
    // whole at the client's edge, and the marker moves off the centre towards it.
    if (int excess = view.sourceX + view.sourceWidth - monitor.right; excess > 0) {
        view.sourceX -= excess;
        view.offsetX += excess;
        view.pictureX = clientWidth - view.sourceWidth * factor;
    }
    if (int excess = view.sourceY + view.sourceHeight - monitor.bottom; excess > 0) {
        view.sourceY -= excess;
        view.offsetY += excess;
        view.pictureY = clientHeight - view.sourceHeight * factor;
    }

    const ClientPoint marker = enlargedPixelCentre(view, zoom, cursorX, cursorY);
    view.markerX = marker.x;
    view.markerY = marker.y;
    return view;
}

bool viewShows(const ViewPlacement& view, int x, int y)
{
    return x >= view.sourceX && x < view.sourceX + view.sourceWidth && y >= view.sourceY &&
           y < view.sourceY + view.sourceHeight;
}

ClientPoint enlargedPixelCentre(const ViewPlacement& view, Zoom zoom, int x, int y)
{
    const int factor = factorOf(zoom);
    return {view.pictureX + (x - view.sourceX) * factor + factor / 2,
            view.pictureY + (y - view.sourceY) * factor + factor / 2};
}

Zoom steppedZoom(Zoom zoom, int steps)
{
    const auto* at = std::ranges::find(zoomFactors, zoom);
    const auto index = std::clamp<std::ptrdiff_t>(at - std::begin(zoomFactors) + steps, 0, std::size(zoomFactors) - 1);
    return zoomFactors[index];
}
