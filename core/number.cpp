#include "core/number.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

#include "core/folded_text.h"

namespace orvane {

namespace {

// Correct rounding to double never needs more than 768 significant decimal digits; beyond
// those, only whether a further digit is non-zero can matter, and one extra "1" says that.
constexpr std::size_t kKeptDigits = 800;

// An exponent this large already puts every text that fits in memory far outside the double
// range, so clamping there keeps the arithmetic from overflowing without changing a result.
constexpr std::int64_t kExponentClamp = 100'000'000'000'000'000;

// Up to 15 digits make an integer below 2^53 and powers of ten up to 10^22 are exact doubles;
// that only holds where double arithmetic is not carried out in a wider format.
#if FLT_EVAL_METHOD == 0
constexpr std::size_t kExactDigits = 15;
#else
constexpr std::size_t kExactDigits = 0;
#endif
constexpr std::int64_t kExactPower = 22;

// 0.d × 10^311 is at least 1e310 and 0.d × 10^-331 below half the smallest subnormal; only
// exponents between need the exact conversion.
constexpr std::int64_t kLargestConvertedExponent = 310;
constexpr std::int64_t kSmallestConvertedExponent = -330;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The significant digits of a decimal prefix, as 0.digits × 10^scale.
class SignificantDigits {
  public:
    void addIntegerDigits(std::string_view run) {
        const std::string_view significant = withoutLeadingZeros(run);
        keep(significant);
        scale_ += static_cast<std::int64_t>(significant.size());
    }

    void addFractionDigits(std::string_view run) {
        const std::string_view significant = withoutLeadingZeros(run);
        scale_ -= static_cast<std::int64_t>(run.size() - significant.size());
        keep(significant);
    }

    bool empty() const { return count_ == 0; }

    // The magnitude 0.digits × 10^(scale + exponent), rounded to the nearest double.
    double value(std::int64_t exponent) const {
        const std::int64_t decimalExponent = scale_ + exponent;
        if (decimalExponent > kLargestConvertedExponent) {
            return std::numeric_limits<double>::infinity();
        }
        if (decimalExponent < kSmallestConvertedExponent) {
            return 0.0;
        }
        const std::int64_t power = decimalExponent - static_cast<std::int64_t>(count_);
        if (count_ <= kExactDigits && !droppedNonZero_ && power >= -kExactPower &&
            power <= kExactPower) {
            return exactValue(static_cast<int>(power));
        }
        // Written as an integer of digits with an exponent, which from_chars reads without
        // regard to the locale and rounds correctly.
        char text[kKeptDigits + 1 + 1 + 8];
        char* end = text;
        for (std::size_t i = 0; i < count_; ++i) {
            *end++ = digits_[i];
        }
        if (droppedNonZero_) {
            *end++ = '1';
        }
        const auto digitCount = static_cast<std::int64_t>(end - text);
        *end++ = 'e';
        end = std::to_chars(end, text + sizeof text, decimalExponent - digitCount).ptr;
        double magnitude = 0.0;
        if (std::from_chars(text, end, magnitude).ec != std::errc()) {
            // Out of range: the digits are not zero, so it overflowed or underflowed.
            magnitude = decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
        return magnitude;
    }

  private:
    // Field texts mostly hold a few digits: then the digits as an integer and the power of ten
    // are both exact doubles, and one multiplication or division rounds the exact value once.
    double exactValue(int power) const {
        static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        std::uint64_t integer = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            integer = integer * 10 + static_cast<std::uint64_t>(digits_[i] - '0');
        }
        const auto whole = static_cast<double>(integer);
        return power < 0 ? whole / kPowersOfTen[-power] : whole * kPowersOfTen[power];
    }

    // Zeros before the first significant digit only move the point.
    std::string_view withoutLeadingZeros(std::string_view run) const {
        if (count_ != 0) {
            return run;
        }
        const std::size_t first = run.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : run.substr(first);
    }

    void keep(std::string_view significant) {
        const std::size_t kept = std::min(significant.size(), kKeptDigits - count_);
        std::copy_n(significant.data(), kept, digits_ + count_);
        count_ += kept;
        if (!droppedNonZero_ &&
            significant.find_first_not_of('0', kept) != std::string_view::npos) {
            droppedNonZero_ = true;
        }
    }

