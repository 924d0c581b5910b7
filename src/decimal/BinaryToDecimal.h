#pragma once
// Exact expansion of a base-2 fixed-point text into base 10.

#include <string>
#include <string_view>

namespace pexabit {

// s is a BinaryString: a sign character, binary digits, optionally "," and fraction bits.
// The first character is copied to the result as the sign, whatever it is; any character
// other than "1" in a bit position counts as 0.
// Returns the DecimalString of the same value, digit for digit: sign, integer digits without
// leading zeros ("0" when none), ",", fraction digits up to the last nonzero one ("0" when
// none). Zero keeps its sign.
// BinaryToDecimal("+1,1") == "+1,5", BinaryToDecimal("+101") == "+5,0",
// BinaryToDecimal("-0,0") == "-0,0".
std::string BinaryToDecimal(std::string_view s);

// The same, written over `out` (its storage reused); `out` must not hold s.
void BinaryToDecimal(std::string_view s, std::string& out);

}  // namespace pexabit
