// The power-of-ten table against GMP: every entry must be the floor of 10^k at its binary
// exponent, normalised, and flagged exact exactly when nothing was cut off.
#include <gtest/gtest.h>

#include "GmpReference.h"
#include "format/DecimalPowers.h"

namespace pexabit {
namespace {

// Catches a wrong rounding direction (ceil for floor), an exponent off by one, a lost top bit
// after the reciprocal's division, and an exact flag on a truncated entry.
TEST(DecimalPowers, EveryEntryIsTheNormalisedFloorOfItsPower) {
    for (int k = MinTabledDecimalPower; k <= MaxTabledDecimalPower; ++k) {
        const DecimalPower& p = PowerOfTen(k);
        const mpz_class significand = testing::ToMpz(p.Significand);
        const mpq_class scale = testing::PowerOfTwo(p.BinaryExponent);
        const mpq_class ten = testing::PowerOfTen(k);
        const mpq_class low = mpq_class(significand) * scale;
        ASSERT_EQ(significand >> 127, 1) << "k=" << k;
        ASSERT_TRUE(low <= ten && ten < mpq_class(significand + 1) * scale) << "k=" << k;
        ASSERT_EQ(p.Exact, low == ten) << "k=" << k;
    }
}

}  // namespace
}  // namespace pexabit
