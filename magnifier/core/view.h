// The magnified view: one frame of the screen around the cursor, enlarged into the
// window or into the snapshot bitmap, with the cursor indicator on top.
#pragma once
#include <windows.h>

extern HBITMAP snapshotBitmap;  // one rendered frame, or null
extern int snapshotWidth, snapshotHeight;
extern bool viewFrozen;         // while set, nothing is rendered and repaints show the snapshot
extern POINT lastCursorPos;     // the cursor at the last rendered frame

void renderView(HWND mainWindow, bool toSnapshot);
void paintSnapshot(HWND mainWindow);
void deleteSnapshot();

// Replaces indicatorIcon by the image of a Crosshair-type indicator (2 to 4).
void loadIndicatorIcon(int cursorType);
