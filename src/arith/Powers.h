#pragma once
// Every power of two, five and ten the system computes, in the three forms its arithmetic takes:
// 128-bit binary approximations of 10^k for the fast paths that read and write decimal text,
// exact 5^k (and bounds of it) as binary big integers for the exact reading and the digit
// bounds, and 5^k and 2^k in base-10^9 limbs for the exact expansions. Tables hold what Singles
// and Doubles need; larger powers are computed by squaring.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "arith/BigUnsigned.h"
#include "arith/Bits128.h"
#include "arith/DecimalLimbs.h"

namespace pexabit {

// 10^0 ... 10^19, every power of ten in a word. WordPowersOfTen[3] == 1000.
inline constexpr std::array<std::uint64_t, 20> WordPowersOfTen = [] {
    std::array<std::uint64_t, 20> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
    return t;
}();

// 10^0 ... 10^38, every power of ten in 128 bits. WidePowersOfTen[20] == 10^20.
inline constexpr std::array<Bits128, 39> WidePowersOfTen = [] {
    std::array<Bits128, 39> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
    return t;
}();

// 5^27, the largest power of five below 2^64: one word-sized factor or divisor per 27 fives.
inline constexpr std::uint64_t WordPowerOfFive = 7'450'580'596'923'828'125ULL;
inline constexpr int WordPowerOfFiveExponent = 27;

// 10^k ~= Significand * 2^BinaryExponent. 128 bits leave more than 64 bits of margin above a
// binary64 significand, so a product with them decides almost every rounding outright; the rest
// goes to the exact arithmetic.
struct DecimalPower {
    Bits128 Significand;  // in [2^127, 2^128): the floor of 10^k / 2^BinaryExponent
    int BinaryExponent;
    bool Exact;           // the floor is exact: 10^k == Significand * 2^BinaryExponent (k in [0, 55])
};

// The range covers binary64 from below its smallest subnormal (4.9e-324 read with 19 digits
// needs 10^-343) to above its largest value, with room to spare.
inline constexpr int MinTabledDecimalPower = -400;
inline constexpr int MaxTabledDecimalPower = 400;

inline constexpr std::size_t TabledDecimalPowerCount = MaxTabledDecimalPower - MinTabledDecimalPower + 1;

namespace detail {
std::array<DecimalPower, TabledDecimalPowerCount> BuildDecimalPowerTable();
}

// PowerOfTen(0) == {2^127, -127, true}; PowerOfTen(-1).Significand == floor(2^131 / 10).
// Precondition: MinTabledDecimalPower <= k <= MaxTabledDecimalPower. The table is computed exactly
// on first use. Inline: every short decimal text read takes one, and a call costs as much as the
// lookup.
inline const DecimalPower& PowerOfTen(int k) {
    assert(k >= MinTabledDecimalPower && k <= MaxTabledDecimalPower);
    static const std::array<DecimalPower, TabledDecimalPowerCount> table = detail::BuildDecimalPowerTable();
    return table[static_cast<std::size_t>(k - MinTabledDecimalPower)];
}

// 5^k exactly. FivePower(3) is 125.
BigUnsigned FivePower(std::uint64_t k);

// x = x * 10^k, 19 tens at a time.
void MultiplyByPowerOfTen(BigUnsigned& x, std::uint64_t k);

// 5^k (k >= 0, 2.33 k within 64 bits) as a bound below or above with at most `words` words, by
// square and multiply from the top bit of k: products of lower (upper) bounds of positive numbers
// stay lower (upper) bounds. Bounds that hold 5^k in full are equal.
ScaledInteger FivePowerBound(std::int64_t k, std::size_t words, bool upper);

namespace limbs {

// Exponents up to this one are served from the limb tables: 5^k up to the 1074 places of the
// smallest Double subnormal, 2^k up to the 971 of the largest Double's last bit.
inline constexpr std::size_t TabledPowerLimit = 1100;

// Powers beyond the table up to this exponent (every binary exponent of every format's values
// and their halves of an ulp, with room for hex exponents typed a little beyond them) are kept
// once computed: each thread keeps the RecentPowerCount it asked for last, at most 6 KiB each
// (5^20000 has 13,980 digits), and copies a kept one into scratch instead of squaring again.
inline constexpr std::size_t KeptPowerLimit = 20000;
inline constexpr std::size_t RecentPowerCount = 16;

// 5^k. Returns a view of the table when k <= TabledPowerLimit, else of scratch, into which it
// copies a kept power or computes one by squaring. PowerOfFive(3, s) views {125}.
LimbSpan PowerOfFive(std::size_t k, Limbs& scratch);

// 2^k, the same way. PowerOfTwoLimbs(10, s) views {1024}.
LimbSpan PowerOfTwoLimbs(std::size_t k, Limbs& scratch);

}  // namespace limbs

}  // namespace pexabit
