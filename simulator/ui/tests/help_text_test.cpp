// The help text's shape: its fixed lines, the closing paragraph and the ending.
#include "help_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

TEST(HelpText, LinesParagraphsAndEnding)
{
    const std::wstring& text = helpText();
    std::vector<std::wstring> lines;
    std::wstringstream stream(text);
    for (std::wstring line; std::getline(stream, line);)
        lines.push_back(line);

    ASSERT_EQ(lines.size(), 27u) << "22 lines, a closing paragraph of four, and an empty line";
    EXPECT_EQ(lines[0], L"Pomoc na temat programu Ignaro wersja 1.1 (3.III.2001)");
    EXPECT_EQ(lines[1], L"");
    EXPECT_EQ(lines[3], L"<gęstość> to wartość gęstości lasu.");
    EXPECT_EQ(lines[17], L"200 200 75 2 0 out.txt");
    EXPECT_EQ(lines[18], L"czy też: 123 123 -32 1 1 test.dat");
    EXPECT_EQ(lines[21], L"");
    for (int i = 22; i < 26; ++i)
        EXPECT_FALSE(lines[static_cast<std::size_t>(i)].empty());
    EXPECT_EQ(lines[26], L"");
    EXPECT_EQ(text.substr(text.size() - 2), L"\n\n");
    EXPECT_EQ(text.find(L'@'), std::wstring::npos) << "no e-mail address";
}
