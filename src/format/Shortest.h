#pragma once
// The shortest decimal text of a stored value: the fewest significant digits that read back to
// the same pattern, written the way std::to_chars(first, last, value) writes a float or double.

#include <cstddef>
#include <optional>
#include <string>

#include "format/FloatFormat.h"
#include "format/StoredValue.h"

namespace pexabit {

// The digits of ShortestDigits (fewest significant digits that round back to the value under
// nearest-even, the closest of them to the value, a tie to the even one) in the shorter of
// fixed and scientific notation, fixed where both are as long: "-" only for negative values,
// scientific as d[.ddd]e<sign><at least two exponent digits>. Lengths are compared for the
// shortest digits; a fixed text of an integer value (the digits' exponent not negative) then
// writes the value's exact integer digits, as to_chars does. For single and double this is
// exactly what std::to_chars(first, last, value) writes; every other format takes the same rules.
// Zeros give "0" / "-0", infinities "inf" / "-inf", NaNs nullopt. A finite noncanonical extended
// pattern is written as its value (see CanonicalValue: the text reads back to the canonical
// pattern of that value); pseudo-infinities and pseudo-NaNs give nullopt.
// Double 0.1 gives "0.1", 1e22 "1e+22", 1e-4 "1e-04", 2^70 "1.1805916207174113e+21",
// 123456789012345683968 (a double) "123456789012345683968"; e4m3's 448 gives "448".
std::optional<std::string> ShortestText(const FloatFormat& format, const StoredValue& value);

// The same text written into `out`, which has room for ShortestTextCapacity characters (no
// terminator is written): returns the end of the text, or nullptr where ShortestText gives
// nullopt. For callers that write the text on and keep no string, as std::to_chars does.
inline constexpr std::size_t ShortestTextCapacity = 48;  // binary128: "-", 36 digits, ".", "e-4966"
char* WriteShortestText(const FloatFormat& format, const StoredValue& value, char* out);

}  // namespace pexabit
