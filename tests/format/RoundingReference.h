#pragma once
// The independent reference for rounding into any format: MPFR rounds an exact rational (GMP) to
// the format's precision, with an unbounded exponent and with the format's subnormals; GMP
// decides nearest-away from the midpoint of MPFR's two directed neighbours, and the flags from
// exact comparisons with the largest finite value and the smallest normal. The system's result
// is read back through DecodePattern and compared as a value.

#include <gmpxx.h>
#include <mpfr.h>

#include <string>

#include "GmpReference.h"
#include "format/Rounding.h"

namespace pexabit::testing {

// A typed text and its exact value.
struct Sample {
    std::string Text;
    mpq_class Value;
};

// digits * 10^exponent as "123e-5", or digits * 2^exponent as "0x7bp-5" when hex.
inline Sample MakeSample(const mpz_class& digits, long exponent, bool negative, bool hex) {
    std::string text(negative ? "-" : "");
    text += hex ? "0x" + digits.get_str(16) + "p" : digits.get_str() + "e";
    const mpq_class scale = hex ? PowerOfTwo(exponent) : PowerOfTen(exponent);
    return {text + std::to_string(exponent), mpq_class(negative ? mpz_class(-digits) : digits) * scale};
}

// |x| rounded by MPFR to `precision` bits in a directed or nearest-even mode; with the format's
// exponent range and subnormals when `subnormals` is set (x then below the largest finite value).
inline mpq_class MpfrRound(const mpq_class& x, const FloatFormat& format, mpfr_rnd_t rnd, bool subnormals) {
    const mpfr_exp_t savedMin = mpfr_get_emin(), savedMax = mpfr_get_emax();
    if (subnormals) {
        // MPFR's significands lie in [1/2, 1): 2^q is 0.1 * 2^(q+1), the top value below 2^(emax+1).
        mpfr_set_emin(format.MinQuantumExponent() + 1);
        mpfr_set_emax(format.MaxExponent() + 1);
    }
    mpfr_t r;
    mpfr_init2(r, format.Precision());
    const mpq_class magnitude = abs(x);
    int t = mpfr_set_q(r, magnitude.get_mpq_t(), rnd);
    if (subnormals) mpfr_subnormalize(r, t, rnd);
    mpz_class m;
    const mpfr_exp_t e = mpfr_get_z_2exp(m.get_mpz_t(), r);
    mpfr_clear(r);
    mpfr_set_emin(savedMin);
    mpfr_set_emax(savedMax);
    return mpq_class(m) * PowerOfTwo(e);
}

// |x| rounded in any of the five modes; x's sign chooses the direction of up and down.
inline mpq_class ReferenceMagnitude(const mpq_class& x, const FloatFormat& format, RoundingMode mode, bool subnormals) {
    const bool negative = sgn(x) < 0;
    switch (mode) {
        case RoundingMode::NearestEven: return MpfrRound(x, format, MPFR_RNDN, subnormals);
        case RoundingMode::TowardZero: return MpfrRound(x, format, MPFR_RNDZ, subnormals);
        case RoundingMode::Up: return MpfrRound(x, format, negative ? MPFR_RNDZ : MPFR_RNDA, subnormals);
        case RoundingMode::Down: return MpfrRound(x, format, negative ? MPFR_RNDA : MPFR_RNDZ, subnormals);
        case RoundingMode::NearestAway: break;
    }
    const mpq_class low = MpfrRound(x, format, MPFR_RNDZ, subnormals);
    const mpq_class high = MpfrRound(x, format, MPFR_RNDA, subnormals);
    return abs(x) >= (low + high) / 2 ? high : low;
}

// "-0x3p-1074", "+0", "-inf", "+nan": a sign and a value as an odd integer times a power of two.
inline std::string ValueText(bool negative, const mpq_class& magnitude) {
    std::string t = negative ? "-" : "+";
    if (magnitude == 0) return t + "0";
    mpz_class odd = magnitude.get_num();
    const auto zeros = mpz_scan1(odd.get_mpz_t(), 0);
    odd >>= zeros;
    const long e = static_cast<long>(zeros) - static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 2) - 1);
    return t + "0x" + odd.get_str(16) + "p" + std::to_string(e);
}

inline std::string FlagsText(bool inexact, bool underflow, bool overflow) {
    return std::string(" ") + (inexact ? "I" : "-") + (underflow ? "U" : "-") + (overflow ? "O" : "-");
}

// The largest finite value; E4M3's all-ones significand at the top exponent is its NaN.
inline mpq_class MaxFinite(const FloatFormat& f) {
    return Scaled((mpz_class(1) << f.Precision()) - (f.HasInfinities() ? 1 : 2), f.MaxExponent() - f.FractionBits);
}

// "+0x3p-1074 IU-", "-inf I-O": the expected value and flags (inexact, underflow, overflow) of
// rounding the nonzero x into `format`.
inline std::string ExpectedRounding(const FloatFormat& format, const mpq_class& x, RoundingMode mode) {
    const bool negative = sgn(x) < 0;
    const mpq_class maxFinite = MaxFinite(format);
    const mpq_class unbounded = ReferenceMagnitude(x, format, mode, false);
    if (unbounded > maxFinite) {
        const bool toInfinity = mode == RoundingMode::NearestEven || mode == RoundingMode::NearestAway ||
                                (mode == RoundingMode::Up && !negative) || (mode == RoundingMode::Down && negative);
        const std::string infinity = std::string(negative ? "-" : "+") + (format.HasInfinities() ? "inf" : "nan");
        return (toInfinity ? infinity : ValueText(negative, maxFinite)) + FlagsText(true, false, true);
    }
    const mpq_class minNormal = PowerOfTwo(format.MinExponent());
    const mpq_class result = abs(x) >= minNormal ? unbounded : ReferenceMagnitude(x, format, mode, true);
    const bool inexact = result != abs(x);
    return ValueText(negative, result) + FlagsText(inexact, inexact && unbounded < minNormal, false);
}

// The same summary of a rounding by the system, its pattern read back by DecodePattern.
inline std::string ActualRounding(const FloatFormat& format, const RoundedValue& r) {
    if (!r.Error.empty()) return "error: " + r.Error;
    if (r.Value.Overflow != r.Flags.Overflow) return "overflow flag and value disagree";
    const StoredValue v = DecodePattern(format, r.Value.Pattern);
    const std::string sign = v.Negative ? "-" : "+";
    std::string value = v.Class == ValueClass::Infinite ? sign + "inf" : sign + "nan";
    if (v.Class != ValueClass::Infinite && v.Class != ValueClass::QuietNan && v.Class != ValueClass::SignallingNan) {
        value = ValueText(v.Negative, Scaled(ToMpz(v.Significand), v.Exponent));
    }
    return value + FlagsText(r.Flags.Inexact, r.Flags.Underflow, r.Flags.Overflow);
}

// The pattern and flags of a rounding by the system: "7E00 ---".
inline std::string PatternAndFlags(const FloatFormat& format, const RoundedValue& r) {
    if (!r.Error.empty()) return "error: " + r.Error;
    const auto digits = static_cast<std::size_t>(format.HexDigits());
    const std::string high = digits > 16 ? HexOf(static_cast<std::uint64_t>(r.Value.Pattern >> 64), digits - 16) : "";
    return high + HexOf(static_cast<std::uint64_t>(r.Value.Pattern), std::min<std::size_t>(digits, 16)) +
           FlagsText(r.Flags.Inexact, r.Flags.Underflow, r.Flags.Overflow);
}

}  // namespace pexabit::testing
