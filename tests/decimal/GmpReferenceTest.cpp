// Sweeps against GMP: random long base-2 texts (the general expansion), random decimal
// differences, and the powers over a range of exponents. The values of whole patterns are swept
// by the round-trip tests.
#include <gtest/gtest.h>

#include <random>

#include "GmpReference.h"
#include "decimal/BinaryToDecimal.h"
#include "decimal/DigitStrings.h"
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
