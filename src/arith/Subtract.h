#pragma once
// Exact difference of the magnitudes of two decimal texts.

#include <string>
#include <string_view>

namespace pexabit {

// A magnitude's digits on either side of its point, viewed where they are written: "12,5" (or
// the plain "12.5") as "12" and "5". Either may be empty; every other character reads as 0.
struct DecimalParts {
    std::string_view Integer, Fraction;
};

// |a| - |b| as a canonical DecimalString: "+" when |a| is larger, "-" when |b| is, "+0,0" when
// they are equal; no leading zeros but a lone "0", no trailing zeros but a lone "0". The digits
// are lined up by their places, not copied: the result is the one string written.
// SubtractMagnitudes({"1", "25"}, {"1", "5"}) == "-0,25".
std::string SubtractMagnitudes(DecimalParts a, DecimalParts b);

// a and b are DecimalStrings. First a, then b: a missing sign becomes a leading "+", a missing
// "," a trailing ",0", in the caller's variables themselves. The signs are not used otherwise.
// Returns |a| - |b| as SubtractMagnitudes does.
// SubtractDecimal("+1,25", "+1,5") == "-0,25"; ("5,5", "+2") gives "+3,5" and leaves the
// arguments "+5,5" and "+2,0".
std::string SubtractDecimal(std::string& a, std::string& b);

}  // namespace pexabit
