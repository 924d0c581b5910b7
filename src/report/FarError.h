#pragma once
// The rounding error of a typed value whose plain decimal text would be too long to write out
// (1e-99999999999, 0x1p99999999, a hex float of millions of digits): its size measured instead.
// Such a value lies far beyond every stored value, or is known to the last bit, so that the first
// and last digits of the error, and its ratio to the typed value, come from the two values' ends
// with a few words of arithmetic, whatever the exponent's length.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arith/ScaledBounds.h"
#include "arith/Subtract.h"
#include "arith/WideInteger.h"
#include "format/StoredValue.h"
#include "format/TypedNumber.h"

namespace pexabit {

// Typed values whose plain decimal text has more digits than this are measured; the others are
// written out (ExactError.h), in at most this many digits. MaxExactDigits and 2^15 more: a decimal
// value beyond it lies more than 2^15 places beyond the digits of every stored value (at most
// 4,933 integer and 16,494 fraction digits), so that its error begins with the larger value's
// first digit and ends with the smaller one's last.
inline constexpr std::int64_t MaxWrittenTypedDigits = MaxExactDigits + (std::int64_t{1} << 15);

struct FarErrorSize {
    // The exact error's significant digits; nullopt where even their count is out of reach (a hex
    // float whose binary exponent reaches 10^17: its decimal digits lie beyond exact arithmetic).
    std::optional<WideInteger> Digits;
    // The error itself where it has few digits and is short to write: a decimal typed value
    // against a stored zero, written in scientific notation like every long error.
    std::optional<std::string> Error;
    // As RelativeErrorText writes it; nullopt where out of reach like Digits.
    std::optional<std::string> RelativeError;
};

// typed - stored for a finite typed `number` beyond MaxWrittenTypedDigits and a finite `stored`
// value of it (`storedDigits` its exact digits). Where Digits fits MaxExactDigits and Error is
// unset (hex floats of millions of digits only), the error has to be written out in full.
// 1e-99999999999 rounded up in double: Digits 99999999676, RelativeError
// "-4.9406564584124654e+99999999675".
FarErrorSize MeasureFarError(const TypedNumber& number, const StoredValue& stored, DecimalParts storedDigits);

// (typed - stored) / typed for a decimal typed value D * 10^E far below a stored S * 10^L (S and
// D digits without leading or trailing zeros, k = L - E > |D| + 40): -(S * 10^k - D) / D.
std::string FarBelowRelativeText(std::string_view storedDigits, const WideInteger& k, std::string_view typedDigits);

// A quotient rounded to 17 digits (RoundedDecimalDigits) as the relative error.
std::string RoundedRelativeText(bool negative, const LeadingDigits& rounded);

}  // namespace pexabit
