// The dieting tips shown in the result line at start and on a double-click.
#pragma once

#include <string>

namespace orvane {

// One of the five tips, drawn at random; the generator is reseeded on every pick.
std::string pickTip();

}  // namespace orvane
