// Rounding into every format in every mode against MPFR and GMP (RoundingReference.h): random
// decimal and hex texts over each format's whole range, subnormals and overflow included, and
// the edges where a fault shows first, each exact, a hair above and a hair below; and stored
// values of one format rounded into another.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "RoundingReference.h"
#include "format/Rounding.h"
#include "format/StoredRounding.h"
#include "format/TypedNumber.h"

namespace pexabit {
namespace {

using namespace testing;

constexpr std::array<RoundingMode, 5> Modes{RoundingMode::NearestEven, RoundingMode::NearestAway,
                                            RoundingMode::TowardZero, RoundingMode::Up, RoundingMode::Down};

// Decimal exponents (of the leading digit's place + 1) from below half the smallest subnormal to
// above the largest value; a quarter of the draws near the subnormals, an eighth near overflow.
long RandomTop(std::mt19937_64& rng, const FloatFormat& f, double scale) {
    const long low = static_cast<long>(f.MinQuantumExponent() * scale) - 3;
    const long high = static_cast<long>((f.MaxExponent() + 1) * scale) + 3;
    const long normal = static_cast<long>(f.MinExponent() * scale) + 2;
    const auto pick = [&](long a, long b) { return a + static_cast<long>(rng() % static_cast<std::uint64_t>(b - a + 1)); };
    switch (rng() % 8) {
        case 0:
        case 1: return pick(low, normal);
        case 2: return pick(high - 6, high);
        default: return pick(low, high);
    }
}

std::string RandomDigits(std::mt19937_64& rng, std::size_t n, int base) {
    static constexpr char Alphabet[] = "0123456789abcdef";
    std::string d(1, Alphabet[1 + rng() % static_cast<unsigned>(base - 1)]);
    while (d.size() < n) d += Alphabet[rng() % static_cast<unsigned>(base)];
    return d;
}

// Mostly up to 20 digits, some up to 120, and now and then past the digits that can matter
// (about 770 for double) so that only a sticky digit is left of the rest.
std::vector<Sample> RandomSamples(const FloatFormat& f, int decimals, int hexes) {
    std::mt19937_64 rng(0x9E3779B97F4A7C15ULL ^ static_cast<unsigned>(f.TotalBits * 31 + f.ExponentBits));
    std::vector<Sample> samples;
    for (int i = 0; i < decimals; ++i) {
        const std::uint64_t kind = rng() % 40;
        const std::size_t n = kind < 24 ? 1 + rng() % 20 : kind < 34 ? 21 + rng() % 20 : kind < 38 ? 41 + rng() % 80 : 700 + rng() % 500;
        const long top = RandomTop(rng, f, 0.30103);
        samples.push_back(MakeSample(mpz_class(RandomDigits(rng, n, 10), 10), top - static_cast<long>(n), rng() % 2 == 0, false));
    }
    for (int i = 0; i < hexes; ++i) {
        const std::size_t n = 1 + rng() % 36;
        const long top = RandomTop(rng, f, 1.0);
        samples.push_back(MakeSample(mpz_class(RandomDigits(rng, n, 16), 16), top - 4 * static_cast<long>(n), rng() % 2 == 0, true));
    }
    return samples;
}

// The values where rounding changes its mind: ties, the subnormal and normal boundaries, the
// tininess boundary (just under the smallest normal, where rounding with an unbounded exponent
// and with subnormals disagree), the overflow threshold; each as exact decimal and hex texts,
// and a hair (10^-60 or 2^-130 of the last digit) above and below, in both signs.
std::vector<Sample> EdgeSamples(const FloatFormat& f) {
    const mpq_class minSub = PowerOfTwo(f.MinQuantumExponent()), minNormal = PowerOfTwo(f.MinExponent());
    const mpq_class maxUlp = PowerOfTwo(f.MaxExponent() - f.FractionBits), oneUlp = PowerOfTwo(-f.FractionBits);
    const mpq_class maxFinite = MaxFinite(f);
    const std::vector<mpq_class> edges{
        minSub, minSub / 2, minSub * 3 / 2, minSub / 4, minNormal - minSub, minNormal - minSub / 2,
        minNormal - minSub / 4, minNormal, maxFinite, maxFinite + maxUlp / 2, maxFinite + maxUlp,
        1 + oneUlp / 2, 1 + oneUlp * 3 / 2};
    std::vector<Sample> samples;
    for (const mpq_class& edge : edges) {
        // edge = num / 2^k: decimal digits num * 5^k at 10^-k; hex digits num at 2^-k.
        const long k = static_cast<long>(mpz_sizeinbase(edge.get_den_mpz_t(), 2)) - 1;
        const mpz_class decimal = mpq_class(edge * PowerOfTen(k)).get_num(), shift = PowerOfTen(60).get_num();
        for (bool negative : {false, true}) {
            for (int hair : {0, 1, -1}) {
                samples.push_back(MakeSample(decimal * (hair == 0 ? 1 : shift) + hair, -k - (hair == 0 ? 0 : 60), negative, false));
                samples.push_back(MakeSample((edge.get_num() << (hair == 0 ? 0 : 130)) + hair, -k - (hair == 0 ? 0 : 130), negative, true));
            }
        }
    }
    return samples;
}

// Every sample in every mode; reports the first mismatches and returns the number of checks.
int CheckAgainstReference(const FloatFormat& f, const std::vector<Sample>& samples) {
    int checks = 0, failures = 0;
    for (const Sample& s : samples) {
        const ParsedText parsed = ParseTypedNumber(s.Text);
        if (!parsed.Number) {
            ADD_FAILURE() << s.Text << ": " << parsed.Error;
            continue;
        }
        for (RoundingMode mode : Modes) {
            const std::string expected = ExpectedRounding(f, s.Value, mode);
            const std::string actual = ActualRounding(f, RoundToFormat(f, *parsed.Number, mode));
            ++checks;
            if (expected != actual && ++failures <= 10) {
                ADD_FAILURE() << f.Name << " " << RoundingModeName(mode) << " " << s.Text.substr(0, 200)
                              << "\n  expected " << expected << "\n  actual   " << actual;
            }
        }
    }
    return checks;
}

// NaNs, infinities, zeros, a single rounding where two would differ, an exact reader's edge and the
// power table's ends, each in one format and mode.
struct SpecialCase {
    const char* Text;
    const FloatFormat* Format;
    RoundingMode Mode;
    const char* Expected;  // PatternAndFlags
    const char* Reason;
};

constexpr auto NE = RoundingMode::NearestEven;
const SpecialCase SpecialCases[] = {
    {"nan", &HalfFormat, NE, "7E00 ---", "default quiet NaN: the top fraction bit"},
    {"nan", &ExtendedFormat, NE, "7FFFC000000000000000 ---", "extended sets its integer bit"},
    {"snan(0x1)", &ExtendedFormat, NE, "7FFF8000000000000001 ---", "extended snan keeps its integer bit"},
    {"-snan(0x2A)", &QuadFormat, NE, "FFFF000000000000000000000000002A ---", "payload in the low bits"},
    {"nan(0x3FFFFFFFFFFFFFFF)", &ExtendedFormat, NE, "7FFFFFFFFFFFFFFFFFFF ---", "widest extended payload"},
    {"nan(0x4000000000000000)", &ExtendedFormat, NE,
     "error: the payload 0x4000000000000000 does not fit extended: its NaNs carry 62 payload bits below the quiet bit",
     "payload reaching the quiet bit"},
    {"nan(0x1FF)", &HalfFormat, NE, "7FFF ---", "widest half payload"},
    {"nan(0x200)", &HalfFormat, NE, "error: the payload 0x200 does not fit half: its NaNs carry 9 payload bits below the quiet bit",
     "half payload one bit too wide"},
    {"snan", &E5M2Format, NE, "7D ---", "e5m2 has one payload bit"},
    {"nan", &E4M3Format, NE, "7F ---", "e4m3's one NaN"},
    {"-nan(0x0)", &E4M3Format, NE, "FF ---", "payload zero is e4m3's NaN"},
    {"nan(0x1)", &E4M3Format, NE, "error: e4m3 carries no NaN payload: its one NaN is S.1111.111", "no payloads in e4m3"},
    {"inf", &E4M3Format, RoundingMode::TowardZero, "7F I-O", "an infinity typed gives e4m3's NaN, overflow flags, any mode"},
    {"-inf", &ExtendedFormat, RoundingMode::Up, "FFFF8000000000000000 ---", "an infinity typed is exact"},
    {"-0", &SingleFormat, RoundingMode::Up, "80000000 ---", "zero keeps its sign"},
    {"0x0p+0", &QuadFormat, NE, "00000000000000000000000000000000 ---", "hex zero"},
    {"1.0000000596046447753906251", &SingleFormat, NE, "3F800001 I--", "rounded once, never through double"},
    {"340282366920938463463374607431768211457", &DoubleFormat, NE, "47F0000000000000 I--",
     "2^128 + 1: an integer of 129 bits, one past what the exact reader may keep whole"},
    {"1e-400", &DoubleFormat, RoundingMode::Up, "0000000000000001 IU-",
     "the power table's lowest power, read and rounded with no range check first: far below the quantum, up"},
    {"-9999999999999999999e400", &E4M3Format, RoundingMode::TowardZero, "FE I-O",
     "the power table's highest power with 19 digits, far above the largest value: overflow toward zero"},
};

class Specials : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(Specials, PatternAndFlags) {
    const SpecialCase& c = GetParam();
    const ParsedText parsed = ParseTypedNumber(c.Text);
    ASSERT_TRUE(parsed.Number) << parsed.Error;
    EXPECT_EQ(PatternAndFlags(*c.Format, RoundToFormat(*c.Format, *parsed.Number, c.Mode)), c.Expected) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Table, Specials, ::testing::ValuesIn(SpecialCases));

class RoundingReference : public ::testing::TestWithParam<const FloatFormat*> {};

TEST_P(RoundingReference, RandomTextsTiesBoundariesAndOverflowThresholds) {
    const FloatFormat& f = *GetParam();
    std::vector<Sample> samples = RandomSamples(f, 2000, 300);
    for (Sample& edge : EdgeSamples(f)) samples.push_back(std::move(edge));
    RecordProperty("checks", CheckAgainstReference(f, samples));
}

// digits * 10^exponent with the exponent text `length` characters long, sign and zeros ahead of
// its digits; or with the point ahead of every digit ("0.123e+0005"), its place moved into the
// exponent.
std::string LongExponentText(bool negative, const std::string& digits, long exponent, std::size_t length, bool pointFirst) {
    if (pointFirst) exponent += static_cast<long>(digits.size());
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    std::string text(negative ? 1 : 0, '-');
    text.append(pointFirst ? "0." : "").append(digits).append(exponent < 0 ? "e-" : "e+");
    return text.append(length - 1 - magnitude.size(), '0').append(magnitude);
}

// The overflow threshold (the midpoint between the largest value and the next one up the
// exponent range would give) and half the smallest subnormal, exact and a hair (10^-60 of the
// last digit) either side, in both signs, through exponent texts of 10, 100 and 1,000,000
// characters: an exponent read wrongly past its first digits moves them all. And values far
// beyond every format, their exponents beyond 64 bits too, rounding as any value that far would.
TEST_P(RoundingReference, ThresholdsThroughExponentsOfAnyLength) {
    const FloatFormat& f = *GetParam();
    const mpq_class maxFinite = MaxFinite(f), minSub = PowerOfTwo(f.MinQuantumExponent());
    std::vector<Sample> samples;
    for (const mpq_class& edge : {mpq_class(maxFinite + PowerOfTwo(f.MaxExponent() - f.FractionBits) / 2), mpq_class(minSub / 2)}) {
        const long k = static_cast<long>(mpz_sizeinbase(edge.get_den_mpz_t(), 2)) - 1;  // edge = num / 2^k
        const mpz_class decimal = mpq_class(edge * PowerOfTen(k)).get_num();
        for (int hair : {0, 1, -1}) {
            const mpz_class digits = hair == 0 ? decimal : decimal * PowerOfTen(60).get_num() + hair;
            const long exponent = -k - (hair == 0 ? 0 : 60);
            for (bool negative : {false, true}) {
                for (std::size_t length : {10, 100, 1000000}) {
                    for (bool pointFirst : {false, true}) {
                        const mpq_class value = digits * PowerOfTen(exponent);
                        samples.push_back({LongExponentText(negative, digits.get_str(), exponent, length, pointFirst),
                                           negative ? mpq_class(-value) : value});
                    }
                }
            }
        }
    }
    const std::string nines(30, '9');
    for (const int sign : {1, -1}) {
        for (const std::string& far : {std::string("1e-99999999999"), "1e-" + nines, std::string("0x1p-99999999999"), "0x1.8p-" + nines}) {
            samples.push_back({std::string(sign < 0 ? 1 : 0, '-').append(far), minSub / 4 * sign});
        }
        for (const std::string& far : {std::string("1e99999999999"), "9e" + nines, std::string("0x1p99999999999"), "0x1p" + nines}) {
            samples.push_back({std::string(sign < 0 ? 1 : 0, '-').append(far), maxFinite * 4 * sign});
        }
    }
    RecordProperty("checks", CheckAgainstReference(f, samples));
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RoundingReference, ::testing::ValuesIn(AllFormats),
                         [](const auto& info) { return std::string(info.param->Name); });

// A stored value rounded into another format, the source's value read from its bits by GMP: wide
// into narrow formats and narrow into wide ones (always exact), in every mode, extended's
// valueless patterns refused; then NaNs and infinities.
const struct Pair {
    const FloatFormat *Source, *Target;
    const char* Reason;
} Pairs[] = {
    {&SingleFormat, &Bfloat16Format, "the same exponent range: only the fraction is cut"},
    {&DoubleFormat, &HalfFormat, "the target's overflow and subnormals inside the source's normal range"},
    {&QuadFormat, &E4M3Format, "113 bits into 4, past 64-bit words; overflow to e4m3's NaN"},
    {&ExtendedFormat, &SingleFormat, "a stored integer bit: pseudo-denormals round as their bits weigh"},
    {&HalfFormat, &QuadFormat, "narrow to wide, exact: subnormals become normals"},
    {&E4M3Format, &DoubleFormat, "narrow to wide: e4m3's values where IEEE would have NaNs"},
    {&E5M2Format, &ExtendedFormat, "narrow to wide into a stored integer bit"},
};

// Every pattern up to 16 bits; else random ones, their exponent within the target's range and a
// few steps beyond, where rounding decides something.
std::vector<Bits128> SourcePatterns(const FloatFormat& s, const FloatFormat& t) {
    std::vector<Bits128> out;
    std::mt19937_64 rng(static_cast<unsigned>(s.TotalBits * 131 + t.TotalBits));
    const int low = std::max(0, t.MinQuantumExponent() - 3 + s.Bias), high = std::min(s.AllOnesExponent - 1, t.MaxExponent() + 2 + s.Bias),
              shift = s.TotalBits - 1 - s.ExponentBits;
    for (Bits128 i = 0; i < (s.TotalBits <= 16 ? Bits128{1} << s.TotalBits : 4000); ++i) {
        const Bits128 exponent = static_cast<unsigned>(low + static_cast<int>(rng() % static_cast<unsigned>(high - low + 1)));
        const Bits128 random = (Bits128{rng()} << 64 | rng()) & LowBits(s.TotalBits) & ~(LowBits(s.ExponentBits) << shift);
        out.push_back(s.TotalBits <= 16 ? i : random | exponent << shift);
    }
    return out;
}

class StoredRounding : public ::testing::TestWithParam<Pair> {};

TEST_P(StoredRounding, EveryFiniteValueAsMpfrRoundsIt) {
    const FloatFormat &source = *GetParam().Source, &target = *GetParam().Target;
    int failures = 0;
    for (Bits128 pattern : SourcePatterns(source, target)) {
        const StoredValue v = DecodePattern(source, pattern);
        if (v.Class == ValueClass::Infinite || v.Class == ValueClass::QuietNan || v.Class == ValueClass::SignallingNan) continue;
        const bool valueless = v.Class == ValueClass::Noncanonical && v.BiasedExponent != 0;
        const mpq_class magnitude = PatternMagnitude(pattern, source.ExponentBits, source.FractionBits, source.StoredIntegerBit);
        for (RoundingMode mode : Modes) {
            const RoundedValue r = RoundStoredValue(source, v, target, mode);
            const std::string expected = valueless ? "+nan ---"  // no value: the quiet NaN, no flags
                                         : magnitude == 0 ? ValueText(v.Negative, 0) + FlagsText(false, false, false)
                                         : ExpectedRounding(target, v.Negative ? mpq_class(-magnitude) : magnitude, mode);
            const std::string actual = ActualRounding(target, r);
            if (expected != actual && ++failures <= 5) {
                ADD_FAILURE() << GetParam().Reason << ": " << HexOf(static_cast<std::uint64_t>(pattern), 16) << " "
                              << RoundingModeName(mode) << "\n  expected " << expected << "\n  actual   " << actual;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WideAndNarrow, StoredRounding, ::testing::ValuesIn(Pairs), [](const auto& info) {
    return std::string(info.param.Source->Name) + "_to_" + std::string(info.param.Target->Name);
});

TEST(StoredRoundingSpecials, NansAndInfinities) {
    const struct {
        const FloatFormat *Source, *Target;
        Bits128 Pattern;
        const char *Expected, *Reason;  // PatternAndFlags
    } rows[] = {
        {&DoubleFormat, &HalfFormat, 0x7FF0000000000001, "7C01 ---", "a signalling NaN keeps its kind and payload"},
        {&E4M3Format, &HalfFormat, 0xFF, "FE00 ---", "e4m3's NaN is the default NaN: its low fraction bits are no payload"},
        {&DoubleFormat, &E4M3Format, 0xFFF0000000000000, "FF I-O", "an infinity into e4m3: its NaN, overflow"},
    };
    for (const auto& row : rows) {
        const RoundedValue r = RoundStoredValue(*row.Source, DecodePattern(*row.Source, row.Pattern), *row.Target, RoundingMode::NearestEven);
        EXPECT_EQ(PatternAndFlags(*row.Target, r), row.Expected) << row.Reason;
    }
}

}  // namespace
}  // namespace pexabit
