#pragma once
// Powers of ten as normalised 128-bit binary approximations, for the fast paths that read and
// write decimal text: 10^k ~= Significand * 2^BinaryExponent. 128 bits leave more than 64 bits
// of margin above a binary64 significand, so a product with them decides almost every rounding
// outright; the rest goes to the exact arithmetic.

#include "arith/Bits128.h"

namespace pexabit {

struct DecimalPower {
    Bits128 Significand;  // in [2^127, 2^128): the floor of 10^k / 2^BinaryExponent
    int BinaryExponent;
    bool Exact;           // the floor is exact: 10^k == Significand * 2^BinaryExponent (k in [0, 55])
};

// The range covers binary64 from below its smallest subnormal (4.9e-324 read with 19 digits
// needs 10^-343) to above its largest value, with room to spare.
inline constexpr int MinTabledDecimalPower = -400;
inline constexpr int MaxTabledDecimalPower = 400;

// PowerOfTen(0) == {2^127, -127, true}; PowerOfTen(-1).Significand == floor(2^131 / 10).
// Precondition: MinTabledDecimalPower <= k <= MaxTabledDecimalPower. The table is computed exactly
// on first use.
const DecimalPower& PowerOfTen(int k);

}  // namespace pexabit
