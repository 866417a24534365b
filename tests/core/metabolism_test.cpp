#include <gtest/gtest.h>

#include <vector>

#include "core/metabolism.h"

namespace orvane {
namespace {

struct MetabolismCase {
    bool male;
    bool female;
    const char* weight;
    const char* height;
    const char* age;
    const char* line;
    const char* message;
};

TEST(BasalMetabolism, GivesTheRateOrAskForWhatIsMissing) {
    const std::vector<MetabolismCase> cases = {
        {false, false, "70", "175", "30", "请勾选您的性别", "no sex chosen"},
        {false, false, "", "", "", "请勾选您的性别", "no sex chosen and nothing filled"},
        {true, false, "70", "", "30", "请完整填写需要的内容", "height empty"},
        {true, false, "", "175", "30", "请完整填写需要的内容", "weight empty"},
        {false, true, "60", "165", "", "请完整填写需要的内容", "age empty"},
        {true, false, "70", "175", "30", "基础代谢为 1696 千卡/天", "male"},
        {true, false, "70.5", "175", "30", "基础代谢为 1702.85 千卡/天", "male, fractional"},
        {false, true, "60", "165", "30", "基础代谢为 1387 千卡/天", "female"},
        {false, true, "55.5", "160.5", "25", "基础代谢为 1359.2 千卡/天", "female, fractional"},
        {true, false, "abc", "175", "30", "基础代谢为 737 千卡/天", "a weight without a number"},
        {true, false, " ", " ", " ", "基础代谢为 66 千卡/天", "blank fields are filled"},
        {false, true, "0", "0", "200", "基础代谢为 -285 千卡/天", "a negative rate stands"},
        {true, true, "60", "165", "30", "基础代谢为 1387 千卡/天", "both chosen: the female line"},
        {true, true, "60", "165", "", "请完整填写需要的内容", "both chosen, age empty"},
    };
    for (const MetabolismCase& c : cases) {
        EXPECT_EQ(basalMetabolism(c.male, c.female, c.weight, c.height, c.age), c.line)
            << c.message;
    }
}

}  // namespace
}  // namespace orvane
