#pragma once
// The leading decimal digits of m * 2^k / n, settled exactly by bounds below and above it kept
// to a few words (ScaledInteger), though its parts may be too long to hold (5^j for j in the
// billions, a significand of millions of bits). The bounds narrow fourfold until they agree, so
// that only a value next to a decimal boundary pays for more words.

#include <cstdint>

#include "arith/BigUnsigned.h"

namespace pexabit {

// The first 18 significant decimal digits of v = (m * 2^k - c) / n (m, n > 0, 0 <= c < m * 2^k,
// c > 0 only for k >= 0): 10^Exponent <= v < 10^(Exponent + 1), Digits = floor(v / 10^(Exponent
// - 17)), Sticky when v / 10^(Exponent - 17) is no integer. k and the decimal exponent stay within
// about +-2^61; m * 2^k is never written out unless c reaches into the words kept of it.
// LeadingDecimalDigits(1, -1, 0, 3) (1/6) gives 166666666666666666, Exponent -1, Sticky.
struct LeadingDigits {
    std::int64_t Exponent = 0;
    std::uint64_t Digits = 0;
    bool Sticky = false;
};
LeadingDigits LeadingDecimalDigits(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n);

// The same v rounded to 17 significant digits, to nearest with ties to even: Digits in [10^16,
// 10^17), Exponent the first's place, Sticky false. A v next to a power of ten needs no more
// words than its rounding does. RoundedDecimalDigits(2, 0, 0, 3) gives 66666666666666667, -1.
LeadingDigits RoundedDecimalDigits(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n);

}  // namespace pexabit
