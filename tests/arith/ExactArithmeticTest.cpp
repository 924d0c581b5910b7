// The exact arithmetic against GMP: the expansion of M x 2^e for significands of every width
// and exponents beyond the power tables, the limb operations at their boundaries, and the
// large-number products behind the exact values of long hex floats. The
// differences of decimal texts and of a value and its rounding are swept by the output guard
// (every typed number's and every pattern's differences) and the fuzz target; here only the
// lining up of parts that the texts never give (empty parts, padding zeros).
#include <gtest/gtest.h>

#include <random>

#include "GmpReference.h"
#include "arith/Bits128.h"
#include "arith/DecimalLimbs.h"
#include "arith/ExactExpansion.h"
#include "arith/Powers.h"
#include "arith/Subtract.h"

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
        WritePlainDigits(true, m, e, text);
        ASSERT_EQ(text, "-" + parts.Integer + (parts.Fraction.empty() ? "" : "." + parts.Fraction));
    }
}

// Integers at the edge of 128 bits: below it they are shifted, from it on multiplied by a power
// of two; catches a shift past the top bit and a boundary taken one bit off.
TEST(ExactExpansion, IntegersAtTheEdgeOf128Bits) {
    std::string text;
    for (const int width : {1, 53, 64, 65, 113, 128}) {
        const Bits128 m = LowBits(width);  // all ones: the last bit set, no trailing zero to drop
        for (const int e : {127 - width, 128 - width, 129 - width}) {
            if (e < 0) continue;
            WriteDecimalString('-', m, e, text);
            EXPECT_EQ(text, ToDecimalString(Scaled(ToMpz(m), e), '-')) << "width " << width << " exponent " << e;
        }
    }
}

// The digits are lined up by their places without copies: catches an integer part padded on
// the wrong side, a fraction part not padded, a borrow lost at the point, and zeros left over.
TEST(SubtractMagnitudes, LinesUpPlacesAndTrimsTheResult) {
    const struct {
        DecimalParts A, B;
        const char* Difference;
        const char* Reason;
    } cases[] = {
        {{"100", ""}, {"1", "5"}, "+98,5", "a shorter integer part lines up on the right; an absent fraction is zero"},
        {{"1", "25"}, {"1", "5"}, "-0,25", "the larger second operand gives '-'; a shorter fraction lines up on the left"},
        {{"2", "0"}, {"1", "999"}, "+0,001", "a borrow runs across the point; leading zeros of the result go"},
        {{"10", "5"}, {"0", "5"}, "+10,0", "trailing zeros go, a lone 0 stays after the comma"},
        {{"007", "50"}, {"7", "5"}, "+0,0", "equal values with padding zeros"},
        {{"", "5"}, {"", ""}, "+0,5", "an empty integer part reads as 0 and the result still has one"},
    };
    for (const auto& c : cases) EXPECT_EQ(SubtractMagnitudes(c.A, c.B), c.Difference) << c.Reason;
}

// The value of normalised limbs; -1 for a zero limb on top, which no operation may leave.
mpz_class ValueOf(limbs::LimbSpan x) {
    if (x.size() > 1 && x.back() == 0) return -1;
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
        const std::string digits = expected.get_str();
        ASSERT_EQ(limbs::DecimalLength(x), digits.size()) << c.Reason;
        std::string written(digits.size() + 2, '?');
        limbs::WriteDigits(x, written.data(), written.size());
        EXPECT_EQ(written, "00" + digits) << c.Reason << ": zeros pad on the left";
    }
}

// Limbs of a random number; runs of zero limbs and of 999999999 stress the carries and borrows.
limbs::Limbs RandomLimbs(std::mt19937_64& random, std::size_t size) {
    limbs::Limbs x(size);
    for (auto& limb : x) {
        const auto kind = random() % 4;
        limb = kind == 0 ? 0 : kind == 1 ? limbs::LimbBase - 1 : static_cast<std::uint32_t>(random() % limbs::LimbBase);
    }
    x.back() = 1 + static_cast<std::uint32_t>(random() % (limbs::LimbBase - 1));
    return x;
}

// Random factors of every shape (balanced, lopsided, with zero limbs inside), powers of 2 and 5
// far beyond the tables, and hex digits of both cases.
TEST(Limbs, LargeProductsPowersAndHexAgreeWithGmp) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 60; ++i) {
        const limbs::Limbs a = RandomLimbs(random, 1 + random() % 700), b = RandomLimbs(random, 1 + random() % 700);
        ASSERT_EQ(ValueOf(limbs::Multiply(a, b)), ValueOf(a) * ValueOf(b)) << a.size() << " x " << b.size();
    }
    limbs::Limbs s;
    // Tabled; one squaring; odd ones; even ones below an odd one; beyond the kept ones. Asked
    // again, and a few steps above: from the kept powers, each base apart.
    for (const long k : {0L, 1101L, 4099L, 20001L, 4099L, 1101L, 4112L, 4130L}) {
        EXPECT_EQ(ValueOf(limbs::PowerOfTwoLimbs(static_cast<std::size_t>(k), s)), testing::PowerOfTwo(k).get_num()) << "2^" << k;
        EXPECT_EQ(ValueOf(limbs::PowerOfFive(static_cast<std::size_t>(k), s)), testing::PowerOfTen(k).get_num() >> k) << "5^" << k;
    }
    std::string hex;
    for (int i = 0; i < 5000; ++i) hex += "0123456789abcdefABCDEF"[random() % 22];
    EXPECT_EQ(ValueOf(limbs::FromHexDigits(hex)), mpz_class(hex, 16));
}

}  // namespace
}  // namespace pexabit
