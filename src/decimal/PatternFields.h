#pragma once
// The fields of a stored pattern, taken from its bytes.

#include <cstdint>
#include <string>

#include "state/ConversionState.h"

namespace pexabit {

// One byte as 8 characters "0"/"1", most significant bit first. ByteToBits(5) == "00000101".
std::string ByteToBits(std::uint8_t b);

// The fields of one format from its bytes: sign, biased exponent, mantissa bytes, mantissa hex
// and mantissa bits. The pattern's hex and the other format are not touched.
// SingleBytes CD CC CC 3D give SingleExponent 123, SingleMantissaHex "4CCCCD".
void SetSingleFields(ConversionState& state);
void SetDoubleFields(ConversionState& state);

// The whole pattern in upper-case hex, most significant byte first: SingleHex from SingleBytes
// ("3DCCCCCD"), DoubleHex from DoubleBytes.
void SetSingleHex(ConversionState& state);
void SetDoubleHex(ConversionState& state);

// From SingleBytes and DoubleBytes: SingleHex, DoubleHex, then the Single's sign, exponent,
// mantissa bytes, mantissa hex and mantissa bits, then the Double's. The all-ones exponent is
// treated like any other.
void AnalysePatternFields(ConversionState& state);

}  // namespace pexabit
