// The exact expansion against the C library's exact formatting of the same Double, side by
// side, plus the text routines applied to the same exact values.
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "arith/Subtract.h"
#include "window_report/ExactTexts.h"
#include "window_report/Scientific.h"

namespace pexabit {
namespace {

std::string ExactOf(std::uint64_t pattern) {
    std::string exact;
    WriteWindowDecimal(DecodePattern(DoubleFormat, pattern), exact);
    return exact;
}

// The exact expansion of a stored Double as the reports make it: its DecimalString, straight
// from the significand and exponent.
void BM_ExactExpansion(benchmark::State& state, std::uint64_t pattern) {
    const StoredValue value = DecodePattern(DoubleFormat, pattern);
    std::string exact;
    for (auto _ : state) {
        WriteWindowDecimal(value, exact);
        benchmark::DoNotOptimize(exact.data());
        benchmark::ClobberMemory();
    }
}

// "%.1074f" writes every digit of any Double: 1074 places reach the smallest subnormal.
void BM_SnprintfExact(benchmark::State& state, std::uint64_t pattern) {
    const double d = std::bit_cast<double>(pattern);
    char buffer[2048];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.1074f", d));
        benchmark::ClobberMemory();
    }
}

void BM_FormatScientific(benchmark::State& state, std::uint64_t pattern) {
    std::string exact = ExactOf(pattern);
    std::string sci;
    for (auto _ : state) {
        FormatScientific(exact, sci);
        benchmark::DoNotOptimize(sci.data());
    }
}

// The value minus its upper neighbour: both operands carry the full expansion.
void BM_SubtractDecimal(benchmark::State& state, std::uint64_t pattern) {
    std::string a = ExactOf(pattern);
    std::string b = ExactOf(pattern + 1);
    for (auto _ : state) benchmark::DoNotOptimize(SubtractDecimal(a, b));
}

#define PEXABIT_CASES(bm)                                        \
    BENCHMARK_CAPTURE(bm, max_subnormal, 0x000FFFFFFFFFFFFFULL);  \
    BENCHMARK_CAPTURE(bm, min_subnormal, 0x0000000000000001ULL);  \
    BENCHMARK_CAPTURE(bm, max_double, 0x7FEFFFFFFFFFFFFFULL);     \
    BENCHMARK_CAPTURE(bm, one_tenth, 0x3FB999999999999AULL);      \
    BENCHMARK_CAPTURE(bm, one, 0x3FF0000000000000ULL)

PEXABIT_CASES(BM_ExactExpansion);
PEXABIT_CASES(BM_SnprintfExact);
PEXABIT_CASES(BM_FormatScientific);
PEXABIT_CASES(BM_SubtractDecimal);

}  // namespace
}  // namespace pexabit

BENCHMARK_MAIN();
