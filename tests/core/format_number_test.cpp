#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/number.h"

namespace orvane {
namespace {

struct FormatCase {
    double x;
    const char* expected;
    const char* message;
};

void expectFormats(const std::vector<FormatCase>& cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(formatNumber(c.x), c.expected) << c.message;
    }
}

TEST(FormatNumber, WritesUpToThirteenSignificantDigits) {
    expectFormats({
        {150.0, "150", "a whole number"},
        {(70.5 * 13.7 + 175.0 * 5 + 66) - 30 * 6.8, "1702.85", "a metabolic rate"},
        {0.1 + 0.2, "0.3", "a sum just above 0.3"},
        {1.0 / 3.0, "0.3333333333333", "thirteen digits"},
        {2.0 / 3.0, "0.6666666666667", "the thirteenth digit rounded"},
        {1234567890123.0, "1234567890123", "the largest exponent in decimal notation"},
        {0.0001, "0.0001", "the smallest exponent in decimal notation"},
        {-12.25, "-12.25", "a negative value"},
        {0.0, "0", "zero"},
        {-0.0, "-0", "negative zero"},
    });
}

TEST(FormatNumber, WritesExponentsWithSignAndThreeDigits) {
    expectFormats({
        {1e13, "1e+013", "ten to the 13th"},
        {1e-5, "1e-005", "one hundred-thousandth"},
        {123456789012345.0, "1.234567890123e+014", "mantissa rounded to thirteen digits"},
        {-2.5e-7, "-2.5e-007", "a negative value"},
        {1.5e100, "1.5e+100", "a three-digit exponent"},
        {1.7976931348623157e308, "1.797693134862e+308", "the largest double"},
        {4.9406564584124654e-324, "4.940656458412e-324", "the smallest subnormal"},
        {9999999999999.5, "1e+013", "rounding to thirteen digits raises the exponent"},
        {0.00009999999999999995, "0.0001", "rounding to thirteen digits reaches -4"},
    });
}

// A text for the results that only inputs beyond the double range reach; a NaN's sign means
// nothing to a reader and is not shown.
TEST(FormatNumber, WritesValuesThatAreNotFinite) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    expectFormats({
        {kInfinity, "inf", "infinity"},
        {-kInfinity, "-inf", "negative infinity"},
        {kNaN, "nan", "not a number"},
        {-kNaN, "nan", "not a number with its sign bit set"},
    });
}

// "%.13g" from the C library with the exponent widened to three digits, whatever width this
// C runtime writes.
std::string referenceFormat(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.13g", x);
    std::string result = text;
    const std::size_t letter = result.find('e');
    if (letter != std::string::npos) {
        while (result.size() - (letter + 2) < 3) {
            result.insert(letter + 2, "0");
        }
    }
    return result;
}

TEST(FormatNumberProperty, AgreesWithPrintfOnFiniteDoubles) {
    std::uint64_t state = 7;
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 10; ++i) {
        // Random bit patterns cover every exponent; every fourth value is a short decimal, whose
        // rounding to thirteen digits is the interesting part.
        state = state * 6364136223846793005u + 1442695040888963407u;
        double x = 0.0;
        if (i % 4 == 0) {
            x = static_cast<double>(static_cast<std::int64_t>(state >> 40) - (1 << 23)) / 1024.0;
        } else {
            std::memcpy(&x, &state, sizeof x);
        }
        if (x - x != 0.0) {
            continue;  // not finite
        }
        const std::string expected = referenceFormat(x);
        if (formatNumber(x) != expected) {
            ++failures;
            ADD_FAILURE() << "formatNumber(" << expected << ") gave " << formatNumber(x);
        }
    }
}

}  // namespace
}  // namespace orvane
