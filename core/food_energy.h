// The two food energy calculators fed from a nutrition-facts label.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct FoodEnergyOutcome {
    // "100" when the weight text was empty; the caller fills the weight field with it.
    std::optional<std::string> weightReplacement;
    std::string resultLine;
};

// Protein, fat and carbohydrate in grams per 100 g; weight of the portion in grams.
FoodEnergyOutcome macroEnergy(std::string_view protein, std::string_view fat,
                              std::string_view carbohydrate, std::string_view weight);

// Label energy in kilojoules per 100 g; weight of the portion in grams.
FoodEnergyOutcome labelEnergy(std::string_view energy, std::string_view weight);

}  // namespace orvane
