// Doubles compared bit for bit, so that 0 and -0 differ; every NaN matches every NaN.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace orvane::testing {

inline std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline ::testing::AssertionResult sameDouble(double actual, double expected) {
    if (std::isnan(actual) && std::isnan(expected)) {
        return ::testing::AssertionSuccess();
    }
    if (bitsOf(actual) == bitsOf(expected)) {
        return ::testing::AssertionSuccess();
    }
    char text[96];
    std::snprintf(text, sizeof text, "got %.17g, expected %.17g", actual, expected);
    return ::testing::AssertionFailure() << text;
}

}  // namespace orvane::testing
