#pragma once
// Placeholder of the neighbours interface until the branch that owns it is merged.
#include <optional>

#include "format/StoredValue.h"

namespace pexabit {
std::optional<Bits128> NextUp(const FloatFormat& format, const StoredValue& value);
std::optional<Bits128> NextDown(const FloatFormat& format, const StoredValue& value);
std::optional<int> UlpExponent(const FloatFormat& format, const StoredValue& value);
}  // namespace pexabit
