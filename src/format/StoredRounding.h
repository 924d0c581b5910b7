#pragma once
// A stored value of one format rounded into another: the exact value of the source pattern,
// rounded once as a typed number would be, with the flags of that rounding. The report's
// --from and the formats window's bit clicks both round this way.

#include "format/Rounding.h"

namespace pexabit {

// The source value as the typed number it equals, exactly: a finite value as hex digits times
// a power of two, an infinity, or a NaN with its sign, kind and payload (the bits below the quiet
// bit; none for e4m3, whose one NaN is the format's default). Extended's unnormals,
// pseudo-infinities and pseudo-NaNs have no value: the x87 takes them as invalid operands, and
// they stand for the quiet NaN "nan", as the pattern report calls them. A pseudo-denormal has
// the value its bits weigh. Single 3FC00000 gives Hex "3", Exponent -1 (1.5).
TypedNumber TypedFromStored(const FloatFormat& source, const StoredValue& value);

// `value` of `source` rounded into `target` in `mode`. Flags.Inexact is clear exactly when the
// target holds the source value unchanged (every narrow-to-wide rounding of a finite value).
// A NaN keeps its sign, kind and payload where the target can hold them and is refused with
// Error as a typed NaN is where it cannot; infinities give infinities (e4m3: its NaN, with the
// overflow flags); a source without a value gives the target's quiet NaN.
// RoundStoredValue(SingleFormat, DecodePattern(SingleFormat, 0x3DCCCCCD), Bfloat16Format,
// NearestEven) gives 3DCD, inexact.
RoundedValue RoundStoredValue(const FloatFormat& source, const StoredValue& value, const FloatFormat& target,
                              RoundingMode mode);

}  // namespace pexabit
