// The quantiles up to 30 degrees of freedom are the tabulated ones; beyond, the
// Cornish-Fisher expansion around the normal quantile is good to 1e-5 and better.
#include "mean_interval.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr std::array<double, 30> tabulated = {
    12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.3060, 2.2622, 2.2281,
    2.2010,  2.1788, 2.1604, 2.1448, 2.1314, 2.1199, 2.1098, 2.1009, 2.0930, 2.0860,
    2.0796,  2.0739, 2.0687, 2.0639, 2.0595, 2.0555, 2.0518, 2.0484, 2.0452, 2.0423};

} // namespace

double studentT95(std::int64_t degreesOfFreedom)
{
    if (degreesOfFreedom <= static_cast<std::int64_t>(tabulated.size()))
        return tabulated[static_cast<std::size_t>(degreesOfFreedom - 1)];
    const double z = 1.959963984540054, v = static_cast<double>(degreesOfFreedom);
    const double z3 = z * z * z, z5 = z3 * z * z, z7 = z5 * z * z;
    return z + (z3 + z) / (4 * v) + (5 * z5 + 16 * z3 + 3 * z) / (96 * v * v) +
           (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * v * v * v);
}

double meanHalfWidth95(double deviation, std::int64_t n)
{
    if (n < 2)
        return std::numeric_limits<double>::quiet_NaN();
    return studentT95(n - 1) * deviation / std::sqrt(static_cast<double>(n));
}
