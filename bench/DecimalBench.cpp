// The exact expansion against the C library's exact formatting of the same Double, side by
// side, plus the text routines applied to the same exact values.
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "decimal/BinaryToDecimal.h"
#include "decimal/ExactValues.h"
#include "decimal/Scientific.h"
#include "decimal/Subtract.h"

namespace pexabit {
namespace {

constexpr int DoubleFractionBits = 52;
constexpr int DoubleExponentMask = 0x7FF;

// The BinaryString of a Double pattern, built as the analysis of stored bytes builds it.
std::string BinaryStringOf(std::uint64_t pattern) {
    std::string bits(DoubleFractionBits, '0');
    for (int i = 0; i < DoubleFractionBits; ++i) {
        if ((pattern >> (DoubleFractionBits - 1 - i)) & 1) bits[static_cast<std::size_t>(i)] = '1';
    }
    const auto sign = static_cast<std::int32_t>(pattern >> 63);
    const auto exponent = static_cast<std::int32_t>((pattern >> DoubleFractionBits) & DoubleExponentMask);
    return MakeBinaryString(DoubleFormat, sign, exponent, bits);
}

std::string ExactOf(std::uint64_t pattern) { return BinaryToDecimal(BinaryStringOf(pattern)); }

void BM_BinaryToDecimal(benchmark::State& state, std::uint64_t pattern) {
    const std::string binary = BinaryStringOf(pattern);
    for (auto _ : state) benchmark::DoNotOptimize(BinaryToDecimal(binary));
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
    for (auto _ : state) benchmark::DoNotOptimize(FormatScientific(exact));
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

PEXABIT_CASES(BM_BinaryToDecimal);
PEXABIT_CASES(BM_SnprintfExact);
PEXABIT_CASES(BM_FormatScientific);
PEXABIT_CASES(BM_SubtractDecimal);

}  // namespace
}  // namespace pexabit

BENCHMARK_MAIN();