    char digits_[kKeptDigits];
    std::size_t count_ = 0;
    std::int64_t scale_ = 0;
    bool droppedNonZero_ = false;
};

// A run of digits, ASCII and full-width mixed, given to the digits in pieces; whether there
// was any.
template <typename AddDigits>
bool readDigits(FoldedText& text, AddDigits add) {
    bool any = false;
    for (;;) {
        const std::string_view ascii = text.takeAsciiDigits();
        if (!ascii.empty()) {
            add(ascii);
        } else if (isDigit(text.current())) {
            const char folded = text.current();
            add(std::string_view(&folded, 1));
            text.advance();
        } else {
            return any;
        }
        any = true;
    }
}

// The digits of an exponent, saturating far beyond any exponent that can change a result.
std::int64_t readExponentDigits(FoldedText& text) {
    std::int64_t exponent = 0;
    for (char c = text.current(); isDigit(c); c = text.current()) {
        if (exponent < kExponentClamp) {
            exponent = exponent * 10 + (c - '0');
        }
        text.advance();
    }
    return exponent;
}

// The optional exponent after the digits. Its letter and sign belong to the number only when
// a digit follows them; otherwise the number ends before the letter and the exponent is 0.
std::int64_t readExponent(FoldedText afterLetter) {
    if (!isExponentLetter(afterLetter.current())) {
        return 0;
    }
    afterLetter.advance();
    bool negative = false;
    if (afterLetter.current() == '+' || afterLetter.current() == '-') {
        negative = afterLetter.current() == '-';
        afterLetter.advance();
    }
    if (!isDigit(afterLetter.current())) {
        return 0;
    }
    const std::int64_t exponent = readExponentDigits(afterLetter);
    return negative ? -exponent : exponent;
}

}  // namespace

double readNumber(std::string_view text) {
    FoldedText folded(text);
    while (isBlank(folded.current())) {
        folded.advance();
    }
    bool negative = false;
    if (folded.current() == '+' || folded.current() == '-') {
        negative = folded.current() == '-';
        folded.advance();
    }

    SignificantDigits digits;
    const bool integerDigits =
        readDigits(folded, [&digits](std::string_view run) { digits.addIntegerDigits(run); });
    bool fractionDigits = false;
    if (folded.current() == '.') {
        folded.advance();
        fractionDigits =
            readDigits(folded, [&digits](std::string_view run) { digits.addFractionDigits(run); });
    }
    if (!integerDigits && !fractionDigits) {
        return 0.0;
    }

    const std::int64_t exponent = readExponent(folded);
    // Zero keeps its sign, as does a magnitude too small for a double.
    const double magnitude = digits.empty() ? 0.0 : digits.value(exponent);
    return negative ? -magnitude : magnitude;
}

double roundToWhole(double x) {
    if (x == 0.0 || std::isnan(x)) {
        return x;
    }
    // The tolerance lets a sum that should be a half but lands just below it round up.
    const double a = std::fabs(x) + 1e-12;
    double whole = 0.0;
    const double fraction = std::modf(a, &whole);
    const double rounded = fraction >= 0.5 ? whole + 1.0 : whole;
    return std::copysign(rounded, x);
}

std::string formatNumber(double x) {
    // Not reachable from ordinary figures, only from texts beyond the double range; written
    // the way C's "%g" spells them, without the meaningless sign of a NaN.
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-inf" : "inf";
    }
    // Digits by to_chars, not printf: C runtimes disagree on the exponent's width.
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, x, std::chars_format::general, 13);
    const std::string_view text(digits, static_cast<std::size_t>(written.ptr - digits));
    const std::size_t letter = text.find('e');
    if (letter == std::string_view::npos) {
        return std::string(text);
    }
    // to_chars writes at least two exponent digits after the sign; show at least three.
    const std::string_view exponentDigits = text.substr(letter + 2);
    std::string result(text.substr(0, letter + 2));
    if (exponentDigits.size() < 3) {
        result.append(3 - exponentDigits.size(), '0');
    }
    result.append(exponentDigits);
    return result;
}

}  // namespace orvane
