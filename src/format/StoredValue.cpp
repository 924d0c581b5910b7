#include "format/StoredValue.h"

#include <cassert>

namespace pexabit {

namespace {

// Infinity or a NaN of the all-ones exponent, IEEE-style (the integer bit of extended set).
ValueClass IeeeSpecialClass(const FloatFormat& format, Bits128 fraction) {
    if (fraction == 0) return ValueClass::Infinite;
    return (fraction & QuietBit(format)) != 0 ? ValueClass::QuietNan : ValueClass::SignallingNan;
}

// Finite classes and their significand and exponent: the leading bit joins the fraction, and
// exponent field 0 weighs like field 1.
void SetFinite(const FloatFormat& format, StoredValue& v) {
    const int effectiveExponent = v.BiasedExponent == 0 ? 1 : v.BiasedExponent;
    v.Significand = (Bits128{v.IntegerBit ? 1U : 0U} << format.FractionBits) | v.Fraction;
    v.Exponent = effectiveExponent - format.Bias - format.FractionBits;
    if (v.Significand == 0) {
        v.Class = ValueClass::Zero;
    } else if (v.BiasedExponent == 0) {
        v.Class = ValueClass::Subnormal;
    } else {
        v.Class = ValueClass::Normal;
    }
}

// Extended keeps its integer bit: wherever it disagrees with the exponent field (set with field
// 0, clear with any other) the pattern is noncanonical. Finite ones keep the value their bits
// weigh; pseudo-infinities and pseudo-NaNs have none.
void ClassifyStoredIntegerBit(const FloatFormat& format, StoredValue& v) {
    const bool allOnes = v.BiasedExponent == format.AllOnesExponent;
    if (allOnes && v.IntegerBit) {
        v.Class = IeeeSpecialClass(format, v.Fraction);
        return;
    }
    if (allOnes) {
        v.Class = ValueClass::Noncanonical;
        return;
    }
    SetFinite(format, v);
    const bool canonical = (v.BiasedExponent == 0) != v.IntegerBit;
    if (!canonical) v.Class = ValueClass::Noncanonical;
}

}  // namespace

StoredValue DecodePattern(const FloatFormat& format, Bits128 pattern) {
    StoredValue v;
    v.Pattern = pattern & LowBits(format.TotalBits);
    const int exponentShift = format.TotalBits - 1 - format.ExponentBits;
    v.Negative = ((v.Pattern >> (format.TotalBits - 1)) & 1) != 0;
    v.BiasedExponent = static_cast<int>((v.Pattern >> exponentShift) & LowBits(format.ExponentBits));
    v.Fraction = v.Pattern & LowBits(format.FractionBits);
    if (format.StoredIntegerBit) {
        v.IntegerBit = ((v.Pattern >> format.FractionBits) & 1) != 0;
        ClassifyStoredIntegerBit(format, v);
        return v;
    }
    v.IntegerBit = v.BiasedExponent != 0;
    const bool allOnes = v.BiasedExponent == format.AllOnesExponent;
    if (allOnes && format.Specials == SpecialEncoding::Ieee) {
        v.IntegerBit = true;
        v.Class = IeeeSpecialClass(format, v.Fraction);
    } else if (allOnes && v.Fraction == LowBits(format.FractionBits)) {
        v.IntegerBit = true;
        v.Class = ValueClass::QuietNan;
    } else {
        SetFinite(format, v);
    }
    return v;
}

Bits128 ComposePattern(const FloatFormat& format, bool negative, int biasedExponent, bool integerBit,
                       Bits128 fraction) {
    assert(biasedExponent >= 0 && biasedExponent <= format.AllOnesExponent);
    assert((fraction & ~LowBits(format.FractionBits)) == 0);
    const int exponentShift = format.TotalBits - 1 - format.ExponentBits;
    Bits128 pattern = Bits128{negative ? 1U : 0U} << (format.TotalBits - 1);
    pattern |= Bits128(static_cast<unsigned>(biasedExponent)) << exponentShift;
    if (format.StoredIntegerBit && integerBit) pattern |= Bits128{1} << format.FractionBits;
    return pattern | fraction;
}

StoredValue FromSignificand(const FloatFormat& format, bool negative, Bits128 significand, int exponent) {
    const Bits128 leading = Bits128{1} << format.FractionBits;
    assert(significand < (leading << 1));
    const bool normal = (significand & leading) != 0;
    const int biased = normal ? exponent + format.FractionBits + format.Bias : 0;
    assert(normal ? biased >= 1 && biased <= format.MaxFiniteBiasedExponent()
                  : significand == 0 || exponent == format.MinQuantumExponent());
    const Bits128 pattern = ComposePattern(format, negative, biased, normal, significand & (leading - 1));
    return DecodePattern(format, pattern);
}

}  // namespace pexabit
