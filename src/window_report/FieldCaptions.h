#pragma once
// The captions of the field labels "S=", "E=", "M=", shared by the convert report and the
// special path of the hex buttons.

#include <string>
#include <string_view>

namespace pexabit {

// "S=", the blank that the number formatting reserves for the sign of a non-negative number,
// and the sign bit: SignCaption(false) == "S= 0".
std::string SignCaption(bool negative);

// "E=", the biased exponent in upper-case hex without leading zeros, " hex":
// ExponentCaption(127) == "E=7F hex", ExponentCaption(0) == "E=0 hex".
std::string ExponentCaption(int biasedExponent);

// "M=", the mantissa hex digits, " hex": MantissaCaption("400000") == "M=400000 hex".
std::string MantissaCaption(std::string_view mantissaHex);

}  // namespace pexabit
