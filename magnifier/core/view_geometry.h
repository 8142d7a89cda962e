// Where the magnified view takes its picture from and where it marks the cursor.
// Portable arithmetic, so that it is tested natively.
#pragma once
#include "settings_record.h"

struct ViewPlacement {
    int sourceX, sourceY, sourceWidth, sourceHeight;  // screen rectangle that is enlarged
    int offsetX, offsetY;                             // the cursor inside that rectangle
    int markerX, markerY;                             // the centre of the cursor's enlarged pixel
};

// The source rectangle of client size / 2^zoomLevel centred on the cursor and kept
// inside the cursor's monitor (left and top edges first), and the marker point in
// client coordinates.
ViewPlacement placeView(int cursorX, int cursorY, int clientWidth, int clientHeight, int zoomLevel,
                        const ScreenRectangle& monitor);
