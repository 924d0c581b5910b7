#pragma once
// The shortest decimal text of a stored value: the fewest characters that read back to the same
// pattern, written the way std::to_chars(first, last, value) writes a float or double.

#include <cstddef>
#include <optional>
#include <string>

#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// Among the decimal texts in fixed or scientific notation that round back to the value under
// nearest-even, the one of the fewest characters; of those the closest to the value, an exact tie
// going to the even last digit; of a fixed and a scientific text of the same decimal the fixed
// one. "-" only for negative values, scientific as d[.ddd]e<sign><at least two exponent
// digits>, fixed as the digits with the point among them or "0." and zeros before them, or an
// integer with all its digits (where the value is an integer, its own digits are the closest
// such text). This is the rule std::to_chars(first, last, value) follows, and for single and double
// exactly what it writes. The fewest characters mostly come with the fewest significant digits;
// not always where the value's rounding interval holds a power of ten, as in the formats of few
// bits: E5M2's 0.09375 reads back from "0.1" and "0.09", and is written "0.1".
// Zeros give "0" / "-0", infinities "inf" / "-inf", NaNs nullopt. A finite noncanonical extended
// pattern is written as its value (see CanonicalValue: the text reads back to the canonical
// pattern of that value); pseudo-infinities and pseudo-NaNs give nullopt.
// Double 0.1 gives "0.1", 1e22 "1e+22", 1e-4 "1e-04", 2^70 "1.1805916207174113e+21",
// 123456789012345683968 (a double) "123456789012345683968"; e4m3's 448 gives "448", bfloat16's
// 1000 "999" (its interval is [998, 1002]).
std::optional<std::string> ShortestText(const FloatFormat& format, const StoredValue& value);

// The same text written into `out`, which has room for ShortestTextCapacity characters (no
// terminator is written): returns the end of the text, or nullptr where ShortestText gives
// nullopt. For callers that write the text on and keep no string, as std::to_chars does.
// Single and double are written by std::to_chars itself; the other formats by the rule below.
inline constexpr std::size_t ShortestTextCapacity = 48;  // binary128: "-", 36 digits, ".", "e-4966"
char* WriteShortestText(const FloatFormat& format, const StoredValue& value, char* out);

// The rule above worked out for any format, single and double included: what WriteShortestText
// writes for the six formats the C++ library has no type for. Tests hold it to std::to_chars on
// single and double, and the exhaustive check on every single pattern.
char* WriteShortestTextByRule(const FloatFormat& format, const StoredValue& value, char* out);

}  // namespace pexabit
