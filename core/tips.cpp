#include "core/tips.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/tick_count.h"

namespace orvane {

namespace {

constexpr std::string_view kTips =
    "4500大卡热量约等于1斤脂肪\r\n"
    "三分练 七分吃\r\n"
    "大部分肉类都是优质蛋白 反而更有利于减脂\r\n"
    "不要不吃碳水 不然头发掉光光\r\n"
    "制造热量缺口 得先知道自己的基础代谢";

constexpr std::string_view kLineBreak = "\r\n";

// Piece k (from 1) of the text split at every line break, or the empty text if there is none.
std::string_view piece(std::string_view text, std::size_t k) {
    std::size_t start = 0;
    for (std::size_t i = 1; i < k; ++i) {
        const std::size_t lineBreak = text.find(kLineBreak, start);
        if (lineBreak == std::string_view::npos) {
            return {};
        }
        start = lineBreak + kLineBreak.size();
    }
    const std::size_t end = text.find(kLineBreak, start);
    return text.substr(start, end == std::string_view::npos ? end : end - start);
}

}  // namespace

std::string TipPicker::pick() {
    // Reseeding from the clock alone would repeat a tip for picks within one millisecond; the
    // counter, grown by at least 100 each time, keeps the seeds apart. Sums wrap at 32 bits.
    const std::uint32_t seed = tickCount_() + seedCounter_;
    generator_.seed(seed);
    seedCounter_ += seed % 256 + 100;

    const auto count = static_cast<std::size_t>(std::count(kTips.begin(), kTips.end(), '\n')) + 1;
    const auto k = 1 + static_cast<std::size_t>(generator_.next()) % count;
    return std::string(piece(kTips, k));
}

std::string pickTip() {
    static LinearCongruentialGenerator generator;
    static TipPicker picker(tickCount, generator);
    return picker.pick();
}

}  // namespace orvane
