#include "format/HexFloat.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "format/CanonicalValue.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

constexpr int BitsPerHexDigit = 4;

// Room for the hex digits of any fraction field (Bits128).
using FractionBuffer = std::array<char, 32>;

// The fraction field from its top bit, in hex, without trailing zero digits ("" for zero),
// written into `buffer`.
std::string_view FractionDigits(const FloatFormat& format, Bits128 fraction, FractionBuffer& buffer) {
    const int digits = (format.FractionBits + BitsPerHexDigit - 1) / BitsPerHexDigit;
    Bits128 aligned = fraction << (digits * BitsPerHexDigit - format.FractionBits);
    for (int i = digits; i-- > 0; aligned >>= BitsPerHexDigit) {
        buffer[static_cast<std::size_t>(i)] = LowerHexDigits[static_cast<std::size_t>(aligned & 0xF)];
    }
    const std::string_view text(buffer.data(), static_cast<std::size_t>(digits));
    return text.substr(0, text.find_last_not_of('0') + 1);
}

// "0x<lead>[.<fraction>]p<sign><exponent>", written at its final size.
std::string Constant(bool negative, char lead, std::string_view fraction, int exponent) {
    char magnitude[12];
    const char* end = std::to_chars(magnitude, magnitude + sizeof magnitude, std::abs(exponent)).ptr;
    const std::string_view exponentDigits(magnitude, static_cast<std::size_t>(end - magnitude));
    std::string out;
    out.reserve(6 + fraction.size() + exponentDigits.size());  // "-0x1." and "p-"
    out += negative ? "-0x" : "0x";
    out += lead;
    if (!fraction.empty()) out.append(1, '.').append(fraction);
    out.append(exponent < 0 ? "p-" : "p+").append(exponentDigits);
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
        case ValueClass::Normal:
            break;
    }
    FractionBuffer buffer;
    const std::string_view fraction = FractionDigits(format, v.Fraction, buffer);
    if (v.Class == ValueClass::Subnormal) return Constant(v.Negative, '0', fraction, format.MinExponent());
    return Constant(v.Negative, '1', fraction, v.BiasedExponent - format.Bias);
}

}  // namespace pexabit
