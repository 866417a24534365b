// The pseudo-random generator behind the tips, kept in the program so that every build draws
// the same sequence from the same seed.
#pragma once

#include <cstdint>

namespace orvane {

class RandomGenerator {
  public:
    virtual ~RandomGenerator() = default;
    virtual void seed(std::uint32_t seed) = 0;
    // A value from 0 to 32767.
    virtual int next() = 0;
};

// state = state × 214013 + 2531011 mod 2^32, yielding bits 16 to 30 of the new state: the
// generator of the classic C runtimes, which glibc's rand is not.
class LinearCongruentialGenerator final : public RandomGenerator {
  public:
    void seed(std::uint32_t seed) override { state_ = seed; }
    int next() override;

  private:
    std::uint32_t state_ = 1;
};

}  // namespace orvane
