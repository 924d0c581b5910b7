#pragma once
// The shortest decimal that reads back to a finite stored value: the digits the shortest text is
// written from. Generic over every format; binary64 and the narrower formats take a fast path
// through the 128-bit powers of ten, everything the fast path cannot decide outright (and the
// wider formats) goes to exact decimal arithmetic.

#include <optional>

#include "arith/Bits128.h"
#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// value = Digits * 10^Exponent, Digits without trailing zeros (at most 36 digits for binary128).
struct ShortestDecimal {
    Bits128 Digits = 0;
    int Exponent = 0;
    friend bool operator==(const ShortestDecimal&, const ShortestDecimal&) = default;
};

// For a canonical Normal or Subnormal `value`, its sign ignored: the decimal with the fewest
// significant digits among those that round to `value` under nearest-even (its rounding
// interval: halfway to each neighbour, the halfway points included when the significand is
// even), and of those the one closest to the value, an exact tie going to the even last digit.
// Double 0.1 gives {1, -1}; the largest double gives {17976931348623157, 292}.
ShortestDecimal ShortestDigits(const FloatFormat& format, const StoredValue& value);

namespace detail {
// The two ways ShortestDigits decides, exposed for the tests that hold them against each other.
// The fast one gives nullopt where its products cannot decide every comparison (a bound or the
// value lies within 2^-61 of a decision point), the power of ten it needs is beyond the table,
// or the significand is wider than binary64's.
std::optional<ShortestDecimal> ShortestDigitsFast(const FloatFormat& format, const StoredValue& value);
ShortestDecimal ShortestDigitsExact(const FloatFormat& format, const StoredValue& value);
}  // namespace detail

}  // namespace pexabit
