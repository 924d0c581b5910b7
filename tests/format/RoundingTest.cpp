// Rounding into every format in every mode against MPFR and GMP (RoundingReference.h): random
// decimal and hex texts over each format's whole range, subnormals and overflow included, and
// the edges where a fault shows first, each exact, a hair above and a hair below.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "RoundingReference.h"
#include "format/Rounding.h"
#include "format/TypedNumber.h"

namespace pexabit {
namespace {

using namespace testing;

constexpr std::array<RoundingMode, 5> Modes{RoundingMode::NearestEven, RoundingMode::NearestAway,
                                            RoundingMode::TowardZero, RoundingMode::Up, RoundingMode::Down};

// A typed text and its exact value.
struct Sample {
    std::string Text;
    mpq_class Value;
};

Sample DecimalSample(const mpz_class& digits, long exponent, bool negative) {
    const std::string sign = negative ? "-" : "";
    return {sign + digits.get_str() + "e" + std::to_string(exponent),
            mpq_class(negative ? mpz_class(-digits) : digits) * PowerOfTen(exponent)};
}

Sample HexSample(const mpz_class& digits, long exponent, bool negative) {
    const std::string sign = negative ? "-" : "";
    return {sign + "0x" + digits.get_str(16) + "p" + std::to_string(exponent),
            mpq_class(negative ? mpz_class(-digits) : digits) * PowerOfTwo(exponent)};
}

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
        samples.push_back(DecimalSample(mpz_class(RandomDigits(rng, n, 10), 10), top - static_cast<long>(n), rng() % 2 == 0));
    }
    for (int i = 0; i < hexes; ++i) {
        const std::size_t n = 1 + rng() % 36;
        const long top = RandomTop(rng, f, 1.0);
        samples.push_back(HexSample(mpz_class(RandomDigits(rng, n, 16), 16), top - 4 * static_cast<long>(n), rng() % 2 == 0));
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
    const mpq_class maxFinite = mpq_class((mpz_class(1) << f.Precision()) - (f.HasInfinities() ? 1 : 2)) * maxUlp;
    const std::vector<mpq_class> edges{
        minSub, minSub / 2, minSub * 3 / 2, minSub / 4, minNormal - minSub, minNormal - minSub / 2,
        minNormal - minSub / 4, minNormal, maxFinite, maxFinite + maxUlp / 2, maxFinite + maxUlp,
        1 + oneUlp / 2, 1 + oneUlp * 3 / 2};
    std::vector<Sample> samples;
    for (const mpq_class& edge : edges) {
        // edge = num / 2^k: decimal digits num * 5^k at 10^-k; hex digits num at 2^-k.
        const long k = static_cast<long>(mpz_sizeinbase(edge.get_den_mpz_t(), 2)) - 1;
        mpz_class five;
        mpz_ui_pow_ui(five.get_mpz_t(), 5, static_cast<unsigned long>(k));
        const mpz_class decimal = edge.get_num() * five;
        mpz_class shift;
        mpz_ui_pow_ui(shift.get_mpz_t(), 10, 60);
        for (bool negative : {false, true}) {
            samples.push_back(DecimalSample(decimal, -k, negative));
            samples.push_back(DecimalSample(decimal * shift + 1, -k - 60, negative));
            samples.push_back(DecimalSample(decimal * shift - 1, -k - 60, negative));
            samples.push_back(HexSample(edge.get_num(), -k, negative));
            samples.push_back(HexSample((edge.get_num() << 130) + 1, -k - 130, negative));
            samples.push_back(HexSample((edge.get_num() << 130) - 1, -k - 130, negative));
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

class RoundingReference : public ::testing::TestWithParam<const FloatFormat*> {};

TEST_P(RoundingReference, RandomTextsOverTheWholeRange) {
    const FloatFormat& f = *GetParam();
    const int checks = CheckAgainstReference(f, RandomSamples(f, 400, 100));
    RecordProperty("checks", checks);
}

TEST_P(RoundingReference, TiesBoundariesAndOverflowThresholds) {
    const FloatFormat& f = *GetParam();
    const int checks = CheckAgainstReference(f, EdgeSamples(f));
    RecordProperty("checks", checks);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RoundingReference, ::testing::ValuesIn(AllFormats),
                         [](const auto& info) { return std::string(info.param->Name); });

}  // namespace
}  // namespace pexabit
