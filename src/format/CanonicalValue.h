#pragma once
// The canonical form of a stored value, for the formatters that write a value rather than its
// bits. Only x87 extended has noncanonical patterns (its integer bit is stored); every other
// format's patterns are their own canonical form.

#include <optional>

#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// `value` itself when it is canonical (NaNs included). A finite noncanonical extended pattern
// (pseudo-denormal, unnormal, pseudo-zero) gives the canonical pattern of the value its bits
// weigh: pseudo-denormals are read by the x87 as exactly that value, unnormals as the 8087 and
// 80287 read them (later x87s refuse them as invalid operands). Pseudo-infinities and pseudo-NaNs
// have no value: nullopt.
// Extended 0x0000_8000000000000000 (pseudo-denormal 2^-16382) gives 0x0001_8000000000000000.
std::optional<StoredValue> CanonicalValue(const FloatFormat& format, const StoredValue& value);

}  // namespace pexabit
