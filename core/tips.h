// The dieting tips shown in the result line at start and on a double-click.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "core/random_generator.h"

namespace orvane {

// One of the five tips, drawn at random; the generator is reseeded on every pick.
std::string pickTip();

// A pick with its clock, generator and seed counter held apart, so that tests can set the
// tick count and replace the generator. pickTip is one such picker for the whole process,
// on the system tick count and the linear congruential generator.
class TipPicker {
  public:
    TipPicker(std::function<std::uint32_t()> tickCount, RandomGenerator& generator)
        : tickCount_(std::move(tickCount)), generator_(generator) {}

    std::string pick();

  private:
    std::function<std::uint32_t()> tickCount_;
    RandomGenerator& generator_;
    std::uint32_t seedCounter_ = 0;
};

}  // namespace orvane
