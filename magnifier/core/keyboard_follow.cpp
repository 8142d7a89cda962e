// The rule that moves the view between the mouse and the keyboard.
#include "keyboard_follow.h"

KeyboardFollow followKeyboard(const KeyboardFollow& last, bool mouseMoved, const KeyboardPlaces& now)
{
    // A place the look misses (a text cursor hidden for a blink) is kept as seen, so
    // that its coming back where it was is no move.
    KeyboardFollow next{{now.caret ? now.caret : last.seen.caret, now.focus ? now.focus : last.seen.focus}, last.shown};
    if (mouseMoved)
        next.shown.reset();
    else if (now.caret && now.caret != last.seen.caret)
        next.shown = now.caret;
    else if (now.focus && now.focus != last.seen.focus)
        next.shown = ScreenPoint{now.focus->left + (now.focus->right - now.focus->left) / 2,
                                 now.focus->top + (now.focus->bottom - now.focus->top) / 2};
    return next;
}
