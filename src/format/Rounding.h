#pragma once
// A typed number rounded once into a format, in one of the five IEEE 754 rounding modes, with
// the exception flags that rounding raises.

#include <string>
#include <string_view>

#include "format/FloatFormat.h"
#include "format/MagnitudeReading.h"
#include "format/RoundingMode.h"
#include "format/StoredValue.h"
#include "format/TypedNumber.h"

namespace pexabit {

// IEEE 754 flags. Tininess is detected after rounding (the value rounded to the format's
// precision with an unbounded exponent lies below the smallest normal); Underflow is raised when
// the result is tiny and inexact; Overflow (with Inexact) when that rounded value exceeds the
// largest finite one.
struct RoundingFlags {
    bool Inexact = false, Underflow = false, Overflow = false;
};

struct RoundedValue {
    StoredValue Value;  // Value.Overflow mirrors Flags.Overflow
    RoundingFlags Flags;
    std::string Error;  // nonempty: this format refuses the input (a NaN payload that does not fit)
};

// `number` in `format`:
// - finite values correctly rounded; on overflow the infinity of the sign where the mode rounds
//   that way (nearest, up for positive, down for negative) and the largest finite value
//   otherwise. E4M3, which has no infinities, gives its NaN S.1111.111 with the sign wherever an
//   infinity would come, and for an infinity typed, with the overflow flags.
// - nan: the default quiet NaN with the typed sign (exponent all ones, top fraction bit set, for
//   extended the integer bit too), the payload below the quiet bit; snan: the quiet bit clear,
//   payload 1 unless typed. A payload wider than the bits below the quiet bit is refused with
//   Error, and so are payloads and snan for E4M3, whose one NaN has all fraction bits set.
// RoundToFormat(SingleFormat, 0.1 typed, NearestEven) gives 3DCCCCCD, Inexact;
// RoundToFormat(HalfFormat, 65536 typed, TowardZero) gives 7BFF (65504), Overflow and Inexact.
RoundedValue RoundToFormat(const FloatFormat& format, const TypedNumber& number, RoundingMode mode);

// The rounding of a finite nonzero magnitude, read by MagnitudeReading, with its sign: the step
// that RoundToFormat takes for every finite input.
RoundedValue RoundGuarded(const FloatFormat& format, bool negative, const GuardedSignificand& magnitude,
                          RoundingMode mode);

}  // namespace pexabit
