// Reading decimal texts into correctly rounded doubles: the system's generic reader (text to
// typed number to the double pattern, nearest-even) side by side with std::from_chars over the
// same set, 10 repetitions each; compare the medians' time per value.
#include <benchmark/benchmark.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "format/Rounding.h"
#include "format/TypedNumber.h"

namespace pexabit {
namespace {

constexpr int RandomDoubles = 1000;

// 0.1, 1/3 to 17 digits, the extremes of the range, and the shortest texts of 1,000 doubles from
// random finite bit patterns (fixed seed).
const std::vector<std::string>& ReadingSet() {
    static const std::vector<std::string> set = [] {
        std::vector<std::string> texts{"0.1", "0.33333333333333333", "1e-300", "4.9e-324", "1.7976931348623157e308"};
        std::mt19937_64 rng(20240607);
        while (texts.size() < 5 + RandomDoubles) {
            const double d = std::bit_cast<double>(rng());
            if (!std::isfinite(d)) continue;
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
            texts.emplace_back(buffer, result.ptr);
        }
        return texts;
    }();
    return set;
}

// What the every-format report runs for each typed text: the text read into its exact record,
// then rounded into the format.
void BM_ReadDoubleGeneric(benchmark::State& state) {
    const auto& texts = ReadingSet();
    ParsedText parsed;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            ParseTypedNumber(text, parsed);
            benchmark::DoNotOptimize(RoundToFormat(DoubleFormat, *parsed.Number, RoundingMode::NearestEven).Value.Pattern);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

// The two steps apart, to show where the time goes: the text read into its record, and the
// record rounded into double.
void BM_ReadDoubleStepParse(benchmark::State& state) {
    const auto& texts = ReadingSet();
    ParsedText parsed;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            ParseTypedNumber(text, parsed);
            benchmark::DoNotOptimize(parsed.Number->Exponent);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void BM_ReadDoubleStepRound(benchmark::State& state) {
    std::vector<TypedNumber> numbers;
    for (const std::string& text : ReadingSet()) numbers.push_back(*ParseTypedNumber(text).Number);
    for (auto _ : state) {
        for (const TypedNumber& number : numbers) {
            benchmark::DoNotOptimize(RoundToFormat(DoubleFormat, number, RoundingMode::NearestEven).Value.Pattern);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}

void BM_ReadDoubleFromChars(benchmark::State& state) {
    const auto& texts = ReadingSet();
    for (auto _ : state) {
        for (const std::string& text : texts) {
            double d = 0;
            std::from_chars(text.data(), text.data() + text.size(), d);
            benchmark::DoNotOptimize(d);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

BENCHMARK(BM_ReadDoubleGeneric)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadDoubleStepParse)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadDoubleStepRound)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadDoubleFromChars)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pexabit
