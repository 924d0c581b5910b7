// The power-of-ten table against GMP: every entry must be the floor of 10^k at its binary
// exponent, normalised, and flagged exact exactly when nothing was cut off.
#include <gtest/gtest.h>
#include <gmpxx.h>

#include <cstdint>
#include <cstdlib>

#include "format/DecimalPowers.h"

namespace pexabit {
namespace {

mpq_class PowerOf(unsigned base, int exponent) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), base, static_cast<unsigned long>(std::abs(exponent)));
    mpq_class q = exponent >= 0 ? mpq_class(p) : mpq_class(1, p);
    q.canonicalize();
    return q;
}

mpz_class ToMpz(Bits128 v) {
    mpz_class high(static_cast<unsigned long>(static_cast<std::uint64_t>(v >> 64)));
    return (high << 64) + mpz_class(static_cast<unsigned long>(static_cast<std::uint64_t>(v)));
}

// Catches a wrong rounding direction (ceil for floor), an exponent off by one, a lost top bit
// after the reciprocal's division, and an exact flag on a truncated entry.
TEST(DecimalPowers, EveryEntryIsTheNormalisedFloorOfItsPower) {
    for (int k = MinTabledDecimalPower; k <= MaxTabledDecimalPower; ++k) {
        const DecimalPower& p = PowerOfTen(k);
        const mpz_class significand = ToMpz(p.Significand);
        const mpq_class scale = PowerOf(2, p.BinaryExponent);
        const mpq_class ten = PowerOf(10, k);
        const mpq_class low = mpq_class(significand) * scale;
        ASSERT_EQ(significand >> 127, 1) << "k=" << k;
        ASSERT_TRUE(low <= ten && ten < mpq_class(significand + 1) * scale) << "k=" << k;
        ASSERT_EQ(p.Exact, low == ten) << "k=" << k;
    }
}

}  // namespace
}  // namespace pexabit
