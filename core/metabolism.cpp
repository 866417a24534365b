#include "core/metabolism.h"

#include "core/number.h"

namespace orvane {

namespace {

constexpr std::string_view kChooseSex = "请勾选您的性别";
constexpr std::string_view kFillEverything = "请完整填写需要的内容";

// The Harris–Benedict equations with the program's constants, in their written order.
double maleRate(double weight, double height, double age) {
    return (weight * 13.7 + height * 5 + 66) - age * 6.8;
}

double femaleRate(double weight, double height, double age) {
    return (weight * 9.6 + height * 1.8 + 655) - age * 4.7;
}

std::string rateLine(double (*rate)(double, double, double), std::string_view weight,
                     std::string_view height, std::string_view age) {
    if (weight.empty() || height.empty() || age.empty()) {
        return std::string(kFillEverything);
    }
    const double value = rate(readNumber(weight), readNumber(height), readNumber(age));
    // Not rounded: a fractional weight or height shows its decimals.
    return "基础代谢为 " + formatNumber(value) + " 千卡/天";
}

}  // namespace

std::string basalMetabolism(bool male, bool female, std::string_view weight,
                            std::string_view height, std::string_view age) {
    if (!male && !female) {
        return std::string(kChooseSex);
    }
    // The window lets only one be chosen; were both set, the female line wins.
    std::string line;
    if (male) {
        line = rateLine(maleRate, weight, height, age);
    }
    if (female) {
        line = rateLine(femaleRate, weight, height, age);
    }
    return line;
}

}  // namespace orvane
