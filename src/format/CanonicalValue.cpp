#include "format/CanonicalValue.h"

#include <algorithm>

namespace pexabit {

std::optional<StoredValue> CanonicalValue(const FloatFormat& format, const StoredValue& value) {
    if (value.Class != ValueClass::Noncanonical) return value;
    if (value.BiasedExponent == format.AllOnesExponent) return std::nullopt;
    // Shift the leading bit up to the integer bit's place, but never below the smallest
    // quantum: what stays short of it is a subnormal (or, from a pseudo-zero, a zero).
    const int missing = format.Precision() - BitWidth128(value.Significand);
    const int shift = std::min(missing, value.Exponent - format.MinQuantumExponent());
    return FromSignificand(format, value.Negative, value.Significand << shift, value.Exponent - shift);
}

}  // namespace pexabit
