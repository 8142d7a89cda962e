// Whether the view shows the keyboard's place rather than the mouse: while the mouse
// rests, the text cursor or the focused element that moves takes the view; the mouse
// moving takes it back. Portable, so that the rule is tested natively.
#pragma once
#include "keyboard_places.h"

// The next look. A text cursor that moved wins over a focus that moved in the same
// look (it is the finer place); one that vanished leaves the view where it is, and one
// that comes back where it was is no move.
KeyboardFollow followKeyboard(const KeyboardFollow& last, bool mouseMoved, const KeyboardPlaces& now);
