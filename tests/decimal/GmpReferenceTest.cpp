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

std::string RandomDigits(std::mt19937_64& rng, std::size_t n, unsigned base) {
    std::string s(n, '0');
    for (auto& c : s) c = static_cast<char>('0' + rng() % base);
    return s;
}

// (-1)^sign * significand * 2^(max(E, 1) - Bias - FractionBits), with the hidden bit for E != 0.
mpq_class PatternValue(const FloatFormat& f, int sign, int exponent, const std::string& bits) {
    const mpz_class m = mpz_class(bits, 2) + (exponent != 0 ? mpz_class(1) << f.FractionBits : mpz_class(0));
    const long shift = std::max(exponent, 1) - f.Bias - f.FractionBits;
    const mpq_class q = shift >= 0 ? mpq_class(m << shift) : mpq_class(m, mpz_class(1) << -shift);
    return sign ? mpq_class(-q) : q;
}

TEST(GmpReferenceTest, RandomSingleAndDoublePatterns) {
    std::mt19937_64 rng(1);
    for (const FloatFormat& f : {SingleFormat, DoubleFormat}) {
        for (int i = 0; i < 3000; ++i) {
            const int sign = static_cast<int>(rng() & 1);
            const int exponent = static_cast<int>(rng() % static_cast<unsigned>(f.AllOnesExponent + 1));
            const std::string bits = RandomDigits(rng, static_cast<std::size_t>(f.FractionBits), 2);
            const mpq_class value = PatternValue(f, sign, exponent, bits);
            ASSERT_EQ(BinaryToDecimal(MakeBinaryString(f, sign, exponent, bits)), ToDecimalString(value, sign ? '-' : '+'))
                << f.TotalBits << "-bit pattern, exponent " << exponent << ", mantissa " << bits;
        }
    }
}

TEST(GmpReferenceTest, LongBinaryStringsTakeTheGeneralPath) {
    std::mt19937_64 rng(2);
    for (int i = 0; i < 300; ++i) {
        const std::string integer = RandomDigits(rng, 1 + rng() % 300, 2), fraction = RandomDigits(rng, rng() % 1500, 2);
        const mpq_class expected(mpz_class(integer + fraction, 2), mpz_class(1) << fraction.size());
        ASSERT_EQ(BinaryToDecimal("+" + integer + "," + fraction), ToDecimalString(expected, '+'));
    }
}

TEST(GmpReferenceTest, RandomDifferences) {
    std::mt19937_64 rng(3);
    auto text = [&rng] {
        std::string s((rng() & 1) ? "-" : "+");
        return s.append(RandomDigits(rng, 1 + rng() % 25, 10)).append(1, ',').append(RandomDigits(rng, 1 + rng() % 60, 10));
    };
    for (int i = 0; i < 3000; ++i) {
        std::string a = text(), b = (i % 10 == 0) ? a + "00" : text();  // every tenth: equal magnitudes
        const mpq_class d = abs(FromDecimalText(a)) - abs(FromDecimalText(b));
        ASSERT_EQ(SubtractDecimal(a, b), ToDecimalString(d, d < 0 ? '-' : '+')) << a << " - " << b;
    }
}

TEST(GmpReferenceTest, PowersUpTo3000) {
    for (int n = 1; n <= 3000; n += 7) {
        const mpz_class two = mpz_class(1) << n;
        ASSERT_EQ(PowerOfTwo(n), two.get_str()) << n;
        ASSERT_EQ("+0," + NegativePowerOfTwo(n), ToDecimalString(mpq_class(mpz_class(1), two), '+')) << n;
    }
}

}  // namespace
}  // namespace pexabit
