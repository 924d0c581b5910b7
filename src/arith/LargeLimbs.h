#pragma once
// Limb arithmetic for numbers of millions of digits: the exact values of typed hex floats, whose
// significands and powers of two and five can be as long as the 4 MiB bound allows. Karatsuba's
// three half-size products replace the schoolbook product above a few dozen limbs, so that such
// a value costs seconds, not hours.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "arith/DecimalLimbs.h"

namespace pexabit::limbs {

// a * b, the same result as Multiply. Both normalised. MultiplyLarge({5}, {2}) == {10}.
Limbs MultiplyLarge(LimbSpan a, LimbSpan b);

// base^k for base 2 or 5, by repeated squaring past the tables. PowerLarge(5, 3) == {125}.
Limbs PowerLarge(std::uint32_t base, std::size_t k);

// The integer of a run of hex digits, either case ("" is 0), converted by halves: the high half
// times 16^(length of the low half) plus the low half. FromHexDigits("1f") == {31}.
Limbs FromHexDigits(std::string_view digits);

}  // namespace pexabit::limbs
