#pragma once
// A stored pattern typed as hex: exactly the format's width in hex digits (4 for half, 20 for
// extended, 2 for the 8-bit formats), an optional "0x" or "0X", any case, blanks and tabs at
// both ends dropped. Least-significant-byte-first input reads the same digits as bytes in the
// opposite order. As dumps and C arrays give them, the digits may come in groups of whole bytes,
// each group with its own 0x or none, separated by blanks and tabs or by one of ':', '_', '-',
// ',' (blanks around it allowed), one kind throughout: "9a 99 99 99 99 99 b9 3f",
// "0x3f:0xb9:...", "0x9a, 0x99, ...". The groups are read in order as one digit string.

#include <optional>
#include <string>
#include <string_view>

#include "format/StoredValue.h"

namespace pexabit {

struct PatternText {
    std::optional<Bits128> Pattern;
    std::string Error;  // what is wrong and at which position (counted from 1), when refused
};

// ReadPatternText(SingleFormat, "3f800000", false), ReadPatternText(SingleFormat, "0x0000803F",
// true) and ReadPatternText(SingleFormat, "00 00 80 3f", true) give 0x3F800000; "3F80000" is
// refused as too short, "3f8 00000" for a group that splits a byte.
PatternText ReadPatternText(const FloatFormat& format, std::string_view text, bool bytesLe);

}  // namespace pexabit
