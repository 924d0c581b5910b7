#pragma once
// The C99 hexadecimal floating constant of a stored value, as printf's "%a" writes a double.

#include <optional>
#include <string>

#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// The stored value exactly, in lower-case hex digits: normal numbers as
// 0x1.<fraction>p<sign><exponent> with the fraction's trailing zero digits dropped (and the "."
// with them), subnormals as 0x0.<fraction>p<smallest normal exponent>, zeros as 0x0p+0, "-" in
// front of negative values; "inf" / "-inf"; nullopt for NaNs. The fraction field is written from
// its top bit, padded with zero bits to whole hex digits. Every format uses this one normalised
// form, extended too; a finite noncanonical extended pattern is written as its canonical value
// (see CanonicalValue), a pseudo-infinity or pseudo-NaN gives nullopt.
// Double 3.0 gives "0x1.8p+1"; the smallest double subnormal "0x0.0000000000001p-1022"; half's
// smallest subnormal "0x0.004p-14".
std::optional<std::string> HexFloatText(const FloatFormat& format, const StoredValue& value);

}  // namespace pexabit
