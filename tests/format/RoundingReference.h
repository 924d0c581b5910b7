#pragma once
// The independent reference for rounding into any format: MPFR rounds an exact rational (GMP) to
// the format's precision, with an unbounded exponent and with the format's subnormals; GMP
// decides nearest-away from the midpoint of MPFR's two directed neighbours, and the flags from
// exact comparisons with the largest finite value and the smallest normal. The expected pattern
// is composed here from the rounded rational, without the system's own encoder.

#include <gmpxx.h>
#include <mpfr.h>

#include <string>

#include "GmpReference.h"
#include "format/Rounding.h"

namespace pexabit::testing {

inline mpq_class PowerOfTwo(long e) {
    mpq_class r(1);
    if (e >= 0) mpq_mul_2exp(r.get_mpq_t(), r.get_mpq_t(), static_cast<unsigned long>(e));
    if (e < 0) mpq_div_2exp(r.get_mpq_t(), r.get_mpq_t(), static_cast<unsigned long>(-e));
    return r;
}

inline mpq_class PowerOfTen(long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
    mpq_class r = e >= 0 ? mpq_class(p) : mpq_class(1, p);
    r.canonicalize();
    return r;
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

inline std::string PatternHex(const FloatFormat& format, Bits128 pattern) {
    return HexOf(static_cast<std::uint64_t>(pattern >> 64), static_cast<std::size_t>(format.HexDigits() > 16 ? format.HexDigits() - 16 : 0)) +
           HexOf(static_cast<std::uint64_t>(pattern), static_cast<std::size_t>(format.HexDigits() > 16 ? 16 : format.HexDigits()));
}

// The pattern of a finite magnitude the format holds exactly, or of the all-ones exponent with
// `fraction` (infinities, NaNs).
inline Bits128 ComposeExpected(const FloatFormat& format, bool negative, const mpq_class& magnitude, bool special,
                               Bits128 fraction = 0) {
    long biased = format.AllOnesExponent;
    bool integerBit = true;
    if (!special && magnitude == 0) {
        biased = 0;
        integerBit = false;
    } else if (!special) {
        // floor(log2(magnitude)) from the bit lengths of numerator and denominator.
        long e = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 2)) -
                 static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 2));
        if (magnitude < PowerOfTwo(e)) --e;
        integerBit = e >= format.MinExponent();
        biased = integerBit ? e + format.Bias : 0;
        const mpq_class scaled = magnitude / PowerOfTwo((integerBit ? e : format.MinExponent()) - format.FractionBits);
        mpz_class f = scaled.get_num() - (integerBit ? mpz_class(1) << format.FractionBits : mpz_class(0));
        fraction = (Bits128{mpz_class(f >> 64).get_ui()} << 64) | mpz_class(f & mpz_class("0xFFFFFFFFFFFFFFFF")).get_ui();
    }
    Bits128 p = Bits128{negative ? 1U : 0U} << (format.TotalBits - 1);
    p |= Bits128(static_cast<unsigned long>(biased)) << (format.TotalBits - 1 - format.ExponentBits);
    if (format.StoredIntegerBit && integerBit) p |= Bits128{1} << format.FractionBits;
    return p | fraction;
}

// "3DCCCCCD I--": the expected pattern and flags (inexact, underflow, overflow) of rounding the
// nonzero x into `format`.
inline std::string ExpectedRounding(const FloatFormat& format, const mpq_class& x, RoundingMode mode) {
    const bool negative = sgn(x) < 0;
    const int p = format.Precision();
    const mpq_class maxFinite = mpq_class((mpz_class(1) << p) - (format.HasInfinities() ? 1 : 2)) *
                                PowerOfTwo(format.MaxExponent() - format.FractionBits);
    const mpq_class unbounded = ReferenceMagnitude(x, format, mode, false);
    if (unbounded > maxFinite) {
        const bool toInfinity = mode == RoundingMode::NearestEven || mode == RoundingMode::NearestAway ||
                                (mode == RoundingMode::Up && !negative) || (mode == RoundingMode::Down && negative);
        const Bits128 nanFraction = format.HasInfinities() ? 0 : LowBits(format.FractionBits);
        const Bits128 pattern = toInfinity ? ComposeExpected(format, negative, 0, true, nanFraction)
                                           : ComposeExpected(format, negative, maxFinite, false);
        return PatternHex(format, pattern) + " I-O";
    }
    const mpq_class minNormal = PowerOfTwo(format.MinExponent());
    const mpq_class result = abs(x) >= minNormal ? unbounded : ReferenceMagnitude(x, format, mode, true);
    const bool inexact = result != abs(x);
    const bool underflow = inexact && unbounded < minNormal;
    return PatternHex(format, ComposeExpected(format, negative, result, false)) + (inexact ? " I" : " -") +
           (underflow ? "U" : "-") + "-";
}

// The same summary of a rounding by the system.
inline std::string ActualRounding(const FloatFormat& format, const RoundedValue& r) {
    if (!r.Error.empty()) return "error: " + r.Error;
    if (r.Value.Overflow != r.Flags.Overflow) return "overflow flag and value disagree";
    return PatternHex(format, r.Value.Pattern) + (r.Flags.Inexact ? " I" : " -") + (r.Flags.Underflow ? "U" : "-") +
           (r.Flags.Overflow ? "O" : "-");
}

}  // namespace pexabit::testing
