#pragma once
// The rounding error of a stored value: the typed value minus the stored one, exact, with the
// project's decimal arithmetic (DecimalStrings "+I,F" and SubtractDecimal); and the relative
// error to 17 significant digits.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arith/Subtract.h"
#include "format/TypedNumber.h"

namespace pexabit {

// Plain errors longer than this many characters are written in scientific notation.
inline constexpr std::size_t MaxPlainErrorLength = 10000;

// The typed finite value's magnitude as a DecimalString over `out`: "-0.1" gives "+0,1", "25e-1"
// gives "+2,5", the hex float 0x1.8p1 (digits "18", exponent -3) gives "+3,0".
void WriteTypedMagnitude(const TypedNumber& number, std::string& out);

// |typed| - |stored| as a canonical DecimalString with its sign ("-0,25"); "+0,0" when equal.
// typedMagnitude comes from WriteTypedMagnitude; `stored` views the stored value's digits.
std::string MagnitudeDifference(std::string_view typedMagnitude, DecimalParts stored);

// The significant digits of a DecimalString: from its first nonzero digit to its last ("-0,0250"
// has 2); 0 for zero.
std::int64_t SignificantDigitCount(std::string_view decimal);

// The error typed - stored from that difference (the rounding keeps the typed sign, so the
// error is the difference with the typed sign applied): plain ("-0.000244140625", "0"), or,
// past MaxPlainErrorLength characters, scientific with every significant digit ("1.5e-20000").
void WriteErrorText(const std::string& difference, bool typedNegative, std::string& out);

// (typed - stored) / typed to 17 significant digits, rounded to nearest (ties to even), as
// "d.dddddddddddddddde-XX" (at least two exponent digits); "0" for no error; nullopt when the
// typed value is zero. 0.1 in double gives "-5.5511151231257827e-17".
std::optional<std::string> RelativeErrorText(const std::string& difference, const std::string& typedMagnitude);

}  // namespace pexabit
