#pragma once
// The typed decimal number before any binary format is involved: the character check and the
// rewriting into the canonical DecimalString (sign first, "," as separator, no exponent).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "format/TypedNumber.h"

namespace pexabit {

// The longest canonical text NormaliseDecimal builds, in characters: 4 MiB, the number of the
// every-format report's MaxExactDigits. The two count different things and are equal by choice:
// here the sign, the comma and every typed digit (leading and trailing zeros kept), there the
// significant digits of a typed text and of an exact error written out; either way no report
// builds a number text beyond 4 MiB. A megabyte
// of typed digits with any sensible exponent fits; an exponent that would pad the text with more
// zeros than this (1e99999999) is refused instead of filling memory.
inline constexpr std::int64_t MaxCanonicalLength = MaxExactDigits;

// True when `text` (UTF-8) holds only the characters 0-9 + - , . e E and the infinity sign, in
// any order and number; the empty text passes. Invalid UTF-8, blanks, line breaks and any other
// letter fail. CheckDecimalText("1,2,3") and CheckDecimalText("--") pass; "1 2" fails.
bool CheckDecimalText(std::string_view text);

// The canonical text of an accepted typed text whose "." were already replaced by ",".
// The sign goes first ("+" unless the text starts with "+" or "-"), the first "e"/"E" and the
// rest are read as the exponent and applied by moving the last comma and padding zeros; every
// typed digit, leading and trailing zeros included, is kept. Positions count characters, the
// infinity sign being one. nullopt when the result would exceed MaxCanonicalLength.
// NormaliseDecimal("123,45e-5") == "+0,0012345", NormaliseDecimal("1,e2") == "+100",
// NormaliseDecimal("e5") == "+00000", NormaliseDecimal("1,2,3") == "+1,2,3".
std::optional<std::string> NormaliseDecimal(std::string_view text);

// Whether NormaliseDecimal accepts `text` (same form), without building the canonical text.
bool FitsCanonicalLength(std::string_view text);

// The length of the canonical text of `text` (same form), without building it; beyond
// MaxCanonicalLength for a text NormaliseDecimal refuses.
std::int64_t CanonicalTextLength(std::string_view text);

}  // namespace pexabit
