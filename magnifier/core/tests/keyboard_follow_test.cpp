// The rule that hands the view between the mouse and the keyboard, look by look.
#include "keyboard_follow.h"

#include <gtest/gtest.h>

TEST(KeyboardFollow, TheKeyboardTakesTheViewWhenItMovesWhileTheMouseRestsAndTheMouseTakesItBack)
{
    using P = ScreenPoint;
    const ScreenRectangle button{100, 200, 180, 230}, box{400, 300, 700, 340};
    // The mouse moved?, what the look finds, where the view then shows the keyboard.
    const std::tuple<bool, KeyboardPlaces, std::optional<P>, const char*> looks[] = {
        {true, {P{500, 320}, box}, {}, "the first look: the mouse came from nowhere"},
        {false, {P{508, 320}, box}, P{508, 320}, "typed"},
        {false, {{}, box}, P{508, 320}, "the text cursor vanished: the view stays"},
        {true, {{}, box}, {}, "the mouse moved while the text cursor was away: the mouse wins"},
        {false, {P{508, 320}, box}, {}, "it came back where it was: no move"},
        {false, {{}, button}, P{140, 215}, "tabbed to a button: its centre"},
        {false, {P{520, 340}, box}, P{520, 340}, "tabbed into a text box: the text cursor"},
        {false, {P{0, 0}, {}}, P{0, 0}, "the text cursor at the origin, a place like another"},
    };
    KeyboardFollow follow{};
    for (const auto& [mouseMoved, now, shown, what] : looks)
        EXPECT_EQ((follow = followKeyboard(follow, mouseMoved, now)).shown, shown) << what;
}
