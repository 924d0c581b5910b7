#pragma once
// The fields of a stored value as the report names and writes them: hex and binary digit runs,
// the class names, the unbiased exponent and the NaN payload. Pure functions of the format and
// the pattern, shared by the JSON and the text forms.

#include <optional>
#include <string>
#include <string_view>

#include "format/FieldTexts.h"
#include "format/StoredValue.h"

namespace pexabit {

// Appends v in hex without leading zeros ("0" for 0): AppendHexDigits(out, 0x1A) appends "1A".
void AppendHexDigits(std::string& out, Bits128 v);

// Appends the pattern's bytes least significant first, two hex digits each: single 1.0
// (3F800000) gives "0000803F"; extended's 10 bytes give 20 digits.
void AppendBytesLe(std::string& out, const FloatFormat& format, Bits128 pattern);

// "zero", "subnormal", "normal", "infinite", "quiet_nan", "signalling_nan", "noncanonical".
std::string_view ClassName(ValueClass c);

// True when the pattern has a finite value. Extended's noncanonical patterns have one only as
// pseudo-denormals (integer bit set, exponent field 0): the x87 reads them as the denormal of
// the same significand, and treats unnormals, pseudo-infinities and pseudo-NaNs as invalid
// operands that give its default NaN, so the report shows those as "nan".
bool HasFiniteValue(const StoredValue& value);

// The exponent of the value unbiased: the field minus the bias, the format's smallest exponent
// for zeros, subnormals and pseudo-denormals (field 0 weighs like field 1), nullopt for an
// all-ones field that is no finite number (infinities, NaNs, pseudo-infinities, pseudo-NaNs).
// Half 1.0 gives 0; a half subnormal gives -14.
std::optional<int> UnbiasedExponent(const FloatFormat& format, const StoredValue& value);

// The fraction bits below the quiet bit of a quiet or signalling NaN, nullopt for any other
// class. Double 7FF8000000000001 gives 1.
std::optional<Bits128> NanPayload(const FloatFormat& format, const StoredValue& value);

}  // namespace pexabit
