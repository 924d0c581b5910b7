#pragma once
// MPFR as the independent reader of the report's texts: a text read into any format, correctly
// rounded to nearest-even with the format's subnormals and overflow, and the pattern it gives.
#include <gmpxx.h>
#include <mpfr.h>

#include <algorithm>

#include <string>

#include "format/StoredValue.h"

namespace pexabit::testing {

struct MpfrRead {
    Bits128 Pattern = 0;
    bool Exact = false;  // the text's value is the stored value itself
};

// The format's exponent range in MPFR's terms (significands in [1/2, 1)): the largest finite
// value is below 2^(emax+1), the smallest subnormal is 2^MinQuantumExponent.
class MpfrFormatRange {
public:
    explicit MpfrFormatRange(const FloatFormat& f) : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        mpfr_set_emin(f.MinQuantumExponent() + 1);
        mpfr_set_emax(f.MaxExponent() + 1);
    }
    ~MpfrFormatRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }

private:
    mpfr_exp_t emin_, emax_;
};

// The pattern of a value of at most Precision bits within the format's range (x may be 0 or inf).
inline Bits128 PatternOf(const FloatFormat& f, mpfr_t x) {
    const bool negative = mpfr_signbit(x) != 0;
    if (mpfr_inf_p(x)) return ComposePattern(f, negative, f.AllOnesExponent, true, f.HasInfinities() ? 0 : LowBits(f.FractionBits));
    if (mpfr_zero_p(x)) return ComposePattern(f, negative, 0, false, 0);
    const long leading = mpfr_get_exp(x) - 1;  // weight of the leading bit
    const long quantum = std::max<long>(leading - f.FractionBits, f.MinQuantumExponent());
    mpz_class m;
    const long e = mpfr_get_z_2exp(m.get_mpz_t(), x);  // x = m * 2^e
    m = abs(m);
    if (e > quantum) m <<= static_cast<mp_bitcnt_t>(e - quantum);
    else m >>= static_cast<mp_bitcnt_t>(quantum - e);
    const mpz_class high = m >> 64, low = m - (high << 64);
    const Bits128 significand = MakeBits128(mpz_get_ui(high.get_mpz_t()), mpz_get_ui(low.get_mpz_t()));
    return FromSignificand(f, negative, significand, static_cast<int>(quantum)).Pattern;
}

// Reads `text` (decimal, "0x" hex float with a "p" exponent, or with base 2 a binary text) into
// the format under nearest-even; an e4m3 result beyond 448 is its NaN.
inline MpfrRead ReadWithMpfr(const FloatFormat& f, const std::string& text, int base = 0) {
    const MpfrFormatRange range(f);
    mpfr_t x;
    mpfr_init2(x, f.Precision());
    char* end = nullptr;
    int ternary = mpfr_strtofr(x, text.c_str(), &end, base, MPFR_RNDN);
    ternary = mpfr_check_range(x, ternary, MPFR_RNDN);
    ternary = mpfr_subnormalize(x, ternary, MPFR_RNDN);
    MpfrRead r;
    r.Exact = ternary == 0 && *end == '\0' && !mpfr_inf_p(x);
    r.Pattern = PatternOf(f, x);
    const Bits128 nan = ComposePattern(f, mpfr_signbit(x) != 0, f.AllOnesExponent, true, LowBits(f.FractionBits));
    if (!f.HasInfinities() && (mpfr_inf_p(x) || r.Pattern == nan)) {
        r.Pattern = nan;  // beyond e4m3's 448: its NaN
        r.Exact = false;
    }
    mpfr_clear(x);
    return r;
}

}  // namespace pexabit::testing
