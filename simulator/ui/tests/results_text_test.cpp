// The results window's header, rows and 15-digit number format.
#include "results_text.h"

#include <gtest/gtest.h>

TEST(ResultsText, GeneralFormatWithFifteenDigits)
{
    EXPECT_EQ(formatGeneral15(45, L','), L"45");
    EXPECT_EQ(formatGeneral15(87.5, L','), L"87,5");
    EXPECT_EQ(formatGeneral15(0, L','), L"0");
    EXPECT_EQ(formatGeneral15(0.0001, L','), L"0,0001");
    EXPECT_EQ(formatGeneral15(0.00001, L','), L"1E-5");
    EXPECT_EQ(formatGeneral15(0.000012345, L'.'), L"1.2345E-5");
    EXPECT_EQ(formatGeneral15(100, L'.'), L"100");
    EXPECT_EQ(formatGeneral15(123456789012345.0, L'.'), L"123456789012345");
    EXPECT_EQ(formatGeneral15(1e15, L'.'), L"1E15");
    EXPECT_EQ(formatGeneral15(1234567890123456.0, L'.'), L"1.23456789012346E15");
    EXPECT_EQ(formatGeneral15(-2.5, L'.'), L"-2.5");
}

TEST(ResultsText, PercentagesOfFractions)
{
    EXPECT_EQ(formatPercent(0.45, L','), L"45");
    EXPECT_EQ(formatPercent(1.0, L','), L"100");
    EXPECT_EQ(formatPercent(1.0 / 3, L','), L"33,3333333333333");
    EXPECT_EQ(formatPercent(0.35, L'.'), L"35");
    EXPECT_EQ(formatPercent(0.0000001, L'.'), L"1E-5");
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(formatPercent(percent / 100.0, L'.'), std::to_wstring(percent));
}

TEST(ResultsText, HeaderAndRows)
{
    EXPECT_EQ(resultsHeader(400, 300, 3), L"Rozmiar lasu: 400 x 300\r\n"
                                          L"Liczba prób: 3\r\n"
                                          L"---------------\r\n"
                                          L"1 - Gęstość lasu\r\n"
                                          L"2 - Czas pożaru\r\n"
                                          L"3 - Spłonięcie drzewostanu\r\n"
                                          L"---------------\r\n"
                                          L"1\t2\t3\r\n"
                                          L"---------------\r\n");
    EXPECT_EQ(resultsRow(0.45, 123, 0.875, L','), L"45%\t123\t87,5%\r\n");
    EXPECT_EQ(resultsRow(0.0, 2, 1.0, L','), L"0%\t2\t100%\r\n");
}
