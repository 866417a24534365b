#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/number.h"
#include "same_double.h"

namespace orvane {
namespace {

using testing::sameDouble;

struct RoundCase {
    double x;
    double expected;
    const char* message;
};

TEST(RoundToWhole, RoundsHalvesAwayFromZeroWithinTheTolerance) {
    const std::vector<RoundCase> cases = {
        {2.5, 3.0, "a half rounds up"},
        {-2.5, -3.0, "a negative half rounds away from zero"},
        {0.4, 0.0, "below a half rounds down"},
        {-0.4, -0.0, "a negative value rounding to zero gives negative zero"},
        {0.5 - 5e-13, 1.0, "within the tolerance below a half rounds up"},
        {0.5 - 2e-12, 0.0, "beyond the tolerance below a half rounds down"},
        {-(0.5 - 5e-13), -1.0, "the tolerance works for negative values too"},
        {119.45, 119.0, "the label-energy value 119.45"},
        {1.4999999999995, 2.0, "a hair below 1.5"},
        {0.9999, 1.0, "just below one"},
        {7.0, 7.0, "a whole number stays"},
        {-1e-300, -0.0, "a tiny negative value"},
        {4503599627370497.0, 4503599627370497.0, "a large odd whole number"},
        {1e300, 1e300, "a huge value"},
    };
    for (const RoundCase& c : cases) {
        EXPECT_TRUE(sameDouble(roundToWhole(c.x), c.expected)) << c.message;
    }
}

TEST(RoundToWhole, KeepsZerosAndValuesThatAreNotFinite) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::vector<RoundCase> cases = {
        {0.0, 0.0, "zero"},
        {-0.0, -0.0, "negative zero"},
        {kInfinity, kInfinity, "infinity"},
        {-kInfinity, -kInfinity, "negative infinity"},
        {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
         "not a number"},
    };
    for (const RoundCase& c : cases) {
        EXPECT_TRUE(sameDouble(roundToWhole(c.x), c.expected)) << c.message;
    }
}

}  // namespace
}  // namespace orvane
