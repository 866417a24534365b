#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/random_generator.h"
#include "core/tips.h"

namespace orvane {
namespace {

const std::vector<std::string> kTipLines = {
    "4500大卡热量约等于1斤脂肪",
    "三分练 七分吃",
    "大部分肉类都是优质蛋白 反而更有利于减脂",
    "不要不吃碳水 不然头发掉光光",
    "制造热量缺口 得先知道自己的基础代谢",
};

// Draws a fixed value and remembers every seed it was given.
class FixedGenerator final : public RandomGenerator {
  public:
    explicit FixedGenerator(int value) : value_(value) {}
    void seed(std::uint32_t seed) override { seeds.push_back(seed); }
    int next() override { return value_; }

    std::vector<std::uint32_t> seeds;

  private:
    int value_;
};

std::uint32_t frozenClock() {
    return 1000;
}

TEST(TipPicker, TheDrawChoosesTheLine) {
    struct DrawCase {
        int draw;
        const char* line;
        const char* message;
    };
    const std::vector<DrawCase> cases = {
        {0, "4500大卡热量约等于1斤脂肪", "0 gives the first line"},
        {4, "制造热量缺口 得先知道自己的基础代谢", "4 gives the fifth line"},
        {5, "4500大卡热量约等于1斤脂肪", "5 wraps round to the first line"},
        {1, "三分练 七分吃", "1 gives the second line"},
        {32767, "大部分肉类都是优质蛋白 反而更有利于减脂", "the largest draw gives the third line"},
    };
    for (const DrawCase& c : cases) {
        FixedGenerator generator(c.draw);
        TipPicker picker(frozenClock, generator);
        EXPECT_EQ(picker.pick(), c.line) << c.message;
        EXPECT_EQ(picker.pick(), c.line) << c.message << ", second pick";
    }
}

TEST(TipPicker, PicksInOneMillisecondGetDifferentSeeds) {
    FixedGenerator generator(0);
    TipPicker picker(frozenClock, generator);
    for (int i = 0; i < 3; ++i) {
        picker.pick();
    }
    // 1000, then 1000 + (1000 mod 256) + 100, then that plus (1332 mod 256) + 100.
    EXPECT_EQ(generator.seeds, (std::vector<std::uint32_t>{1000, 1332, 1484}));
}

TEST(TipPicker, SeedSumsWrapAtThirtyTwoBits) {
    FixedGenerator generator(0);
    TipPicker picker([] { return std::uint32_t{0xFFFFFFFF}; }, generator);
    picker.pick();
    picker.pick();
    // The counter grows by 255 + 100 after the first seed; the second seed wraps past 2^32.
    EXPECT_EQ(generator.seeds, (std::vector<std::uint32_t>{0xFFFFFFFF, 354}));
}

TEST(LinearCongruentialGenerator, DrawsTheClassicSequence) {
    LinearCongruentialGenerator generator;
    generator.seed(1);
    std::vector<int> draws;
    for (int i = 0; i < 5; ++i) {
        draws.push_back(generator.next());
    }
    EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334, 26500, 19169}));

    // The state wraps modulo 2^32 and the top bit is dropped.
    generator.seed(0xFFFFFFFF);
    EXPECT_EQ(generator.next(), 35);
}

TEST(PickTip, EveryPickIsOneOfTheFiveLines) {
    for (int i = 0; i < 200; ++i) {
        const std::string tip = pickTip();
        EXPECT_NE(std::find(kTipLines.begin(), kTipLines.end(), tip), kTipLines.end())
            << "\"" << tip << "\" is not a tip line";
        EXPECT_EQ(tip.find_first_of("\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace orvane
