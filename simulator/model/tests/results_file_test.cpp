// The shape of a results-file row.
#include "results_file.h"

#include <gtest/gtest.h>

TEST(ResultRow, GeneralFormatWithSixSignificantDigits)
{
    EXPECT_EQ(formatResultRow(0.45, 123, 1.0 / 3), "0.45 123 0.333333\r\n");
    EXPECT_EQ(formatResultRow(0.0, 2, 1.0), "0 2 1\r\n");
    EXPECT_EQ(formatResultRow(-0.0, 2, 1.0), "0 2 1\r\n");
    EXPECT_EQ(formatResultRow(1.0000000000000004, 52, 0.00001), "1 52 1e-05\r\n");
    EXPECT_EQ(formatGeneral6(0.0001), "0.0001");
    EXPECT_EQ(formatGeneral6(0.5999999), "0.6");
    EXPECT_EQ(formatGeneral6(123456.7), "123457");
    EXPECT_EQ(formatGeneral6(1234567.0), "1.23457e+06");
    EXPECT_EQ(formatGeneral6(7.0 / 8), "0.875");
}
