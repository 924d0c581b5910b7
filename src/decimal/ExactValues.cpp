#include "decimal/ExactValues.h"

#include <algorithm>

#include "decimal/BinaryToDecimal.h"
#include "decimal/Scientific.h"

namespace pexabit {

namespace {

// The signed digits of a normal number (and of the all-ones exponent, expanded alike):
// "1" & mantissa, the value (1 + m / 2^FractionBits) * 2^(E - Bias), with the comma placed at
// binary place 0. Built at its final length.
std::string NormalDigits(const FloatFormat& f, char sign, std::int32_t e, std::string_view m) {
    const std::int32_t lastBitExponent = f.Bias + f.FractionBits;  // 150 / 1075: last bit at 2^0
    std::string s;
    if (e < f.Bias) {
        // Below one: "0," then Bias - E - 1 zeros before the leading 1.
        const auto zeros = static_cast<std::size_t>(f.Bias - e - 1);
        s.reserve(4 + zeros + m.size());
        s += sign;
        s += "0,";
        s.append(zeros, '0');
        s += '1';
        s += m;
    } else if (e > lastBitExponent) {
        // An integer: the bits, then zeros down to binary place 0, no ",".
        const auto zeros = static_cast<std::size_t>(e - lastBitExponent);
        s.reserve(2 + m.size() + zeros);
        s += sign;
        s += '1';
        s += m;
        s.append(zeros, '0');
    } else {
        // E - Bias + 1 integer bits; E == lastBitExponent leaves an empty fraction.
        const std::size_t integerBits = std::min(static_cast<std::size_t>(e - f.Bias), m.size());
        s.reserve(3 + m.size());
        s += sign;
        s += '1';
        s += m.substr(0, integerBits);
        s += ',';
        s += m.substr(integerBits);
    }
    return s;
}

// Zero and the subnormals: m * 2^(1 - Bias - FractionBits), the first mantissa bit at binary
// place Bias after the comma.
std::string SubnormalDigits(const FloatFormat& f, char sign, std::string_view m) {
    const auto zeros = static_cast<std::size_t>(f.Bias - 1);
    std::string s;
    s.reserve(3 + zeros + m.size());
    s += sign;
    s += "0,";
    s.append(zeros, '0');
    s += m;
    return s;
}

}  // namespace

std::string MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                             std::string_view mantissaBits) {
    const char signCharacter = sign == 1 ? '-' : '+';
    return exponent != 0 ? NormalDigits(format, signCharacter, exponent, mantissaBits)
                         : SubnormalDigits(format, signCharacter, mantissaBits);
}

ExactTexts MakeExactTexts(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                          std::string_view mantissaBits) {
    ExactTexts t;
    t.Binary = MakeBinaryString(format, sign, exponent, mantissaBits);
    t.BinarySci = FormatScientific(t.Binary);
    t.Exact = BinaryToDecimal(t.Binary);
    t.ExactSci = FormatScientific(t.Exact);
    return t;
}

}  // namespace pexabit
