#include "core/food_energy.h"

#include "core/number.h"

namespace orvane {

namespace {

// The weight the label figures are given for, filled into an empty weight field.
constexpr std::string_view kDefaultWeight = "100";

std::string energyLine(double kilocalories) {
    return "当前热量约 " + formatNumber(roundToWhole(kilocalories)) + " 千卡";
}

}  // namespace

FoodEnergyOutcome macroEnergy(std::string_view protein, std::string_view fat,
                              std::string_view carbohydrate, std::string_view weight) {
    const double p = readNumber(protein);
    const double f = readNumber(fat);
    const double c = readNumber(carbohydrate);
    if (weight.empty()) {
        // Fat counts 8 kilocalories a gram here, by design.
        return {std::string(kDefaultWeight), energyLine(p * 4 + f * 8 + c * 4)};
    }
    const double w = readNumber(weight);
    // Each term as nutrient × weight × factor, summed left to right: another order can move
    // the sum across a rounding half.
    return {std::nullopt, energyLine(p * w * 0.04 + f * w * 0.08 + c * w * 0.04)};
}

FoodEnergyOutcome labelEnergy(std::string_view energy, std::string_view weight) {
    const double e = readNumber(energy);
    if (weight.empty()) {
        return {std::string(kDefaultWeight), energyLine(e * 0.2389)};
    }
    const double w = readNumber(weight);
    return {std::nullopt, energyLine((e * w) * 0.002389)};
}

}  // namespace orvane
