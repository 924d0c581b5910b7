// Reading decimal texts: the power-of-ten table against GMP, the C library as a second reference for single and double (strtod and
// strtof under each rounding mode fesetround sets, std::from_chars for nearest-even), the fast
// paths against the exact path at their boundaries (the MPFR sweeps of RoundingTest run through
// them too).
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "RoundingReference.h"
#include "arith/Powers.h"
#include "format/ShortDecimal.h"

namespace pexabit {
namespace {

using testing::PatternAndFlags;

// A text read and rounded as the report reads it.
RoundedValue ReadAndRound(const FloatFormat& format, const std::string& text, RoundingMode mode) {
    return RoundToFormat(format, *ParseTypedNumber(text).Number, mode);
}

// The shortest and the 17-digit texts of random doubles (every one a value or a neighbour's
// halfway region for single and double alike), read in every mode the C library has, and in
// nearest-even by std::from_chars, must give the library's pattern.
template <typename Float>
void CheckAgainstLibrary(const FloatFormat& format, Float (*read)(const char*, char**)) {
    constexpr std::pair<RoundingMode, int> Modes[] = {{RoundingMode::NearestEven, FE_TONEAREST},
        {RoundingMode::TowardZero, FE_TOWARDZERO}, {RoundingMode::Up, FE_UPWARD}, {RoundingMode::Down, FE_DOWNWARD}};
    using Pattern = std::conditional_t<sizeof(Float) == 8, std::uint64_t, std::uint32_t>;
    std::mt19937_64 rng(0xC0FFEE);
    int checks = 0;
    for (int i = 0; i < 1500; ++i) {
        const double d = std::bit_cast<double>(rng());
        if (!std::isfinite(d)) continue;
        char buffer[64];
        const std::string texts[] = {std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, d).ptr),
                                     (std::snprintf(buffer, sizeof buffer, "%.17g", d), buffer)};
        for (const std::string& text : texts) {
            for (const auto& [mode, cMode] : Modes) {
                ASSERT_EQ(std::fesetround(cMode), 0);
                const Bits128 expected = std::bit_cast<Pattern>(read(text.c_str(), nullptr));
                std::fesetround(FE_TONEAREST);
                ++checks;
                ASSERT_EQ(ReadAndRound(format, text, mode).Value.Pattern, expected) << text;
            }
            Float value = 0;  // from_chars leaves it alone when the text is out of range
            if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{}) continue;
            ++checks;
            ASSERT_EQ(ReadAndRound(format, text, RoundingMode::NearestEven).Value.Pattern, std::bit_cast<Pattern>(value));
        }
    }
    ::testing::Test::RecordProperty("checks", checks);
}

TEST(CLibrary, StrtodInEveryModeAndFromChars) { CheckAgainstLibrary<double>(DoubleFormat, std::strtod); }
TEST(CLibrary, StrtofInEveryModeAndFromChars) { CheckAgainstLibrary<float>(SingleFormat, std::strtof); }

// Catches a wrong rounding direction of the power-of-ten table (ceil for floor), an exponent off
// by one, a lost top bit after the reciprocal's division, and an exact flag on a cut entry.
TEST(DecimalPowers, EveryEntryIsTheNormalisedFloorOfItsPower) {
    for (int k = MinTabledDecimalPower; k <= MaxTabledDecimalPower; ++k) {
        const DecimalPower& p = PowerOfTen(k);
        const mpz_class significand = testing::ToMpz(p.Significand);
        const mpq_class low = testing::Scaled(significand, p.BinaryExponent), ten = testing::PowerOfTen(k);
        ASSERT_EQ(significand >> 127, 1) << "k=" << k;
        ASSERT_TRUE(low <= ten && ten < testing::Scaled(significand + 1, p.BinaryExponent)) << "k=" << k;
        ASSERT_EQ(p.Exact, low == ten) << "k=" << k;
    }
}

// g cut or widened to exactly GuardedBits(precision) bits, what it says about the value unchanged.
GuardedSignificand Normalised(GuardedSignificand g, int precision) {
    const int excess = BitWidth128(g.Bits) - GuardedBits(precision);
    if (excess > 0) {
        g.Sticky = g.Sticky || (g.Bits & LowBits(excess)) != 0;
        g.Bits >>= excess;
    } else {
        g.Bits <<= -excess;
    }
    g.Exponent += excess;
    return g;
}

std::string Describe(const GuardedSignificand& g) {
    return testing::HexOf(static_cast<std::uint64_t>(g.Bits >> 64), 16) + testing::HexOf(static_cast<std::uint64_t>(g.Bits), 16) +
           " * 2^" + std::to_string(g.Exponent) + (g.Sticky ? " +" : "");
}

enum class Path { Table, Division, Exact };

struct FastCase {
    std::uint64_t Digits;
    int Exponent;
    int Precision;
    Path SettledBy;
    const char* Reason;
};

const FastCase FastCases[] = {
    {9'999'999'999'999'999'999ULL, 55, 113, Path::Table, "last exact power, widest significand: all 192 bits kept"},
    {9'999'999'999'999'999'999ULL, 56, 113, Path::Table, "first inexact positive power"},
    {1, MaxTabledDecimalPower, 53, Path::Table, "top of the table"},
    {9'999'999'999'999'999'999ULL, MinTabledDecimalPower, 53, Path::Table, "bottom of the table"},
    {9'007'199'254'740'993ULL, 0, 53, Path::Table, "2^53 + 1, a double tie, in an exact power"},
    {5, -1, 53, Path::Division, "0.5 is exact: the table cannot tell, the division can"},
    {19'073'486'328'125ULL, -19, MaxDivisionPrecision, Path::Division, "2^-19 over the largest one-word divisor"},
    {5, -1, 113, Path::Exact, "0.5 in quad: beyond the division's precision"},
    {95'367'431'640'625ULL, -20, 53, Path::Exact, "2^-20 is exact: the table cannot tell, 10^20 needs two words"},
};

class FastPaths : public ::testing::TestWithParam<FastCase> {};

TEST_P(FastPaths, AgreeWithTheExactPathAtTheirBoundaries) {
    const FastCase& c = GetParam();
    const auto table = ReadDecimalByPowerTable(c.Digits, c.Exponent, c.Precision);
    const auto fast = ReadShortDecimal(c.Digits, c.Exponent, c.Precision);
    EXPECT_EQ(table.has_value(), c.SettledBy == Path::Table) << c.Reason;
    EXPECT_EQ(fast.has_value(), c.SettledBy != Path::Exact) << c.Reason;
    if (!fast) return;
    const auto exact = ReadDecimalExactly(std::to_string(c.Digits), c.Exponent, c.Precision);
    EXPECT_EQ(Describe(Normalised(*fast, c.Precision)), Describe(Normalised(exact, c.Precision))) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Table, FastPaths, ::testing::ValuesIn(FastCases));

}  // namespace
}  // namespace pexabit
