#pragma once
// Typed magnitudes (decimal or hex digits times a power of the radix) read into a binary
// significand just long enough to round in every mode: its leading bits exactly, and whether
// anything nonzero lies below them. The readers are exact for any digit count and exponent;
// the fast paths answer most short decimal texts with 128-bit arithmetic and say when they
// cannot.

#include <cstdint>
#include <string_view>

#include "arith/Bits128.h"
#include "format/FloatFormat.h"

namespace pexabit {

// value = (Bits + f) * 2^Exponent with 0 <= f < 1, Sticky == (f != 0). Bits is nonzero, and when
// Sticky is set it holds at least Precision + 1 bits, so that the bit after the last kept one
// is known.
struct GuardedSignificand {
    Bits128 Bits = 0;
    int Exponent = 0;
    bool Sticky = false;
};

// digits * 10^exponent for nonzero decimal digits without leading zeros (any count, any exponent).
// Values surely beyond the format's range come back as 2^(emax+2), surely below half its smallest
// subnormal as a sticky value below 2^(MinQuantum-2); both round as the originals would.
// `value`, when nonzero, is the value of digits (at most 19 of them), read already.
// ReadDecimalMagnitude(DoubleFormat, "1", -1) reads 0.1 as 0x66666666666666 (55 bits),
// exponent -58, sticky.
GuardedSignificand ReadDecimalMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent,
                                        std::uint64_t value = 0);

// The same for hex digits * 2^exponent (a C99 hex float).
GuardedSignificand ReadHexMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent);

// Significant bits every reader delivers: the precision, the rounding bit, and one more so that
// a carry into a new leading bit still leaves the rounding bit known.
constexpr int GuardedBits(int precision) { return precision + 2; }
inline constexpr int MaxGuardedPrecision = 124;  // GuardedBits and a spare within 128 bits

// Significant digits past which a decimal text can only act as a sticky digit for `format`:
// every representable value and midpoint between neighbours has fewer. 770 for double.
std::int64_t SignificantDigitBound(const FloatFormat& format);

// The exact path on big integers, for any digits, exponent within a few thousand of the format
// range, and precision <= 124.
GuardedSignificand ReadDecimalExactly(std::string_view digits, std::int64_t exponent, int precision);

}  // namespace pexabit
