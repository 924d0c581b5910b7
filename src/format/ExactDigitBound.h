#pragma once
// How many decimal digits the plain text of a finite typed number needs, against a bound of a
// few million, decided exactly for any digit count and exponent: what writing the typed value
// out in full would cost.

#include <cstdint>

#include "format/TypedNumber.h"

namespace pexabit {

// The largest bound PlainDigitsExceed takes: 2^23 - 1, where its products stay exact.
inline constexpr std::int64_t MaxPlainDigitBound = (std::int64_t{1} << 23) - 1;

// Whether the plain decimal text of a finite number (integer digits, at least one, plus fraction
// digits up to the last nonzero one) would need more than `bound` digits (0 < bound <=
// MaxPlainDigitBound). Decimal texts count directly; a hex float H * 2^E counts -E' fraction
// digits (E' after H's trailing zero bits) and the integer part's digits, compared with 10^J
// exactly. The digits are as ParseTypedNumber leaves them: no leading or trailing zero digit.
// For the bound 4194304, 1e4194303 and 0x1p-4194303 pass; 1e4194304 and 0x1p-4194304 do not.
bool PlainDigitsExceed(const TypedNumber& number, std::int64_t bound);

}  // namespace pexabit
