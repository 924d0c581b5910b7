#pragma once
// The fields of a stored pattern, taken from its bytes.

#include <cstdint>
#include <string>

#include "state/ConversionState.h"

namespace pexabit {

// One byte as 8 characters "0"/"1", most significant bit first. ByteToBits(5) == "00000101".
std::string ByteToBits(std::uint8_t b);

// From SingleBytes and DoubleBytes: SingleHex, DoubleHex, then the Single's sign, exponent,
// mantissa bytes, mantissa hex and mantissa bits, then the Double's. The all-ones exponent is
// treated like any other.
void AnalysePatternFields(ConversionState& state);

}  // namespace pexabit
