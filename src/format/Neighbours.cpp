#include "format/Neighbours.h"

namespace pexabit {

namespace {

Bits128 SignBit(const FloatFormat& format) { return Bits128{1} << (format.TotalBits - 1); }

// The pattern one step further from zero (+1) or nearer to it (-1), sign kept. The exponent and
// fraction fields read together as one integer count the magnitudes in order, so a step is +-1
// on it; the stored integer bit of extended follows the new exponent (set unless the result is
// zero or subnormal), which keeps the result canonical across the subnormal boundary. Stepping
// up from the largest finite value reaches the all-ones exponent with a zero fraction (the
// infinity) and down from the infinity the largest finite value.
Bits128 StepMagnitude(const FloatFormat& format, const StoredValue& value, int step) {
    const Bits128 magnitude = (Bits128(static_cast<unsigned>(value.BiasedExponent)) << format.FractionBits) |
                              value.Fraction;
    const Bits128 next = step > 0 ? magnitude + 1 : magnitude - 1;
    const int biased = static_cast<int>(next >> format.FractionBits);
    return ComposePattern(format, value.Negative, biased, biased != 0, next & LowBits(format.FractionBits));
}

}  // namespace

std::optional<Bits128> NextUp(const FloatFormat& format, const StoredValue& value) {
    switch (value.Class) {
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan:
        case ValueClass::Noncanonical:
            return std::nullopt;
        case ValueClass::Zero:
            return ComposePattern(format, false, 0, false, 1);
        case ValueClass::Infinite:
            return value.Negative ? StepMagnitude(format, value, -1) : value.Pattern;
        case ValueClass::Subnormal:
        case ValueClass::Normal:
            break;
    }
    if (value.Negative) return StepMagnitude(format, value, -1);
    const Bits128 up = StepMagnitude(format, value, +1);
    // Without infinities the all-ones pattern above the largest finite value is the NaN.
    if (DecodePattern(format, up).Class == ValueClass::QuietNan) return std::nullopt;
    return up;
}

std::optional<Bits128> NextDown(const FloatFormat& format, const StoredValue& value) {
    const std::optional<Bits128> up = NextUp(format, DecodePattern(format, value.Pattern ^ SignBit(format)));
    if (!up) return std::nullopt;
    return *up ^ SignBit(format);
}

std::optional<int> UlpExponent(const FloatFormat& format, const StoredValue& value) {
    switch (value.Class) {
        case ValueClass::Infinite:
        case ValueClass::QuietNan:
        case ValueClass::SignallingNan:
            return std::nullopt;
        case ValueClass::Noncanonical:
            if (value.BiasedExponent == format.AllOnesExponent) return std::nullopt;
            return value.Exponent;
        case ValueClass::Zero:
        case ValueClass::Subnormal:
        case ValueClass::Normal:
            break;
    }
    return value.Exponent;
}

}  // namespace pexabit
