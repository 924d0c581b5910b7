#include "format/CanonicalValue.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace pexabit {

namespace {

// Bits of a nonzero significand: bit_width over both 64-bit halves.
int BitWidth(Bits128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

}  // namespace

std::optional<StoredValue> CanonicalValue(const FloatFormat& format, const StoredValue& value) {
    if (value.Class != ValueClass::Noncanonical) return value;
    if (value.BiasedExponent == format.AllOnesExponent) return std::nullopt;
    // Shift the leading bit up to the integer bit's place, but never below the smallest
    // quantum: what stays short of it is a subnormal (or, from a pseudo-zero, a zero).
    const int missing = format.Precision() - BitWidth(value.Significand);
    const int shift = std::min(missing, value.Exponent - format.MinQuantumExponent());
    return FromSignificand(format, value.Negative, value.Significand << shift, value.Exponent - shift);
}

}  // namespace pexabit
