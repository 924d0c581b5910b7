#pragma once
// Placeholder of the hex-float interface until the branch that owns it is merged.
#include <optional>
#include <string>

#include "format/StoredValue.h"

namespace pexabit {
std::optional<std::string> HexFloatText(const FloatFormat& format, const StoredValue& value);
}  // namespace pexabit
