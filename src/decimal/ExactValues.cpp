#include "decimal/ExactValues.h"

#include <algorithm>

#include "decimal/BinaryToDecimal.h"
#include "decimal/Scientific.h"

namespace pexabit {

namespace {

// The unsigned digits of a normal number (and of the all-ones exponent, expanded alike):
// "1" & mantissa, the value (1 + m / 2^FractionBits) * 2^(E - Bias), with the comma placed at
// binary place 0.
std::string NormalDigits(const FloatFormat& f, std::int32_t e, std::string_view m) {
    const std::int32_t lastBitExponent = f.Bias + f.FractionBits;  // 150 / 1075: last bit at 2^0
    std::string s;
    if (e < f.Bias) {
        // Below one: "0," then Bias - E - 1 zeros before the leading 1.
        s.reserve(static_cast<std::size_t>(f.Bias - e + 1 + f.FractionBits) + 1);
        s = "0,";
        s.append(static_cast<std::size_t>(f.Bias - e - 1), '0');
        s += '1';
        s += m;
        return s;
    }
    s = "1";
    s += m;
    if (e > lastBitExponent) {
        s.append(static_cast<std::size_t>(e - lastBitExponent), '0');  // an integer: no ","
    } else {
        // E - Bias + 1 integer bits; E == lastBitExponent leaves an empty fraction.
        s.insert(std::min(static_cast<std::size_t>(e - f.Bias + 1), s.size()), 1, ',');
    }
    return s;
}

// Zero and the subnormals: m * 2^(1 - Bias - FractionBits), the first mantissa bit at binary
// place Bias after the comma.
std::string SubnormalDigits(const FloatFormat& f, std::string_view m) {
    std::string s = "0,";
    s.append(static_cast<std::size_t>(f.Bias - 1), '0');
    s += m;
    return s;
}

}  // namespace

std::string MakeBinaryString(const FloatFormat& format, std::int32_t sign, std::int32_t exponent,
                             std::string_view mantissaBits) {
    const std::string digits = exponent != 0 ? NormalDigits(format, exponent, mantissaBits)
                                             : SubnormalDigits(format, mantissaBits);
    return (sign == 1 ? "-" : "+") + digits;
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
