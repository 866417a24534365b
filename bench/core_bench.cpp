// readNumber and formatNumber against the C library calls they stand in for, on the same
// inputs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/number.h"

namespace {

// Field texts as people type them, plus a few long and extreme ones both readers accept.
const std::vector<std::string>& fieldTexts() {
    static const std::vector<std::string> texts = {
        "20",
        "10",
        "30",
        "150",
        "70.5",
        "175",
        "12.5",
        "0.25",
        "1702.85",
        "55.5",
        "500",
        "-0.1",
        " 12.5kg",
        "2E2",
        "0.000125",
        "1e400",
        "1e-400",
        "123456.789012",
        "9007199254740993",
        "1.7976931348623157e308",
    };
    return texts;
}

const std::vector<double>& displayValues() {
    static const std::vector<double> values = {280.0,
                                               420.0,
                                               119.0,
                                               1696.0,
                                               (70.5 * 13.7 + 175.0 * 5 + 66) - 30 * 6.8,
                                               1359.2,
                                               0.1 + 0.2,
                                               1.0 / 3.0,
                                               1e13,
                                               1e-5,
                                               123456789012345.0,
                                               -0.0,
                                               -285.0,
                                               2.5e-7,
                                               1.5e100,
                                               1.7976931348623157e308};
    return values;
}

// A megabyte of digits: the longest prefix is the whole text.
const std::string& megabyteOfDigits() {
    static const std::string text = [] {
        std::string digits;
        while (digits.size() < (1u << 20)) {
            digits += "1234567890";
        }
        digits.resize(1u << 20);
        return digits;
    }();
    return text;
}

void readNumberOnFieldTexts(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : fieldTexts()) {
            benchmark::DoNotOptimize(orvane::readNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(fieldTexts().size()));
}
BENCHMARK(readNumberOnFieldTexts);

void strtodOnFieldTexts(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : fieldTexts()) {
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(fieldTexts().size()));
}
BENCHMARK(strtodOnFieldTexts);

void formatNumberOnResults(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : displayValues()) {
            benchmark::DoNotOptimize(orvane::formatNumber(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(displayValues().size()));
}
BENCHMARK(formatNumberOnResults);

// Into a std::string as formatNumber gives it, so both pay for the result text.
void snprintfOnResults(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : displayValues()) {
            char text[32];
            const int length = std::snprintf(text, sizeof text, "%.13g", value);
            benchmark::DoNotOptimize(std::string(text, static_cast<std::size_t>(length)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(displayValues().size()));
}
BENCHMARK(snprintfOnResults);

void readNumberOnMegabyte(benchmark::State& state) {
    const std::string& text = megabyteOfDigits();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvane::readNumber(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(readNumberOnMegabyte);

void strtodOnMegabyte(benchmark::State& state) {
    const std::string& text = megabyteOfDigits();
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(strtodOnMegabyte);

}  // namespace
