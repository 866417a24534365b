// Milliseconds since some fixed moment, wrapping at 32 bits: the system tick count on Windows.
#pragma once

#include <cstdint>

namespace orvane {

std::uint32_t tickCount();

}  // namespace orvane
