#include "format/StoredRounding.h"

#include <string>

namespace pexabit {
namespace {

constexpr std::string_view HexDigitNames = "0123456789ABCDEF";
constexpr int BitsPerHexDigit = 4;

// The hex digits of `bits` without leading zeros; "" for zero.
std::string HexDigitsOf(Bits128 bits) {
    std::string digits;
    for (; bits != 0; bits >>= BitsPerHexDigit) digits.insert(digits.begin(), HexDigitNames[static_cast<int>(bits & 0xF)]);
    return digits;
}

// A finite nonzero M * 2^e as typed hex digits, trailing zero digits moved into the exponent as
// the typed reader leaves them.
void SetHexValue(TypedNumber& number, Bits128 significand, int exponent) {
    std::int64_t power = exponent;
    while ((significand & 0xF) == 0) {
        significand >>= BitsPerHexDigit;
        power += BitsPerHexDigit;
    }
    number.Hex = true;
    number.Digits = HexDigitsOf(significand);
    number.Exponent = power;
}

// Unnormals, pseudo-infinities and pseudo-NaNs: extended patterns whose integer bit disagrees
// with a nonzero exponent field.
bool HasNoValue(const StoredValue& value) {
    return value.Class == ValueClass::Noncanonical && value.BiasedExponent != 0;
}

}  // namespace

TypedNumber TypedFromStored(const FloatFormat& source, const StoredValue& value) {
    TypedNumber number;
    if (HasNoValue(value)) {
        number.Type = TypedNumber::Kind::Nan;
        return number;
    }
    number.Negative = value.Negative;
    switch (value.Class) {
        case ValueClass::Infinite: number.Type = TypedNumber::Kind::Infinity; break;
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan: {
            number.Type = TypedNumber::Kind::Nan;
            number.Signalling = value.Class == ValueClass::SignallingNan;
            const Bits128 payload = value.Fraction & PayloadMask(source);
            if (source.HasInfinities() && payload != 0) number.Payload = HexDigitsOf(payload);
            break;
        }
        default:
            if (value.Significand != 0) SetHexValue(number, value.Significand, value.Exponent);
    }
    return number;
}

RoundedValue RoundStoredValue(const FloatFormat& source, const StoredValue& value, const FloatFormat& target,
                              RoundingMode mode) {
    const bool finite = value.Class == ValueClass::Subnormal || value.Class == ValueClass::Normal ||
                        (value.Class == ValueClass::Noncanonical && !HasNoValue(value));
    if (finite) return RoundGuarded(target, value.Negative, {value.Significand, value.Exponent, false}, mode);
    return RoundToFormat(target, TypedFromStored(source, value), mode);
}

}  // namespace pexabit
