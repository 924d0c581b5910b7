// The exact arithmetic against GMP: the expansion of M x 2^e for significands of every width
// and exponents beyond the power tables, and the limb operations at their boundaries. The
// differences of decimal texts and of a value and its rounding are swept by the output guard
// (every typed number's and every pattern's differences) and the fuzz target.
#include <gtest/gtest.h>

#include <random>

#include "GmpReference.h"
#include "decimal/DecimalLimbs.h"
#include "decimal/ExactExpansion.h"
#include "format/Bits128.h"

namespace pexabit {
namespace {

using testing::Scaled;
using testing::ToDecimalString;
using testing::ToMpz;

// Widths 0 to 128 bits and exponents on both sides of the tabled powers (1100): catches a
// wrong split of integer and fraction, a fraction written in too few places, a power taken from
// the table beyond its end, and a lost top limb.
TEST(ExactExpansion, RandomSignificandsAndExponents) {
    std::mt19937_64 rng(11);
    DecimalExpansion parts;
    std::string text;
    for (int i = 0; i < 4000; ++i) {
        const int width = static_cast<int>(rng() % 129);
        const Bits128 m = ((Bits128{rng()} << 64) | rng()) & LowBits(width);
        const int e = static_cast<int>(rng() % 2600) - 1300;
        const std::string expected = ToDecimalString(Scaled(ToMpz(m), e), '-');
        WriteDecimalString('-', m, e, text);
        ASSERT_EQ(text, expected) << "width " << width << " exponent " << e;
        ExpandExact(m, e, parts);
        ASSERT_EQ("-" + parts.Integer + "," + (parts.Fraction.empty() ? "0" : parts.Fraction), expected);
    }
}

mpz_class ValueOf(const limbs::Limbs& x) {
    mpz_class v;
    for (auto it = x.rbegin(); it != x.rend(); ++it) v = v * limbs::LimbBase + *it;
    return v;
}

limbs::Limbs Nines(std::size_t count) { return limbs::Limbs(count, limbs::LimbBase - 1); }

TEST(Limbs, OperationsAtTheirBoundaries) {
    const struct {
        limbs::Limbs A, B;  // B empty: MultiplyAdd(A, Mul, Add); else Multiply(A, B)
        std::uint32_t Mul, Add;
        const char* Reason;
    } cases[] = {
        {Nines(1), {}, 1, 1, "a limb of 999,999,999 plus one carries into a new limb"},
        {Nines(40), {}, 1, 1, "a carry runs across forty limbs"},
        {Nines(3), {}, 0xFFFFFFFF, 0xFFFFFFFF, "the largest multiplier and addend: the product's carry spans two limbs"},
        {{0}, {}, 7, 0, "zero stays one limb"},
        {Nines(16), Nines(30), 0, 0, "sixteen limbs of nines: every column sum at the limit of the column method"},
        {Nines(17), Nines(17), 0, 0, "seventeen limbs: the schoolbook method"},
        {Nines(2), {0}, 0, 0, "a product of zero is one zero limb"},
        {{0, 1}, Nines(5), 0, 0, "a zero low limb in the shorter operand"},
    };
    for (const auto& c : cases) {
        limbs::Limbs x = c.A;
        mpz_class expected;
        if (c.B.empty()) {
            limbs::MultiplyAdd(x, c.Mul, c.Add);
            expected = ValueOf(c.A) * c.Mul + c.Add;
        } else {
            limbs::Multiply(c.A, c.B, x);
            expected = ValueOf(c.A) * ValueOf(c.B);
        }
        EXPECT_EQ(ValueOf(x), expected) << c.Reason;
        EXPECT_TRUE(x.size() == 1 || x.back() != 0) << c.Reason << ": no zero limb on top";
        const std::string digits = expected.get_str();
        ASSERT_EQ(limbs::DecimalLength(x), digits.size()) << c.Reason;
        std::string written(digits.size() + 2, '?');
        limbs::WriteDigits(x, written.data(), written.size());
        EXPECT_EQ(written, "00" + digits) << c.Reason << ": zeros pad on the left";
    }
}

}  // namespace
}  // namespace pexabit
