#include "format/HexFloat.h"

#include <cstdlib>

#include "format/CanonicalValue.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

constexpr int BitsPerHexDigit = 4;

// The fraction field from its top bit, in hex, without trailing zero digits ("" for zero).
std::string FractionDigits(const FloatFormat& format, Bits128 fraction) {
    const int digits = (format.FractionBits + BitsPerHexDigit - 1) / BitsPerHexDigit;
    Bits128 aligned = fraction << (digits * BitsPerHexDigit - format.FractionBits);
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits; i-- > 0; aligned >>= BitsPerHexDigit) {
        out[static_cast<std::size_t>(i)] = LowerHexDigits[static_cast<std::size_t>(aligned & 0xF)];
    }
    out.erase(out.find_last_not_of('0') + 1);
    return out;
}

// "0x<lead>[.<fraction>]p<sign><exponent>".
std::string Constant(bool negative, char lead, const std::string& fraction, int exponent) {
    std::string out = negative ? "-0x" : "0x";
    out += lead;
    if (!fraction.empty()) out.append(1, '.').append(fraction);
    out.append(exponent < 0 ? "p-" : "p+").append(std::to_string(std::abs(exponent)));
    return out;
}

}  // namespace

std::optional<std::string> HexFloatText(const FloatFormat& format, const StoredValue& value) {
    const std::optional<StoredValue> canonical = CanonicalValue(format, value);
    if (!canonical) return std::nullopt;
    const StoredValue& v = *canonical;
    switch (v.Class) {
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan:
        case ValueClass::Noncanonical:
            return std::nullopt;
        case ValueClass::Infinite:
            return v.Negative ? "-inf" : "inf";
        case ValueClass::Zero:
            return Constant(v.Negative, '0', "", 0);
        case ValueClass::Subnormal:
            return Constant(v.Negative, '0', FractionDigits(format, v.Fraction), format.MinExponent());
        case ValueClass::Normal:
            break;
    }
    return Constant(v.Negative, '1', FractionDigits(format, v.Fraction), v.BiasedExponent - format.Bias);
}

}  // namespace pexabit
