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
        {true, {P{516, 320}, box}, {}, "typed while the mouse moved: the mouse wins"},
        {false, {{}, button}, P{140, 215}, "tabbed to a button: its centre"},
        {false, {P{520, 340}, box}, P{520, 340}, "tabbed into a text box: the text cursor"},
        {true, {{}, {}}, {}, "the mouse moved, nothing followed any more"},
        {false, {P{0, 0}, {}}, P{0, 0}, "a text cursor appeared, and the mouse rests"},
    };
    KeyboardFollow follow{};
    for (const auto& [mouseMoved, now, shown, what] : looks)
        EXPECT_EQ((follow = followKeyboard(follow, mouseMoved, now)).shown, shown) << what;
}
