#pragma once
// The fields of a stored value written out, for any format: the whole pattern and the fraction
// in upper-case hex, the sign, exponent and fraction fields as "0"/"1", most significant first.

#include <string>

#include "format/StoredValue.h"

namespace pexabit {

// The low `count` bits of `bits` as "0"/"1", most significant first. BitsText(5, 4) == "0101".
std::string BitsText(Bits128 bits, int count);
// The same, appended to `out`.
void AppendBitsText(std::string& out, Bits128 bits, int count);

// The low `digits` hex digits of `value`, upper case. HexText(0x7F, 4) == "007F".
std::string HexText(Bits128 value, int digits);
// The same, appended to `out`.
void AppendHexText(std::string& out, Bits128 value, int digits);

// The whole pattern, HexDigits() digits: "3DCCCCCD" for the Single 0.1.
std::string PatternHex(const FloatFormat& format, const StoredValue& value);

// The fraction field in (FractionBits + 3) / 4 hex digits: "4CCCCD" for the Single 0.1.
std::string FractionHex(const FloatFormat& format, const StoredValue& value);

// "1" for a set sign bit, else "0".
std::string SignBitText(const StoredValue& value);

// The biased exponent field, ExponentBits characters: "01111011" for the Single 0.1.
std::string ExponentBitsText(const FloatFormat& format, const StoredValue& value);

// The fraction field, FractionBits characters: "10011001100110011001101" for the Single 0.1.
std::string FractionBitsText(const FloatFormat& format, const StoredValue& value);

}  // namespace pexabit
