#pragma once
// Big integers times powers of two kept to a few words, as bounds below or above an exact value
// too long to hold (5^j for j in the billions, a significand of millions of bits); and what such
// bounds settle exactly: the leading decimal digits of m * 2^k / n. The bounds narrow fourfold
// until they agree, so that only a value next to a decimal boundary pays for more words.

#include <cstddef>
#include <cstdint>

#include "arith/BigUnsigned.h"

namespace pexabit {

// M * 2^Exponent.
struct ScaledInteger {
    BigUnsigned M;
    std::int64_t Exponent = 0;
};

// x cut to its top `words` words, rounded down or up: a bound below or above x.
void KeepWords(ScaledInteger& x, std::size_t words, bool roundUp);

// 5^k (k >= 0, 2.33 k within 64 bits) as a bound below or above with at most `words` words, by
// square and multiply from the top bit of k: products of lower (upper) bounds of positive numbers
// stay lower (upper) bounds. Bounds that hold 5^k in full are equal.
ScaledInteger FivePowerBound(std::int64_t k, std::size_t words, bool upper);

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
