// The shortest text of a double, generic routine against std::to_chars, side by side over one
// set: 0.1, 1/3, 1e-300, the smallest subnormal, the largest double and 1,000 doubles from random
// finite bit patterns. Each iteration writes the whole set; items are values, so the per-value
// times compare directly.
#include <benchmark/benchmark.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "format/Shortest.h"

namespace pexabit {
namespace {

constexpr int RandomDoubles = 1000;
constexpr std::uint64_t Seed = 20261206;

std::vector<double> ShortestBenchValues() {
    std::vector<double> values{0.1, 1.0 / 3, 1e-300, 4.9e-324, 1.7976931348623157e308};
    std::mt19937_64 rng(Seed);
    while (values.size() < RandomDoubles + 5) {
        const double d = std::bit_cast<double>(rng());
        if (std::isfinite(d)) values.push_back(d);
    }
    return values;
}

const std::vector<double>& Values() {
    static const std::vector<double> values = ShortestBenchValues();
    return values;
}

void BM_ShortestTextDouble(benchmark::State& state) {
    char buffer[ShortestTextCapacity];
    for (auto _ : state) {
        for (const double d : Values()) {
            benchmark::DoNotOptimize(WriteShortestText(DoubleFormat, DecodePattern(DoubleFormat, std::bit_cast<std::uint64_t>(d)), buffer));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

void BM_ToCharsDouble(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        for (const double d : Values()) {
            benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, d));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

// Median of 10 repetitions, as the speed goal is stated.
BENCHMARK(BM_ShortestTextDouble)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ToCharsDouble)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pexabit
