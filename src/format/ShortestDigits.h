#pragma once
// The shortest decimals that read back to a finite stored value: what the shortest text is
// chosen from. Generic over every format; binary64 and the narrower formats take a fast path
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

// A power of ten 10^Power inside the rounding interval. The decimals on its two sides differ in
// length by more than their digits: below it a fixed text has one digit fewer before the point
// (99 against 100) or one zero more after it (0.09 against 0.1). So the shortest text may lie
// on the side the fewest digits do not, or be an integer of more digits. The interval spans less than a factor of 10,
// so it holds at most one power of ten.
struct PowerInInterval {
    int Power = 0;
    bool ValueBelow = false;    // the value lies below 10^Power
    bool IntegerBelow = false;  // 10^Power - 1 (Power >= 1) reads back
    friend bool operator==(const PowerInInterval&, const PowerInInterval&) = default;
};

// What the shortest text is chosen from, for a canonical Normal or Subnormal `value`, its sign
// ignored. Fewest: the decimal with the fewest significant digits among those that round to
// `value` under nearest-even (its rounding interval: halfway to each neighbour, the halfway
// points included when the significand is even), and of those the one closest to the value, an
// exact tie going to the even last digit. Power: where the interval holds a power of ten (the
// fewest digits are then one digit), that power and its neighbours.
struct ShortestCandidates {
    ShortestDecimal Fewest;
    std::optional<PowerInInterval> Power;
    friend bool operator==(const ShortestCandidates&, const ShortestCandidates&) = default;
};

// Double 0.1 gives {1, -1} and {Power -1}; the largest double {17976931348623157, 292} and no
// power; E5M2's 0.09375 (interval [0.0859375, 0.1015625]) {9, -2} and {Power -1, ValueBelow}.
ShortestCandidates ShortestCandidatesOf(const FloatFormat& format, const StoredValue& value);

namespace detail {
// The two ways ShortestCandidatesOf decides, exposed for the tests that hold them against each
// other. The fast one gives nullopt where its products cannot decide every comparison (a bound or
// the value lies within 2^-61 of a decision point), the power of ten it needs is beyond the
// table, or the significand is wider than binary64's.
std::optional<ShortestCandidates> ShortestCandidatesFast(const FloatFormat& format, const StoredValue& value);
ShortestCandidates ShortestCandidatesExact(const FloatFormat& format, const StoredValue& value);
}  // namespace detail

}  // namespace pexabit
