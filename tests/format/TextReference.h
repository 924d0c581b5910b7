#pragma once
// MPFR and GMP as the independent references for the texts of a stored value: a text read back
// into any format under nearest-even, a pattern's exact value, and the shortest text found by
// trying texts of every length. Patterns are taken apart and composed here, without the system's
// own decoder and encoder.

#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <optional>
#include <string>

#include "GmpReference.h"
#include "arith/Bits128.h"
#include "format/FloatFormat.h"

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

// digits * 10^exponent as std::to_chars writes it in either notation: trailing zeros dropped,
// at least two exponent digits, an integer in fixed notation with all its digits.
inline std::string ToCharsStyle(mpz_class digits, long exponent, bool scientific) {
    for (; digits % 10 == 0; digits /= 10) ++exponent;
    const std::string s = digits.get_str();
    const long x = exponent + static_cast<long>(s.size()) - 1;
    const long e = x < 0 ? -x : x;
    if (scientific) return s.substr(0, 1) + (s.size() > 1 ? "." + s.substr(1) : "") + (x < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
    if (exponent >= 0) return s + std::string(static_cast<std::size_t>(exponent), '0');
    if (x >= 0) return s.substr(0, static_cast<std::size_t>(x + 1)) + "." + s.substr(static_cast<std::size_t>(x + 1));
    return "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + s;
}

// The shortest text of a finite nonzero pattern, found by trying texts: for n = 1, 2, ...
// significant digits, in the value's decade and the two beside it (whatever reads back lies
// within a factor of 3 of the value: the widest interval, the smallest subnormal's, is
// (v/2, 3v/2)), the n-digit decimals of that decade nearest below and above the value, each in
// both notations. The nearest decimal of a decade and digit count that reads back is one of
// those two, and an n-digit text has at least n characters: past the best length nothing shorter
// comes. Of the texts that read back: the fewest characters, then the nearest to the value, an
// exact tie to the even digits on the finer grid of the two, then fixed before scientific.
inline std::string ReferenceShortestText(const FloatFormat& f, Bits128 pattern) {
    const Bits128 sign = Bits128{1} << (f.TotalBits - 1);
    const mpq_class value = ValueOf(f, pattern & ~sign);
    const auto tens = [](long k) { return mpz_class(PowerOfTen(k)); };
    // A text's distance from the value is Distance / Scale (integers: GMP's rationals would
    // reduce every fraction, and most texts are never compared).
    struct Text { std::string Chars; mpz_class Digits; long Exponent; mpz_class Distance, Scale; };
    std::optional<Text> best;
    enum Rank { Worse, Better, Unsettled };
    const auto rank = [&](const Text& t) {
        if (!best) return Better;
        if (t.Chars.size() != best->Chars.size()) return t.Chars.size() < best->Chars.size() ? Better : Worse;
        const int nearer = cmp(t.Distance * best->Scale, best->Distance * t.Scale);
        if (nearer != 0) return nearer < 0 ? Better : Worse;
        const long grid = std::min(t.Exponent, best->Exponent);
        const mpz_class a = t.Digits * tens(t.Exponent - grid), b = best->Digits * tens(best->Exponent - grid);
        if (a == b) return Worse;  // the same decimal: its fixed text came first
        return a % 2 == b % 2 ? Unsettled : a % 2 == 0 ? Better : Worse;
    };
    long decade = std::ssize(value.get_num().get_str()) - std::ssize(value.get_den().get_str());  // then made exact
    for (; PowerOfTen(decade) > value; --decade) {}
    for (; PowerOfTen(decade + 1) <= value; ++decade) {}
    for (long n = 1; !best || n <= static_cast<long>(best->Chars.size()); ++n) {
        const mpz_class lowest = tens(n - 1), highest = tens(n) - 1;  // n-digit values
        for (long e = decade - 1; e <= decade + 1; ++e) {
            const long exponent = e - n + 1;
            // value / 10^exponent = a / b; digits * 10^exponent - value = (digits * b - a) / scale
            const mpz_class shift = tens(std::max(0L, -exponent)), scale = value.get_den() * shift;
            const mpz_class a = value.get_num() * shift, b = value.get_den() * tens(std::max(0L, exponent));
            const mpz_class down = a / b, up = down * b == a ? down : down + 1;
            for (mpz_class digits : {down, up}) {
                digits = std::clamp(digits, lowest, highest);
                for (const bool scientific : {false, true}) {
                    Text t{ToCharsStyle(digits, exponent, scientific), digits, exponent, abs(digits * b - a), scale};
                    for (; t.Digits % 10 == 0; t.Digits /= 10) ++t.Exponent;
                    const Rank r = rank(t);
                    if (r == Worse || ReadBack(f, t.Chars) != (pattern & ~sign)) continue;
                    EXPECT_NE(r, Unsettled) << "a tie the even digits cannot settle: " << t.Chars << " " << best->Chars;
                    best = t;
                }
            }
        }
    }
    return ((pattern & sign) != 0 ? "-" : "") + best->Chars;
}

}  // namespace pexabit::testing
