// Where the magnified view takes its picture from and where it marks the cursor, and
// the steps between zoom factors. Portable arithmetic, so that it is tested natively.
#pragma once
#include "settings_record.h"

struct ViewPlacement {
    int sourceX, sourceY, sourceWidth, sourceHeight;  // screen rectangle that is enlarged
    int pictureX, pictureY;                           // its enlarged top-left corner in the client: 0 or less
    int offsetX, offsetY;                             // the cursor inside that rectangle
    int markerX, markerY;                             // the centre of the cursor's enlarged pixel
};

// The source rectangle that covers the client at the factor, centred on the cursor and
// kept inside the cursor's monitor (left and top edges first), and the marker point in
// client coordinates. Each source pixel becomes exactly factor x factor client pixels;
// where the client is no multiple of the factor, the pixel cut in part is the one on
// the side away from a monitor edge the picture stops at.
ViewPlacement placeView(int cursorX, int cursorY, int clientWidth, int clientHeight, Zoom zoom,
                        const ScreenRectangle& monitor);

// Whether the view shows a screen point, and the centre of that point's enlarged
// pixel in client coordinates: where the indicator marks the mouse.
bool viewShows(const ViewPlacement& view, int x, int y);
struct ClientPoint {
    int x, y;
};
ClientPoint enlargedPixelCentre(const ViewPlacement& view, Zoom zoom, int x, int y);

// The factor steps away from zoom (positive: larger), held at 2X and 16X.
Zoom steppedZoom(Zoom zoom, int steps);
