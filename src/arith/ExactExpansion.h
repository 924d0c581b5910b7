#pragma once
// The exact decimal digits of M * 2^e, the value of every finite stored pattern of every format
// (M up to binary128's 113 bits). Formatters of the reports write these digits in their own
// styles; nothing here is parsed back.

#include <string>

#include "arith/Bits128.h"

namespace pexabit {

struct DecimalExpansion {
    std::string Integer;   // integer digits without leading zeros, "0" when the value is below 1
    std::string Fraction;  // fraction digits up to the last nonzero one, empty for an integer
};

// M * 2^exponent in full, written over `out` (its storage reused). 0.1 as a binary64
// (M = 0x1999999999999A, exponent -56) gives Integer "0", Fraction
// "1000000000000000055511151231257827021181583404541015625"; M = 3, exponent 2 gives "12", "".
void ExpandExact(Bits128 significand, int exponent, DecimalExpansion& out);

// The same value as a DecimalString, the system's exact decimal text: `sign`, the integer
// digits, ",", the fraction digits ("0" for an integer), written over `out` at its final size.
// WriteDecimalString('+', 0x1999999999999A, -56, out) gives
// "+0,1000000000000000055511151231257827021181583404541015625"; ('-', 0, 0) gives "-0,0".
void WriteDecimalString(char sign, Bits128 significand, int exponent, std::string& out);

// The same value in plain notation, written over `out` at its final size: "-" when `negative`,
// the integer digits, and "." with the fraction digits where there is a fraction.
// WritePlainDigits(false, 1, -2, out) gives "0.25"; (true, 3, 2) gives "-12"; (true, 0, 0) "-0".
void WritePlainDigits(bool negative, Bits128 significand, int exponent, std::string& out);

}  // namespace pexabit
