// Sweeps against GMP: random Single and Double patterns, random long base-2 texts (the general
// expansion), random decimal differences, and the powers over a range of exponents.
#include <gtest/gtest.h>

#include <random>

#include "GmpReference.h"
#include "decimal/BinaryToDecimal.h"
#include "decimal/DigitStrings.h"
#include "decimal/ExactValues.h"
#include "decimal/Subtract.h"

namespace pexabit {
namespace {

using testing::FromDecimalText;
using testing::ToDecimalString;

std::string RandomBits(std::mt19937_64& rng, std::size_t n) {
    std::string s(n, '0');
    for (auto& c : s) c = (rng() & 1) ? '1' : '0';
    return s;
}

// (-1)^sign * significand * 2^(E - Bias - FractionBits), the significand with the hidden bit
// for E != 0 and the exponent of E = 1 for subnormals.
mpq_class PatternValue(const FloatFormat& f, int sign, int exponent, const std::string& bits) {
    mpz_class m(bits, 2);
    if (exponent != 0) m += mpz_class(1) << f.FractionBits;
    const long shift = static_cast<long>(std::max(exponent, 1)) - f.Bias - f.FractionBits;
    mpq_class q(m);
    if (shift >= 0) q *= mpq_class(mpz_class(1) << shift);
    else q /= mpq_class(mpz_class(1) << -shift);
    return sign ? mpq_class(-q) : q;
}

class RandomPatternTest : public ::testing::TestWithParam<FloatFormat> {};
TEST_P(RandomPatternTest, BinaryToDecimalMatchesGmp) {
    const FloatFormat f = GetParam();
    std::mt19937_64 rng(f.TotalBits);
    for (int i = 0; i < 3000; ++i) {
        const int sign = static_cast<int>(rng() & 1);
        const int exponent = static_cast<int>(rng() % static_cast<unsigned>(f.AllOnesExponent + 1));
        const std::string bits = RandomBits(rng, static_cast<std::size_t>(f.FractionBits));
        const std::string binary = MakeBinaryString(f, sign, exponent, bits);
        const std::string expected = ToDecimalString(PatternValue(f, sign, exponent, bits), sign ? '-' : '+');
        ASSERT_EQ(BinaryToDecimal(binary), expected) << binary;
    }
}
INSTANTIATE_TEST_SUITE_P(Formats, RandomPatternTest, ::testing::Values(SingleFormat, DoubleFormat),
                         [](const auto& info) { return info.param.TotalBits == 32 ? "Single" : "Double"; });

TEST(GmpReferenceTest, LongBinaryStringsTakeTheGeneralPath) {
    std::mt19937_64 rng(42);
    for (int i = 0; i < 300; ++i) {
        const std::string integer = RandomBits(rng, 1 + rng() % 300);
        const std::string fraction = RandomBits(rng, rng() % 1500);
        mpq_class expected(mpz_class(integer + fraction, 2), mpz_class(1) << fraction.size());
        expected.canonicalize();
        ASSERT_EQ(BinaryToDecimal("+" + integer + "," + fraction), ToDecimalString(expected, '+'));
    }
}

TEST(GmpReferenceTest, SubtractDecimalMatchesGmp) {
    std::mt19937_64 rng(7);
    auto text = [&rng] {
        std::string s = (rng() & 1) ? "-" : "+";
        for (std::size_t n = 1 + rng() % 25; n > 0; --n) s += static_cast<char>('0' + rng() % 10);
        s += ',';
        for (std::size_t n = 1 + rng() % 60; n > 0; --n) s += static_cast<char>('0' + rng() % 10);
        return s;
    };
    for (int i = 0; i < 3000; ++i) {
        std::string a = text(), b = (i % 10 == 0) ? a + "00" : text();  // every tenth: equal magnitudes
        const mpq_class d = abs(FromDecimalText(a)) - abs(FromDecimalText(b));
        ASSERT_EQ(SubtractDecimal(a, b), ToDecimalString(d, d < 0 ? '-' : '+')) << a << " - " << b;
    }
}

TEST(GmpReferenceTest, PowersOfTwoAndFive) {
    for (int n = 0; n <= 3000; n += 7) {
        const mpz_class two = mpz_class(1) << n;
        ASSERT_EQ(PowerOfTwo(n), two.get_str()) << n;
        if (n == 0) continue;
        const std::string digits = ToDecimalString(mpq_class(mpz_class(1), two), '+').substr(3);
        ASSERT_EQ(NegativePowerOfTwo(n), digits) << n;
    }
}

}  // namespace
}  // namespace pexabit
