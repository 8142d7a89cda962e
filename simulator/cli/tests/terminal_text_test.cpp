// Texts from outside quoted in messages: shown, never obeyed, and kept short.
#include "terminal_text.h"

#include <gtest/gtest.h>

TEST(TerminalText, EscapesWhatATerminalWouldObeyAndCutsLongTexts)
{
    for (auto [text, shown] : {
             std::pair<std::string, std::string>{"pożar 1.txt", "pożar 1.txt"},
             {"\x1b]0;title\x07", "\\e]0;title\\x07"},         // would retitle the window
             {"0.45 1\r\n\t\x7f", "0.45 1\\r\\n\\t\\x7f"},
             {"\xc2\x9b" "2J", "\\xc2\\x9b2J"},                 // C1 CSI: clears the screen
             {"\xff\xc3(\xed\xa0\x80", "\\xff\\xc3(\\xed\\xa0\\x80"}, // not UTF-8, a surrogate
             {"a\\x41", "a\\\\x41"},                            // a backslash cannot pass for an escape
             {std::string(20'000'000, 'x'), std::string(80, 'x') + "... (20000000 bytes)"},
             {"żółw" + std::string(77, 'x'), "żółw" + std::string(76, 'x') + "... (84 bytes)"},
         })
        EXPECT_EQ(terminalText(text), shown) << shown;
}
