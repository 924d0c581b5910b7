#pragma once
// A stored pattern typed as hex: exactly the format's width in hex digits (4 for half, 20 for
// extended, 2 for the 8-bit formats), an optional "0x" or "0X", any case, blanks and tabs at
// both ends dropped. Least-significant-byte-first input reads the same digits as bytes in the
// opposite order.

#include <optional>
#include <string>
#include <string_view>

#include "format/StoredValue.h"

namespace pexabit {

struct PatternText {
    std::optional<Bits128> Pattern;
    std::string Error;  // what is wrong and at which position (counted from 1), when refused
};

// ReadPatternText(SingleFormat, "3f800000", false) and ReadPatternText(SingleFormat,
// "0x0000803F", true) both give 0x3F800000; "3F80000" is refused as too short.
PatternText ReadPatternText(const FloatFormat& format, std::string_view text, bool bytesLe);

}  // namespace pexabit
