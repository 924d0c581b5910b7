// The large-number products behind the exact values of long hex floats, against GMP: random
// factors of every shape (balanced, lopsided, with zero limbs inside), powers, hex conversions.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>

#include "decimal/LargeLimbs.h"

namespace pexabit::limbs {
namespace {

std::string Text(LimbSpan x) {
    std::string s(DecimalLength(x), '0');
    WriteDigits(x, s.data(), s.size());
    return s;
}

// Limbs of a random number; runs of zero limbs and of 999999999 stress the carries and borrows.
Limbs RandomLimbs(std::mt19937_64& random, std::size_t size) {
    Limbs x(size);
    for (auto& limb : x) {
        const auto kind = random() % 4;
        limb = kind == 0 ? 0 : kind == 1 ? LimbBase - 1 : static_cast<std::uint32_t>(random() % LimbBase);
    }
    x.back() = 1 + static_cast<std::uint32_t>(random() % (LimbBase - 1));
    return x;
}

TEST(LargeLimbs, ProductsPowersAndHexAgreeWithGmp) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 60; ++i) {
        const Limbs a = RandomLimbs(random, 1 + random() % 700), b = RandomLimbs(random, 1 + random() % 700);
        const mpz_class expected = mpz_class(Text(a)) * mpz_class(Text(b));
        ASSERT_EQ(Text(MultiplyLarge(a, b)), expected.get_str()) << a.size() << " x " << b.size();
    }
    for (const std::size_t k : {0UL, 1101UL, 4099UL, 20001UL}) {
        mpz_class five, two;
        mpz_ui_pow_ui(five.get_mpz_t(), 5, k);
        mpz_ui_pow_ui(two.get_mpz_t(), 2, k);
        EXPECT_EQ(Text(PowerLarge(5, k)), five.get_str()) << k;
        EXPECT_EQ(Text(PowerLarge(2, k)), two.get_str()) << k;
    }
    std::string hex;
    for (int i = 0; i < 5000; ++i) hex += "0123456789abcdefABCDEF"[random() % 22];
    EXPECT_EQ(Text(FromHexDigits(hex)), mpz_class(hex, 16).get_str());
}

}  // namespace
}  // namespace pexabit::limbs
