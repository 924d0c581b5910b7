#pragma once
// A stored value of any format, taken apart: the record that every report and formatter reads.
// value = (-1)^Negative * Significand * 2^Exponent for every class that has a finite value.

#include <cstdint>

#include "arith/Bits128.h"
#include "format/FloatFormat.h"

namespace pexabit {

enum class ValueClass {
    Zero,
    Subnormal,
    Normal,
    Infinite,
    QuietNan,
    SignallingNan,
    // x87 extended only: unnormals, pseudo-denormals, pseudo-infinities and pseudo-NaNs (the
    // integer bit disagrees with the exponent).
    Noncanonical,
};

struct StoredValue {
    Bits128 Pattern = 0;        // the whole pattern, right-aligned
    bool Negative = false;      // the sign bit
    int BiasedExponent = 0;     // the exponent field as stored
    bool IntegerBit = false;    // the leading bit: stored (extended) or implied by the exponent
    Bits128 Fraction = 0;       // the stored fraction field, FractionBits wide
    // The integer significand with its leading bit, and the weight of its last bit. For zeros
    // and subnormals the exponent is the format's smallest quantum; for a noncanonical finite
    // extended pattern the value as its bits weigh it. Zero for infinities and NaNs.
    Bits128 Significand = 0;
    int Exponent = 0;
    ValueClass Class = ValueClass::Zero;
    // Set by a rounding whose result overflowed (an infinity, or E4M3's NaN); never by a decode.
    bool Overflow = false;
};

// Takes a pattern of `format` apart; bits above TotalBits are ignored.
// DecodePattern(SingleFormat, 0x3F800000): Normal, BiasedExponent 127, Significand 2^23,
// Exponent -23.
StoredValue DecodePattern(const FloatFormat& format, Bits128 pattern);

// The pattern of the given fields; `fraction` and `biasedExponent` must fit their widths. The
// integer bit is written only where the format stores it.
Bits128 ComposePattern(const FloatFormat& format, bool negative, int biasedExponent, bool integerBit,
                       Bits128 fraction);

// The finite value M * 2^e (M < 2^Precision, M normalised or subnormal at the format's exponent
// range) as the stored value it is: ComposePattern with the exponent field that M and e imply.
// M = 0 gives the signed zero. Precondition: the value is representable exactly.
StoredValue FromSignificand(const FloatFormat& format, bool negative, Bits128 significand, int exponent);

// The quiet bit of the format's NaNs (the top fraction bit), and the payload mask below it.
constexpr Bits128 QuietBit(const FloatFormat& format) { return Bits128{1} << (format.FractionBits - 1); }
constexpr Bits128 PayloadMask(const FloatFormat& format) { return LowBits(format.FractionBits - 1); }

}  // namespace pexabit
