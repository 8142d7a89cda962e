// The t quantiles against published tables, across the switch from the table to
// the expansion, and an interval worked by hand.
#include "mean_interval.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MeanInterval, StudentQuantilesMatchTheTablesOnBothSidesOfThirtyDegrees)
{
    for (const auto& [freedom, quantile] : {std::pair{1, 12.7062}, {2, 4.3027}, {30, 2.0423}, {31, 2.0395},
                                            {40, 2.0211}, {60, 2.0003}, {120, 1.9799}, {1000000, 1.9600}})
        EXPECT_NEAR(studentT95(freedom), quantile, 1e-4) << freedom;
}

TEST(MeanInterval, HalfWidthOfThreeValuesAndNoneForOne)
{
    // 1, 2, 3: deviation 1, so 4.3027 / sqrt(3).
    EXPECT_NEAR(meanHalfWidth95(1, 3), 2.48417, 1e-5);
    EXPECT_TRUE(std::isnan(meanHalfWidth95(0, 1)));
}
