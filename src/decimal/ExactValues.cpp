#include "decimal/ExactValues.h"

#include <algorithm>

#include "decimal/BinaryToDecimal.h"
#include "decimal/Scientific.h"

namespace pexabit {

namespace {

// The signed digits of a normal number (and of the all-ones exponent, expanded alike):
// "1" & mantissa, the value (1 + m / 2^FractionBits) * 2^(E - Bias), with the comma placed at
// binary place 0. Built at its final length.
void NormalDigits(const FloatFormat& f, char sign, std::int32_t e, std::string_view m, std::string& s) {
    const std::int32_t lastBitExponent = f.Bias + f.FractionBits;  // 150 / 1075: last bit at 2^0
    s.clear();
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
}

// Zero and the subnormals: m * 2^(1 - Bias - FractionBits), the first mantissa bit at binary
// place Bias after the comma.
void SubnormalDigits(const FloatFormat& f, char sign, std::string_view m, std::string& s) {
    const auto zeros = static_cast<std::size_t>(f.Bias - 1);
    s.clear();
    s.reserve(3 + zeros + m.size());
    s += sign;
    s += "0,";
    s.append(zeros, '0');
    s += m;
}

}  // namespace

void MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                      std::string_view mantissaBits, std::string& out) {
    const char signCharacter = sign == 1 ? '-' : '+';
    if (exponent != 0) NormalDigits(format, signCharacter, exponent, mantissaBits, out);
    else SubnormalDigits(format, signCharacter, mantissaBits, out);
}

std::string MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                             std::string_view mantissaBits) {
    std::string out;
    MakeBinaryString(format, sign, exponent, mantissaBits, out);
    return out;
}

void AssignExactTexts(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                      std::string_view mantissaBits, std::string& binary, std::string& binarySci,
                      std::string& exact, std::string& exactSci) {
    MakeBinaryString(format, sign, exponent, mantissaBits, binary);
    FormatScientific(binary, binarySci);
    BinaryToDecimal(binary, exact);
    FormatScientific(exact, exactSci);
}

ExactTexts MakeExactTexts(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                          std::string_view mantissaBits) {
    ExactTexts t;
    AssignExactTexts(format, sign, exponent, mantissaBits, t.Binary, t.BinarySci, t.Exact, t.ExactSci);
    return t;
}

}  // namespace pexabit
