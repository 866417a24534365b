#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/food_energy.h"

namespace orvane {
namespace {

struct MacroCase {
    const char* protein;
    const char* fat;
    const char* carbohydrate;
    const char* weight;
    std::optional<std::string> replacement;
    const char* line;
    const char* message;
};

TEST(MacroEnergy, GivesThePortionsEnergyInWholeKilocalories) {
    const std::vector<MacroCase> cases = {
        {"20", "10", "30", "", "100", "当前热量约 280 千卡", "empty weight counts as 100 g"},
        {"20", "10", "30", "100", std::nullopt, "当前热量约 280 千卡", "a weight of 100 g"},
        {"20", "10", "30", "150", std::nullopt, "当前热量约 420 千卡", "a weight of 150 g"},
        {"20", "10", "30", "0", std::nullopt, "当前热量约 0 千卡", "a weight of 0 g"},
        {"", "", "", "", "100", "当前热量约 0 千卡", "every field empty"},
        {"-0.1", "", "", "", "100", "当前热量约 -0 千卡", "a negative energy rounding to zero"},
        {"20", "10", "30", " ", std::nullopt, "当前热量约 0 千卡",
         "a blank weight is not empty and reads as 0"},
        {"abc", "10", "", "", "100", "当前热量约 80 千卡", "a field without a number counts 0"},
        {"1.3", "0", "0", "", "100", "当前热量约 5 千卡", "5.2 rounds down"},
        {"12.5", "0", "0", "25", std::nullopt, "当前热量约 13 千卡", "12.5 rounds up"},
        {"２０", "１０", "３０", "１５０", std::nullopt, "当前热量约 420 千卡",
         "full-width figures"},
        {"1e400", "", "", "", "100", "当前热量约 inf 千卡", "a protein beyond the double range"},
        {"1e400", "1e400", "-1e400", "", "100", "当前热量约 nan 千卡",
         "infinities of both signs cancel into no number"},
    };
    for (const MacroCase& c : cases) {
        const FoodEnergyOutcome outcome = macroEnergy(c.protein, c.fat, c.carbohydrate, c.weight);
        EXPECT_EQ(outcome.weightReplacement, c.replacement) << c.message;
        EXPECT_EQ(outcome.resultLine, c.line) << c.message;
    }
}

struct LabelCase {
    const char* energy;
    const char* weight;
    std::optional<std::string> replacement;
    const char* line;
    const char* message;
};

TEST(LabelEnergy, ConvertsTheLabelsKilojoulesToKilocalories) {
    const std::vector<LabelCase> cases = {
        {"500", "", "100", "当前热量约 119 千卡", "119.45 rounds down, empty weight"},
        {"500", "300", std::nullopt, "当前热量约 358 千卡", "358.35 rounds down"},
        {"100", "210", std::nullopt, "当前热量约 50 千卡", "50.169 rounds down"},
        {"1000", "", "100", "当前热量约 239 千卡", "238.9 rounds up"},
        {"500", "100", std::nullopt, "当前热量约 119 千卡", "a weight of 100 g as for empty"},
        {"", "", "100", "当前热量约 0 千卡", "both fields empty"},
        {"500", " ", std::nullopt, "当前热量约 0 千卡", "a blank weight reads as 0"},
        {"-2", "", "100", "当前热量约 -0 千卡", "a negative energy rounding to zero"},
        {"-1e400", "", "100", "当前热量约 -inf 千卡", "an energy beyond the double range"},
    };
    for (const LabelCase& c : cases) {
        const FoodEnergyOutcome outcome = labelEnergy(c.energy, c.weight);
        EXPECT_EQ(outcome.weightReplacement, c.replacement) << c.message;
        EXPECT_EQ(outcome.resultLine, c.line) << c.message;
    }
}

}  // namespace
}  // namespace orvane
