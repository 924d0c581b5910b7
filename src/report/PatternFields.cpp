#include "report/PatternFields.h"

#include <algorithm>

namespace pexabit {

namespace {
constexpr int BitsPerHexDigit = 4;
constexpr int BitsPerByte = 8;
}  // namespace

void AppendHexDigits(std::string& out, Bits128 v) {
    AppendHexText(out, v, std::max(1, (BitWidth128(v) + BitsPerHexDigit - 1) / BitsPerHexDigit));
}

void AppendBytesLe(std::string& out, const FloatFormat& format, Bits128 pattern) {
    for (int i = 0; i < format.Bytes(); ++i, pattern >>= BitsPerByte) AppendHexText(out, pattern & 0xFF, 2);
}

std::string_view ClassName(ValueClass c) {
    switch (c) {
        case ValueClass::Zero: return "zero";
        case ValueClass::Subnormal: return "subnormal";
        case ValueClass::Normal: return "normal";
        case ValueClass::Infinite: return "infinite";
        case ValueClass::QuietNan: return "quiet_nan";
        case ValueClass::SignallingNan: return "signalling_nan";
        case ValueClass::Noncanonical: return "noncanonical";
    }
    return "";
}

bool HasFiniteValue(const StoredValue& value) {
    switch (value.Class) {
        case ValueClass::Zero:
        case ValueClass::Subnormal:
        case ValueClass::Normal: return true;
        case ValueClass::Noncanonical: return value.BiasedExponent == 0;
        default: return false;
    }
}

std::optional<int> UnbiasedExponent(const FloatFormat& format, const StoredValue& value) {
    const bool nonFinite = value.Class == ValueClass::Infinite || value.Class == ValueClass::QuietNan ||
                           value.Class == ValueClass::SignallingNan;
    if (nonFinite || (value.Class == ValueClass::Noncanonical && value.BiasedExponent == format.AllOnesExponent)) {
        return std::nullopt;
    }
    return value.BiasedExponent == 0 ? format.MinExponent() : value.BiasedExponent - format.Bias;
}

std::optional<Bits128> NanPayload(const FloatFormat& format, const StoredValue& value) {
    if (value.Class != ValueClass::QuietNan && value.Class != ValueClass::SignallingNan) return std::nullopt;
    return value.Fraction & PayloadMask(format);
}

}  // namespace pexabit
