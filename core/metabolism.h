// Basal metabolic rate from sex, body weight, height and age.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The result line for the metabolism button: a prompt when no sex is chosen or a field is
// empty, otherwise the rate in kilocalories per day.
std::string basalMetabolism(bool male, bool female, std::string_view weight,
                            std::string_view height, std::string_view age);

}  // namespace orvane
