// Where a floating window may stand so that its user can reach it. Portable, so that
// the rule is tested natively with monitors anywhere on the desktop.
#pragma once
#include "settings_record.h"

// The window unchanged when it fits the work area and shows enough of itself there to
// be grabbed; otherwise cut to the work area's size and moved the least way onto it.
// Rectangles of any 32-bit values are taken, even ones whose size overflows.
ScreenRectangle reachablePlacement(const ScreenRectangle& window, const ScreenRectangle& workArea);
