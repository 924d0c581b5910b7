// A stored value rounded into another format against MPFR (RoundingReference.h), the source's
// value read from its bits by GMP: wide into narrow formats of the same and of smaller exponent
// ranges, narrow into wide ones (always exact), in every mode; then the NaNs, infinities and
// valueless patterns, whose answers are the typed NaN's and infinity's.
#include <gtest/gtest.h>

#include <random>

#include "RoundingReference.h"
#include "format/StoredRounding.h"

namespace pexabit {
namespace {

using namespace testing;

constexpr RoundingMode Modes[] = {RoundingMode::NearestEven, RoundingMode::NearestAway, RoundingMode::TowardZero,
                                  RoundingMode::Up, RoundingMode::Down};

const struct Pair {
    const FloatFormat *Source, *Target;
    const char* Reason;
} Pairs[] = {
    {&SingleFormat, &Bfloat16Format, "the same exponent range: only the fraction is cut, ties at its last bit"},
    {&DoubleFormat, &HalfFormat, "the target's overflow and subnormals lie inside the source's normal range"},
    {&QuadFormat, &E4M3Format, "113 bits into 4, past 64-bit words; e4m3 overflows to its NaN"},
    {&ExtendedFormat, &SingleFormat, "a stored integer bit: pseudo-denormals round as the value their bits weigh"},
    {&HalfFormat, &QuadFormat, "narrow to wide: exact, the source's subnormals become normals"},
    {&E4M3Format, &DoubleFormat, "narrow to wide: e4m3's values above 240 that an IEEE layout would call NaN"},
    {&Bfloat16Format, &SingleFormat, "narrow to wide at the same exponent range: the fraction is widened"},
    {&E5M2Format, &ExtendedFormat, "narrow to wide with a stored integer bit in the target"},
};

// Patterns of `source`: all of them up to 16 bits; else random ones, half of them with an
// exponent within a few steps of the target's range, where rounding decides something.
std::vector<Bits128> SourcePatterns(const FloatFormat& source, const FloatFormat& target) {
    std::vector<Bits128> out;
    if (source.TotalBits <= 16) {
        for (Bits128 p = 0; p < (Bits128{1} << source.TotalBits); ++p) out.push_back(p);
        return out;
    }
    std::mt19937_64 rng(static_cast<unsigned>(source.TotalBits * 131 + target.TotalBits));
    const int low = std::max(1, target.MinQuantumExponent() - 3 + source.Bias);
    const int high = std::min(source.AllOnesExponent - 1, target.MaxExponent() + 2 + source.Bias);
    for (int i = 0; i < 4000; ++i) {
        Bits128 p = (Bits128{rng()} << 64 | rng()) & LowBits(source.TotalBits);
        if (i % 2 == 0) {
            const int exponent = low + static_cast<int>(rng() % static_cast<unsigned>(high - low + 1));
            const int shift = source.TotalBits - 1 - source.ExponentBits;
            p = (p & ~(LowBits(source.ExponentBits) << shift)) | (Bits128(static_cast<unsigned>(exponent)) << shift);
        }
        out.push_back(p);
    }
    return out;
}

class StoredRounding : public ::testing::TestWithParam<Pair> {};

TEST_P(StoredRounding, EveryFiniteValueAsMpfrRoundsIt) {
    const Pair& pair = GetParam();
    const FloatFormat &source = *pair.Source, &target = *pair.Target;
    int failures = 0;
    for (Bits128 pattern : SourcePatterns(source, target)) {
        const StoredValue value = DecodePattern(source, pattern);
        if (value.Class == ValueClass::Infinite || value.Class == ValueClass::QuietNan ||
            value.Class == ValueClass::SignallingNan) continue;
        const bool valueless = value.Class == ValueClass::Noncanonical && value.BiasedExponent != 0;
        const mpq_class magnitude = PatternMagnitude(pattern, source.ExponentBits, source.FractionBits, source.StoredIntegerBit);
        const mpq_class x = value.Negative ? mpq_class(-magnitude) : magnitude;
        for (RoundingMode mode : Modes) {
            const RoundedValue r = RoundStoredValue(source, value, target, mode);
            const std::string expected = valueless ? "refused"
                                         : x == 0  ? ValueText(value.Negative, 0) + FlagsText(false, false, false)
                                                   : ExpectedRounding(target, x, mode);
            const std::string actual = valueless && !r.Error.empty() ? "refused" : ActualRounding(target, r);
            if (expected != actual && ++failures <= 5) {
                ADD_FAILURE() << pair.Reason << ": " << source.Name << " " << HexOf(static_cast<std::uint64_t>(pattern), 16)
                              << " " << RoundingModeName(mode) << "\n  expected " << expected << "\n  actual   " << actual;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WideAndNarrow, StoredRounding, ::testing::ValuesIn(Pairs),
                         [](const ::testing::TestParamInfo<Pair>& info) {
                             return std::string(info.param.Source->Name) + "_to_" + std::string(info.param.Target->Name);
                         });

// NaNs keep sign, kind and payload where the target has room, and are refused as a typed NaN
// is where it has not; infinities stay infinities; a pattern without a value is refused.
TEST(StoredRoundingSpecials, NansInfinitiesAndValuelessPatterns) {
    const struct {
        const FloatFormat *Source, *Target;
        Bits128 Pattern;
        const char *Expected, *Reason;  // PatternAndFlags
    } rows[] = {
        {&DoubleFormat, &HalfFormat, 0x7FF8000000000001, "7E01 ---", "a quiet NaN's payload that half can hold"},
        {&DoubleFormat, &HalfFormat, 0xFFF4000000000000,
         "error: the payload 0x4000000000000 does not fit half: its NaNs carry 9 payload bits below the quiet bit",
         "a payload too wide: refused, never cut to zero (which would make an infinity)"},
        {&SingleFormat, &E4M3Format, 0x7F800001, "error: e4m3 has no signalling NaN: its one NaN is S.1111.111",
         "a signalling NaN stays signalling"},
        {&E4M3Format, &HalfFormat, 0xFF, "FE00 ---", "e4m3's one NaN is the default NaN, its low fraction bits no payload"},
        {&QuadFormat, &E5M2Format, (Bits128{0x7FFF000000000000} << 64) | 1, "7D ---", "quad snan payload 1 into e5m2"},
        {&DoubleFormat, &E4M3Format, 0xFFF0000000000000, "FF I-O", "an infinity into e4m3: its NaN, overflow"},
        {&HalfFormat, &ExtendedFormat, 0xFC00, "FFFF8000000000000000 ---", "an infinity into extended: integer bit set"},
        {&ExtendedFormat, &DoubleFormat, (Bits128{0x7FFF} << 64),
         "error: the extended pattern is a pseudo-infinity or pseudo-NaN (integer bit 0): the x87 refuses it as an "
         "invalid operand, so it has no value to round",
         "a pseudo-infinity has no value"},
    };
    for (const auto& row : rows) {
        const StoredValue value = DecodePattern(*row.Source, row.Pattern);
        EXPECT_EQ(PatternAndFlags(*row.Target, RoundStoredValue(*row.Source, value, *row.Target, RoundingMode::NearestEven)),
                  row.Expected) << row.Reason;
    }
}

}  // namespace
}  // namespace pexabit
