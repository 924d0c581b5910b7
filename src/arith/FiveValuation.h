#pragma once
// How often 5 divides a big integer, counted up to a cap: the trailing decimal zeros of an
// integer with at least that many factors 2 (an exact error of billions of digits, which is
// never written out, has as many trailing zeros as the lesser count).

#include <cstdint>

#include "arith/BigUnsigned.h"

namespace pexabit {

// min(v5(x), cap) for x > 0, cap >= 0. FiveValuation(250, 9) == 3; FiveValuation(250, 2) == 2.
std::int64_t FiveValuation(BigUnsigned x, std::int64_t cap);

// The same for x = h * 2^k - s > 0 (k >= 0) without writing x out: k may be in the billions.
// Only its remainder modulo a power of five beyond the cap is made.
std::int64_t FiveValuationOfDifference(const BigUnsigned& h, std::int64_t k, const BigUnsigned& s, std::int64_t cap);

}  // namespace pexabit
