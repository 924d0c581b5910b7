#pragma once
// The 4 MiB bound on typed values: how many decimal digits the exact value of a finite typed
// number needs in plain decimal, decided exactly for any digit count and exponent.

#include "format/TypedNumber.h"

namespace pexabit {

// Whether the plain decimal text of a finite number (integer digits, at least one, plus fraction
// digits up to the last nonzero one) would need more than MaxExactDigits digits. Decimal texts
// count directly; a hex float H * 2^E counts -E' fraction digits (E' after H's trailing zero bits)
// and the integer part's digits, compared with 10^J exactly. 1e4194303 and 0x1p-4194303 pass;
// 1e4194304 and 0x1p-4194304 do not.
bool ExceedsExactDigitBound(const TypedNumber& number);

}  // namespace pexabit
