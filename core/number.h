// Conversions between field texts and numbers, shared by every calculator.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The value a field text stands for. Never fails: a text that holds no number reads as 0.
// Full-width digits, signs, point and letters count as their ASCII forms.
double readNumber(std::string_view text);

// Nearest whole number, halves away from zero, with a tolerance of 1e-12 so that a sum that
// lands a hair below a half still rounds up. Keeps the sign of zero.
double roundToWhole(double x);

// The display text of a number: "%.13g" with the exponent written as sign and three digits.
std::string formatNumber(double x);

}  // namespace orvane
