#pragma once
// The captions of the field labels "S=", "E=", "M=", shared by the convert report and the
// special path of the hex buttons.

#include <cstdint>
#include <string>
#include <string_view>

namespace pexabit {

// "S=", the blank that the number formatting reserves for the sign of a non-negative number,
// and the sign bit: SignCaption(0) == "S= 0".
std::string SignCaption(std::int32_t sign);

// "E=", the biased exponent in upper-case hex without leading zeros, " hex":
// ExponentCaption(127) == "E=7F hex", ExponentCaption(0) == "E=0 hex".
std::string ExponentCaption(std::int32_t exponent);

// "M=", the mantissa hex digits, " hex": MantissaCaption("400000") == "M=400000 hex".
std::string MantissaCaption(std::string_view mantissaHex);

}  // namespace pexabit
