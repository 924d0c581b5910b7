#pragma once
// The exact value of a stored pattern, from its sign, biased exponent and mantissa bits:
// in base 2, in base 10, and both in scientific notation.

#include <cstdint>
#include <string>
#include <string_view>

#include "decimal/Formats.h"

namespace pexabit {

// The BinaryString of the value: every bit at its true binary place. Normal numbers (and the
// all-ones exponent alike) get the implicit leading 1; exponent 0 gives "0," and the bits from
// binary place Bias on. mantissaBits holds FractionBits characters "0"/"1".
// Single 1.0 (sign 0, exponent 127, 23 zeros) gives "+1," and 23 zeros; Single 2^24
// (exponent 151) gives "+1" and 24 zeros with no ","; exponent 150 ends in ",".
std::string MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                             std::string_view mantissaBits);
// The same, written over `out` (its storage reused); mantissaBits must not view `out`.
void MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                      std::string_view mantissaBits, std::string& out);

struct ExactTexts {
    std::string Binary;     // MakeBinaryString
    std::string BinarySci;  // FormatScientific(Binary)
    std::string Exact;      // BinaryToDecimal(Binary)
    std::string ExactSci;   // FormatScientific(Exact)
};

// The four texts of one format, built in the order Binary, BinarySci, Exact, ExactSci.
ExactTexts MakeExactTexts(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                          std::string_view mantissaBits);

// The same four texts written over the caller's strings, whose storage is reused: a state that
// converts one number after another allocates them once. mantissaBits must not view any of them.
void AssignExactTexts(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                      std::string_view mantissaBits, std::string& binary, std::string& binarySci,
                      std::string& exact, std::string& exactSci);

}  // namespace pexabit
