#pragma once
// MPFR and GMP as the independent references for the texts of a stored value: a text read back
// into any format under nearest-even, a pattern's exact value, and the shortest decimal found by
// trying every length. Patterns are taken apart and composed here, without the system's own
// decoder and encoder.

#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <ostream>
#include <string>

#include "GmpReference.h"
#include "arith/Bits128.h"
#include "format/FloatFormat.h"
#include "format/ShortestDigits.h"

namespace pexabit::testing {

inline Bits128 ToBits128(const mpz_class& z) {
    return (Bits128{mpz_class(z >> 64).get_ui()} << 64) | mpz_class(z & mpz_class(~0UL)).get_ui();
}

inline int ExponentShift(const FloatFormat& f) { return f.FractionBits + (f.StoredIntegerBit ? 1 : 0); }

// The exact value of a finite canonical pattern, its sign kept.
inline mpq_class ValueOf(const FloatFormat& f, Bits128 pattern) {
    const mpq_class q = PatternMagnitude(pattern, f.ExponentBits, f.FractionBits, f.StoredIntegerBit);
    return ((pattern >> (f.TotalBits - 1)) & 1) != 0 ? mpq_class(-q) : q;
}

// The pattern of a value MPFR rounded into the format: an infinity (E4M3: its NaN), a zero, a
// normal or a subnormal number, composed field by field.
inline Bits128 PatternOf(const FloatFormat& f, mpfr_t x) {
    const Bits128 sign = Bits128{mpfr_signbit(x) != 0} << (f.TotalBits - 1);
    const Bits128 integerBit = f.StoredIntegerBit ? Bits128{1} << f.FractionBits : 0;
    const Bits128 allOnes = Bits128(static_cast<unsigned>(f.AllOnesExponent)) << ExponentShift(f);
    if (mpfr_inf_p(x)) return sign | allOnes | integerBit | (f.HasInfinities() ? 0 : LowBits(f.FractionBits));
    if (mpfr_zero_p(x)) return sign;
    mpz_class m;
    const long e = mpfr_get_z_2exp(m.get_mpz_t(), x);  // |x| = |m| * 2^e, |m| of Precision bits
    const Bits128 significand = ToBits128(abs(m));
    const long biased = e + f.FractionBits + f.Bias;
    if (biased <= 0) return sign | (significand >> (1 - biased));
    return sign | (Bits128(static_cast<unsigned long>(biased)) << ExponentShift(f)) | integerBit |
           (significand & LowBits(f.FractionBits));
}

// The pattern that `text` (decimal, 0x hex float, inf) reads as under nearest-even: MPFR with the
// format's precision and exponent range (its significands lie in [1/2, 1), so both limits sit
// one above the format's), then its subnormals.
inline Bits128 ReadBack(const FloatFormat& f, const std::string& text) {
    const mpfr_exp_t savedMin = mpfr_get_emin(), savedMax = mpfr_get_emax();
    mpfr_set_emin(f.MinQuantumExponent() + 1);
    mpfr_set_emax(f.MaxExponent() + 1);
    mpfr_t x;
    mpfr_init2(x, f.Precision());
    char* end = nullptr;
    const int t = mpfr_strtofr(x, text.c_str(), &end, 0, MPFR_RNDN);
    EXPECT_EQ(*end, '\0') << "MPFR stopped reading " << text;
    mpfr_subnormalize(x, mpfr_check_range(x, t, MPFR_RNDN), MPFR_RNDN);
    const Bits128 pattern = PatternOf(f, x);
    mpfr_clear(x);
    mpfr_set_emin(savedMin);
    mpfr_set_emax(savedMax);
    return pattern;
}

// The shortest decimal that reads back to the positive finite pattern: for n = 1, 2, ... the
// n-digit decimals just below and just above the value (MPFR rounds it down and up); the first n
// where one of them reads back decides, the nearer of two, an exact tie to the even digits.
inline ShortestDecimal ReferenceShortest(const FloatFormat& f, Bits128 pattern) {
    const mpq_class value = ValueOf(f, pattern);
    mpfr_t x;
    mpfr_init2(x, f.Precision());
    mpfr_set_q(x, value.get_mpq_t(), MPFR_RNDN);  // exact: the value has Precision bits
    struct Candidate { mpz_class Digits; long Exponent; bool In; mpq_class Distance; };
    auto rounded = [&](int n, mpfr_rnd_t direction) {
        mpfr_exp_t e = 0;  // MPFR writes 0.<digits> * 10^e
        char* s = mpfr_get_str(nullptr, &e, 10, static_cast<std::size_t>(n), x, direction);
        Candidate c{mpz_class(s, 10), static_cast<long>(e) - n, false, 0};
        mpfr_free_str(s);
        const std::string text = c.Digits.get_str() + "e" + std::to_string(c.Exponent);
        c.In = ReadBack(f, text) == pattern;
        c.Distance = abs(mpq_class(c.Digits) * PowerOfTen(c.Exponent) - value);
        return c;
    };
    Candidate best{0, 0, false, 0};
    for (int n = 1; !best.In; ++n) {
        const Candidate down = rounded(n, MPFR_RNDD), up = rounded(n, MPFR_RNDU);
        const bool downNearer = down.Distance < up.Distance || (down.Distance == up.Distance && mpz_even_p(down.Digits.get_mpz_t()));
        best = down.In && (!up.In || downNearer) ? down : up;
    }
    mpfr_clear(x);
    while (best.Digits % 10 == 0) {
        best.Digits /= 10;
        ++best.Exponent;
    }
    return {ToBits128(best.Digits), static_cast<int>(best.Exponent)};
}

}  // namespace pexabit::testing

namespace pexabit {
// Readable failures: "12345e-3".
inline void PrintTo(const ShortestDecimal& d, std::ostream* os) { *os << testing::ToMpz(d.Digits) << "e" << d.Exponent; }
}  // namespace pexabit
