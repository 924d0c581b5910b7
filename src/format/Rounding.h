#pragma once
// Placeholder of the rounding interface until the branch that owns it is merged.
#include <string>

#include "format/RoundingMode.h"
#include "format/StoredValue.h"
#include "format/TypedNumber.h"

namespace pexabit {

struct RoundingFlags {
    bool Inexact = false, Underflow = false, Overflow = false;
};
struct RoundedValue {
    StoredValue Value;
    RoundingFlags Flags;
    std::string Error;
};
RoundedValue RoundToFormat(const FloatFormat& format, const TypedNumber& number, RoundingMode mode);

}  // namespace pexabit
