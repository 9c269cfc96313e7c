// Comparisons with the reference tables: angles there are in degrees, values carry 9
// significant digits.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "component.h"

namespace test {

inline double Radians(double degrees) {
    return degrees * kRadiansPerDegree;
}

// |actual - expected| within relative * |expected| + absolute.
inline void ExpectClose(double actual, double expected, const std::string& what,
                        double relative = 1e-6, double absolute = 1e-9) {
    EXPECT_NEAR(actual, expected, relative * std::fabs(expected) + absolute) << what;
}

}  // namespace test
