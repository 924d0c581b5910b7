#pragma once
// The neighbours of a stored value and the weight of its last bit: IEEE 754 nextUp and
// nextDown as patterns, and the ULP as a power of two.

#include <optional>

#include "arith/Bits128.h"
#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// The pattern of the least value above `value` (IEEE nextUp): either zero gives the smallest
// positive subnormal, the negative one of least magnitude gives -0, the largest finite value
// gives +inf and +inf itself, -inf gives the most negative finite value. nullopt for NaNs, for
// noncanonical extended patterns, and for E4M3's 448, which has only its NaN above it.
// NextUp(DoubleFormat, DecodePattern(DoubleFormat, 0x3FF0000000000000)) == 0x3FF0000000000001.
std::optional<Bits128> NextUp(const FloatFormat& format, const StoredValue& value);

// nextDown(x) == -nextUp(-x): +0 and -0 give the negative subnormal of least magnitude, the
// smallest positive subnormal gives +0. nullopt as NextUp's, with E4M3's -448.
// NextDown(SingleFormat, DecodePattern(SingleFormat, 0x00000000)) == 0x80000001.
std::optional<Bits128> NextDown(const FloatFormat& format, const StoredValue& value);

// The weight of the last fraction bit at the value's exponent, as an exponent of two: zeros and
// subnormals have the smallest quantum (-1074 for double), 1.0 as a double has -52; a finite
// noncanonical extended pattern has the weight its bits give. nullopt for infinities, NaNs,
// pseudo-infinities and pseudo-NaNs.
std::optional<int> UlpExponent(const FloatFormat& format, const StoredValue& value);

}  // namespace pexabit
