// The 95 % confidence interval of a sample's mean, from Student's t so that a handful
// of trials gets the wide interval it deserves rather than the normal one.
#pragma once
#include <cstdint>

// The two-sided 95 % quantile of Student's t with the given degrees of freedom (>= 1).
double studentT95(std::int64_t degreesOfFreedom);

// Half the width of the interval around the mean of n values with this sample
// standard deviation; NaN for fewer than two values, whose spread is unknown.
double meanHalfWidth95(double deviation, std::int64_t n);
