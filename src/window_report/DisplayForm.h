#pragma once
// The default text forms of a Single and a Double, as the window's "displayed in the Windows F="
// captions show them: at most 7 (Single) or 15 (Double) significant digits, trailing zeros
// dropped, an exponent "E+38"/"E-45" outside the plain range, the user's decimal separator.

#include <string>
#include <string_view>

namespace pexabit {

// SingleDisplayForm(0.1F, ",") == "0,1"; SingleDisplayForm(3.4028235e38F, ".") == "3.402823E+38".
std::string SingleDisplayForm(float value, std::string_view decimalSeparator);

// DoubleDisplayForm(0.1, ".") == "0.1"; DoubleDisplayForm(1e300, ".") == "1E+300".
std::string DoubleDisplayForm(double value, std::string_view decimalSeparator);

}  // namespace pexabit
