#include "core/random_generator.h"

namespace orvane {

int LinearCongruentialGenerator::next() {
    // Unsigned arithmetic wraps modulo 2^32, which is the modulus wanted.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

}  // namespace orvane
