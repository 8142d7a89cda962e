// The magnified view: one frame of the screen around the cursor, enlarged into the
// window or into the snapshot bitmap, with the cursor indicator on top.
#pragma once
#include "settings_record.h"

#include <windows.h>

void renderView(HWND mainWindow, bool toSnapshot);
// The monitors have changed: the next frame asks for the cursor's monitor anew.
void forgetCursorMonitor();
void paintSnapshot(HWND mainWindow);
// Frozen, the picture on show is copied and stays; live, a fresh frame is rendered
// for the copy and not kept.
void copyViewToClipboard(HWND mainWindow);

// Replaces indicatorIcon by the image of a Crosshair-type indicator.
void loadIndicatorIcon(Indicator indicator);
