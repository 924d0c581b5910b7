#pragma once
// The patterns with an all-ones exponent: the two infinities and every NaN, named and shown by
// the hex buttons themselves.

#include "decode/HexDecoding.h"

namespace pexabit {

// True when the decoded format's bytes in `state` have the all-ones exponent (255 or 2047).
bool IsAllOnesExponent(const ConversionState& state, PatternFormat format);

// The fields of the decoded format from its bytes in `state`: sign, biased exponent, mantissa
// bytes, mantissa hex and mantissa bits, and with `withHex` the whole pattern in hex too. The
// other format is not touched.
void SetFormatFields(ConversionState& state, PatternFormat format, bool withHex);

// The special path for the bytes already in `state`: writes that format's sign, exponent,
// mantissa bytes, mantissa hex and bits and its name ("NANs" for any nonzero mantissa, else
// "-Infinity"/"+Infinity" by the sign) into its four value texts; nothing of the other format.
// Returns the texts the window applies, in order. For 7F800000: Text9 "+Infinity", Label21
// "The number displayed in the  Windows F=+1,#INF", Label15 "S= 0", Label16 "E=FF hex", ...
ControlTexts DecodeSpecialPattern(ConversionState& state, PatternFormat format);

}  // namespace pexabit
