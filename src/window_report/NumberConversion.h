#pragma once
// The platform's number conversions, pinned down: a decimal text to the nearest binary64, and a
// binary64 to the nearest binary32. Independent of the user's locale.

#include <string>
#include <string_view>

namespace pexabit {

struct ReadNumber {
    double Value = 0.0;  // the numeric prefix, correctly rounded; +-infinity beyond binary64
    // The numeric prefix as a DecimalString ("+12,5"): sign, integer digits ("0" when none),
    // ",", fraction digits ("0" when none). "+0,0" when no number could be read.
    std::string Prefix;
};

// Reads the longest numeric prefix of a canonical text (sign, digits, "," and fraction digits;
// reading stops at the first character that cannot continue the number, such as a second sign,
// a second comma or the infinity sign), rounded to nearest, ties to even. Linear in the length.
// ReadDecimalNumber("+1,2,3") gives 1.2 and "+1,2"; ReadDecimalNumber("--") gives 0 and "+0,0";
// ReadDecimalNumber("+1" followed by 400 zeros) gives +infinity.
ReadNumber ReadDecimalNumber(std::string_view canonical);

// True when the canonical text is the infinity sign alone after its sign ("+∞", "-∞"): the user
// means an infinity, which converts as an overflow of both formats.
bool IsInfinityText(std::string_view canonical);

// binary64 to binary32, round to nearest, ties to even; a finite value beyond the largest Single
// (after rounding) gives the infinity of its sign. RoundToSingle(3.4028235e38) == FLT_MAX.
float RoundToSingle(double value);

}  // namespace pexabit
