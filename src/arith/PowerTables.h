#pragma once
// Powers of two and of five in base-10^9 limbs. The powers that the exact values of Singles and
// Doubles need (5^k up to the 1074 places of the smallest Double subnormal, 2^k up to the 971
// of the largest Double's last bit) come from tables built once; larger ones are computed by
// squaring.

#include <cstddef>

#include "arith/DecimalLimbs.h"

namespace pexabit::limbs {

// Exponents up to this one are served from the tables.
inline constexpr std::size_t TabledPowerLimit = 1100;

// 5^k. Returns a view of the table when k <= TabledPowerLimit, else computes into scratch by
// squaring and returns a view of it. PowerOfFive(3, s) views {125}.
LimbSpan PowerOfFive(std::size_t k, Limbs& scratch);

// 2^k, the same way. PowerOfTwoLimbs(10, s) views {1024}.
LimbSpan PowerOfTwoLimbs(std::size_t k, Limbs& scratch);

}  // namespace pexabit::limbs
