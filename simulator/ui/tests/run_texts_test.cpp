// Reading and checking the six run texts, in the order the user meets them.
#include "run_texts.h"
#include "text_readers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

TEST(TextReaders, IntegerTextsReadTheirLeadingNumber)
{
    EXPECT_EQ(readIntegerText(L"400"), 400);
    EXPECT_EQ(readIntegerText(L"abc"), 0);
    EXPECT_EQ(readIntegerText(L""), 0);
    EXPECT_EQ(readIntegerText(L"12abc"), 12);
    EXPECT_EQ(readIntegerText(L" +7"), 7);
    EXPECT_EQ(readIntegerText(L"\t\r\n-5"), -5);
    EXPECT_EQ(readIntegerText(L"- 5"), 0);
    EXPECT_EQ(readIntegerText(L"4294967297"), 1) << "accumulates modulo 2^32";
    EXPECT_EQ(readIntegerText(L"2147483648"), INT32_MIN);
}

TEST(TextReaders, DecimalTextsReadTheirLeadingNumberWithAPoint)
{
    EXPECT_EQ(readDecimalText(L"45"), 45.0);
    EXPECT_EQ(readDecimalText(L"45,5"), 45.0);
    EXPECT_EQ(readDecimalText(L" -32.5xyz"), -32.5);
    EXPECT_EQ(readDecimalText(L"1e2"), 100.0);
    EXPECT_EQ(readDecimalText(L"1e"), 1.0);
    EXPECT_EQ(readDecimalText(L".5"), 0.5);
    EXPECT_EQ(readDecimalText(L"+5."), 5.0);
    EXPECT_EQ(readDecimalText(L"abc"), 0.0);
    EXPECT_EQ(readDecimalText(L""), 0.0);
    EXPECT_EQ(readDecimalText(L"inf"), 0.0);
    EXPECT_EQ(readDecimalText(L"nan"), 0.0);
    EXPECT_EQ(readDecimalText(L"0x1A"), 0.0);
    EXPECT_EQ(readDecimalText(L"1e-400"), 0.0);
    EXPECT_EQ(readDecimalText(L"1e400"), std::nullopt);
}

namespace {
std::wstring_view rejectionOf(std::wstring_view x, std::wstring_view y, std::wstring_view density,
                              std::wstring_view trials)
{
    return checkRunTexts(x, y, density, trials, false, "f").rejection;
}
} // namespace

TEST(RunTexts, FirstFailingCheckWinsInOrder)
{
    EXPECT_EQ(rejectionOf(L"0", L"400", L"45", L"1"), rejection::xSizeTooSmall);
    EXPECT_EQ(rejectionOf(L"0", L"0", L"500", L"0"), rejection::xSizeTooSmall);
    EXPECT_EQ(rejectionOf(L"32769", L"0", L"500", L"0"), rejection::xSizeTooLarge);
    EXPECT_EQ(rejectionOf(L"32768", L"0", L"500", L"0"), rejection::ySizeTooSmall);
    EXPECT_EQ(rejectionOf(L"10", L"40000", L"500", L"0"), rejection::ySizeTooLarge);
    EXPECT_EQ(rejectionOf(L"10", L"10", L"500", L"0"), rejection::density);
    EXPECT_EQ(rejectionOf(L"10", L"10", L"45", L"0"), rejection::trials);
    EXPECT_EQ(rejectionOf(L"10", L"10", L"45", L"-5"), rejection::trials);
    EXPECT_EQ(rejectionOf(L"letters", L"10", L"45", L"1"), rejection::xSizeTooSmall);
    EXPECT_EQ(rejectionOf(L"10", L"10", L"45", L"1"), L"");
}

TEST(RunTexts, DensityBounds)
{
    for (auto text : {L"100.5", L"150", L"-101", L"1e9", L"1e400"})
        EXPECT_EQ(rejectionOf(L"10", L"10", text, L"1"), rejection::density) << text;
    for (auto text : {L"100", L"-100", L"1e2", L"0", L"", L"letters", L"-0"})
        EXPECT_EQ(rejectionOf(L"10", L"10", text, L"1"), L"") << text;
}

TEST(RunTexts, AcceptedTextsFillTheParameters)
{
    CheckedRun run = checkRunTexts(L"400", L" 300x", L"45", L"+3", true, "pozar.txt");
    ASSERT_TRUE(run.rejection.empty());
    EXPECT_EQ(run.parameters.xsize, 400);
    EXPECT_EQ(run.parameters.ysize, 300);
    EXPECT_EQ(run.parameters.density, 0.45);
    EXPECT_EQ(run.parameters.trials, 3);
    EXPECT_TRUE(run.parameters.silent);
    EXPECT_EQ(run.parameters.fileName, "pozar.txt");

    EXPECT_EQ(checkRunTexts(L"1", L"1", L"-100", L"1", false, "").parameters.density, -1.0);
    EXPECT_TRUE(std::signbit(checkRunTexts(L"1", L"1", L"-0", L"1", false, "").parameters.density));
}

TEST(RunTexts, EveryWholePerCentGivesTheNearestDouble)
{
    for (int percent = -100; percent <= 100; ++percent) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.0e-2", percent);
        EXPECT_EQ(densityFromPercent(percent), std::strtod(text, nullptr)) << percent;
    }
    EXPECT_NE(35 * 0.01, 0.35) << "the plain double product is the trap the extended product avoids";
}
