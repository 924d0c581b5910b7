#pragma once
// The four texts of a stored value that the exact-value boxes offer: its value in base 2 (the
// BinaryString), in base 10 (the DecimalString), and each in the tool's scientific notation.
// Formatters over the stored value: the value itself comes from its significand and exponent.

#include <string>

#include "format/StoredValue.h"
#include "window_report/ConversionState.h"

namespace pexabit {

// The BinaryString of a finite value, every stored bit at its binary place, written over `out`:
// a normal value shows its Precision() bits, a zero or subnormal "0," and its fraction bits
// from the place of the format's smallest normal on. The comma stands before binary place -1;
// bits that end exactly at place 0 leave it last, bits that end higher get zeros and no comma.
// Single 1.0 gives "+1," and 23 zeros; Single 2^24 "+1" and 24 zeros; Single 2^23 + 1
// "+1" 22 zeros "1,"; Single 0.5 "+0,1" and 23 zeros; Single -0 "-0," and 149 zeros.
void WriteBinaryString(const FloatFormat& format, const StoredValue& value, std::string& out);

// The DecimalString of a finite value, the window's form of its exact decimal (the sign always,
// "," before the fraction, "0" for an integer's fraction), written over `out`:
// "+0,1000000000000000055511151231257827021181583404541015625" for the Double 0.1, "-0,0" for
// the negative zero.
void WriteWindowDecimal(const StoredValue& value, std::string& out);

// The name of a value that has no number: "+Infinity", "-Infinity" or "NANs" (whatever the
// sign); nullptr for a finite value.
const char* SpecialName(const StoredValue& value);

// The four texts (their storage reused): Binary, its scientific form, Exact, its scientific
// form; the name of an infinity or NaN in all four. Single 0.1 gives
// "+0,000110011001100110011001101", "+1,10011001100110011001101e-4",
// "+0,100000001490116119384765625", "+1,00000001490116119384765625e-1".
void WriteExactTexts(const FloatFormat& format, const StoredValue& value, ExactTexts& out);

}  // namespace pexabit
