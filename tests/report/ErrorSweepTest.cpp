// The error and the relative error against GMP: random decimal and hex float texts of every
// size, in every format and rounding mode. The stored value is taken from the exact text (which
// the read-back sweep proves to be the stored value); typed minus stored must be the error
// exactly, and the relative error its quotient by the typed value correctly rounded to 17 digits.
// Values too long to write out: errors counted instead, against GMP where it holds them, and
// beyond it against MPFR.
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <map>
#include <random>

#include "../format/RoundingReference.h"

#include "arith/WideInteger.h"
#include "report/ExactError.h"
#include "report/FarError.h"
#include "report/FormatReport.h"

namespace pexabit {
namespace {

// x to 17 significant digits, nearest with ties to even, as the report writes it: MPFR's "%.16Re".
std::string SeventeenDigits(mpfr_srcptr x) {
    char* text = nullptr;
    mpfr_asprintf(&text, "%.16Re", x);
    const std::string result(text);
    mpfr_free_str(text);
    return result;
}

// q held in 2048 bits (a quotient that close to a tie without being one is out of reach of the
// sweep; TiesAndCarries has the ties).
std::string SeventeenDigits(const mpq_class& q) {
    if (q == 0) return "0";
    mpfr_t x;
    mpfr_init2(x, 2048);
    mpfr_set_q(x, q.get_mpq_t(), MPFR_RNDN);
    const std::string result = SeventeenDigits(x);
    mpfr_clear(x);
    return result;
}

// The plain text of a rational with a finite decimal expansion: "-0.25", "3", "0".
std::string Plain(const mpq_class& q) {
    std::string text = testing::ToDecimalString(q, q < 0 ? '-' : '+');
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ",0") == 0) text.resize(text.size() - 2);
    std::replace(text.begin(), text.end(), ',', '.');
    return text[0] == '+' ? text.substr(1) : text;
}

// Decimal texts of 1 to 40 digits with exponents over every format's range and beyond, and
// hex floats of up to 40 hex digits, some of up to 300 (their p exponents three times as large).
testing::Sample MakeText(std::mt19937_64& random) {
    const bool hex = random() % 4 == 0;
    const int length = 1 + static_cast<int>(random() % (hex && random() % 4 == 0 ? 300 : 40));
    std::string digits;
    for (int i = 0; i < length; ++i) digits += "0123456789abcdef"[random() % (hex ? 16 : 10)];
    // One in eight far below every format, where the error's plain form passes 10,000 characters.
    const long exponent = random() % 8 == 0 ? -10000 - static_cast<long>(random() % 3000)
                                            : static_cast<long>(random() % 10000) - 5000;
    return testing::MakeSample(mpz_class(digits, hex ? 16 : 10), hex ? exponent * 3 : exponent, random() % 2 == 1, hex);
}

TEST(ErrorSweep, TypedMinusStoredExactlyAndItsRelativeSize) {
    std::mt19937_64 random(2024);
    ReportRequest request{{AllFormats.begin(), AllFormats.end()}, RoundingMode::NearestEven, false, false};
    InputReport report;
    for (int i = 0; i < 200; ++i) {
        const testing::Sample t = MakeText(random);
        request.Mode = static_cast<RoundingMode>(random() % 5);
        BuildReport(t.Text, request, report);
        ASSERT_TRUE(report.Refusal.empty()) << t.Text << ": " << report.Refusal;
        for (const FormatReport& r : report.Formats) {
            if (!r.Error) continue;
            const mpq_class error = t.Value - testing::ReadPlain(r.Exact);
            const std::string plain = Plain(error);
            if (plain.size() <= MaxPlainErrorLength) {
                EXPECT_EQ(*r.Error, plain) << t.Text << " in " << r.Format->Name;
            } else {  // scientific, every significant digit and no more
                EXPECT_EQ(testing::ReadPlain(*r.Error), error) << t.Text << " in " << r.Format->Name;
                EXPECT_EQ(r.Error->find("0e"), std::string::npos) << *r.Error;
            }
            EXPECT_EQ(r.RelativeError, t.Value == 0 ? std::nullopt : std::optional(SeventeenDigits(error / t.Value)))
                << t.Text << " in " << r.Format->Name;
        }
    }
}

// The plain form up to MaxPlainErrorLength characters, sign and point counted, and scientific one
// character beyond: an error of integer digits has no point to count.
TEST(ErrorText, PlainUpToTheBoundAndScientificBeyond) {
    const std::size_t n = MaxPlainErrorLength;
    // "+I,F" with I and F runs of sevens ("0" for an empty run).
    const auto Sevens = [](std::size_t integer, std::size_t fraction) {
        std::string d = "+";
        d.append(integer == 0 ? "0" : std::string(integer, '7')).append(",");
        return d.append(fraction == 0 ? "0" : std::string(fraction, '7'));
    };
    const struct {
        std::string Difference;
        bool TypedNegative;
        bool Plain;
        const char* Tail;  // how the scientific form ends: its exponent
        const char* Reason;
    } rows[] = {
        {Sevens(n, 0), false, true, "", "an integer of exactly the bound: no point to count"},
        {Sevens(n + 1, 0), false, false, "7e+10000", "an integer one digit beyond"},
        {Sevens(n - 1, 0), true, true, "", "the minus sign of a negative typed value counts"},
        {Sevens(n, 0), true, false, "7e+9999", "... and tips the bound"},
        {Sevens(0, n - 2), false, true, "", "a fraction: the 0 and the point count"},
        {Sevens(0, n - 1), false, false, "7e-1", "a fraction one digit beyond"},
        {Sevens(1, n), false, false, "7e+0", "one integer digit: the exponent 0 keeps its plus"},
    };
    for (const auto& row : rows) {
        std::string out;
        WriteErrorText(row.Difference, row.TypedNegative, out);
        EXPECT_EQ(out.find('e') == std::string::npos, row.Plain) << row.Reason;
        EXPECT_EQ(out.size() <= n, row.Plain) << row.Reason;
        EXPECT_TRUE(out.ends_with(row.Tail)) << row.Reason;
    }
}

// 10^k, each made once: the reference below needs the same few of millions of digits again.
const mpz_class& TenTo(long k) {
    static std::map<long, mpz_class> made;
    auto [at, isNew] = made.try_emplace(k);
    if (isNew) mpz_ui_pow_ui(at->second.get_mpz_t(), 10, static_cast<unsigned long>(k));
    return at->second;
}

// m * radix^e * 10^places, an integer for places >= -e, radix 2 or 10.
mpz_class TimesTenTo(const mpz_class& m, long e, bool binary, long places) {
    if (!binary) return m * TenTo(e + places);
    if (e >= 0) return (m << static_cast<unsigned long>(e)) * TenTo(places);
    return m * (TenTo(-e) >> static_cast<unsigned long>(-e)) * TenTo(places + e);  // 2^e = 5^-e / 10^-e
}

// A decimal text of the report times 10^places, plain or scientific, as an integer (no fraction
// reduced: it may have millions of digits).
mpz_class TimesTenTo(std::string text, long places) {
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        places += std::stol(text.substr(e + 1));
        text.erase(e);
    }
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
        places -= static_cast<long>(text.size() - dot - 1);
        text.erase(dot, 1);
    }
    return mpz_class(text) * TenTo(places);
}

// The significant digits of the integer n, by GMP alone: its length less its trailing zeros.
long SignificantDigits(mpz_class n) {
    auto length = static_cast<long>(mpz_sizeinbase(n.get_mpz_t(), 10));  // exact or one more
    if (abs(n) < TenTo(length - 1)) --length;
    for (; mpz_divisible_ui_p(n.get_mpz_t(), 10) != 0; --length) n /= 10;
    return length;
}

// h with h 2^e - (2^53 - 1) 2^971 divisible by 5^30: the largest double's error then ends 30
// places up, past the first 27 fives its last digit is looked for in.
mpz_class DividedByFiveToThe30(long e) {
    const mpz_class modulus = testing::PowerOfTen(30).get_num() >> 30, s = (mpz_class(1) << 53) - 1;
    mpz_class power, inverse;
    mpz_powm_ui(power.get_mpz_t(), mpz_class(2).get_mpz_t(), static_cast<unsigned long>(e - 971), modulus.get_mpz_t());
    mpz_invert(inverse.get_mpz_t(), power.get_mpz_t(), modulus.get_mpz_t());
    return s * inverse % modulus;
}

// Typed values whose plain text passes what is written out, on both sides of every format, in
// the modes that store zero or the smallest value below and the largest value or an infinity
// above: an error of at most 4 MiB of significant digits written, a longer one counted.
TEST(ErrorSweep, ValuesTooLongToWriteOut) {
    const long farAbove = 971 + (1L << 24) + 1;
    const struct { mpz_class Digits; long Exponent; bool Hex; const char* Reason; } rows[] = {
        {1, -4300000, false, "decimal below: the typed value itself, or counted"},
        {mpz_class(std::string(2200000, '7')), -4300000, false, "2,200,000 digits below: their ratio's dividend written whole"},
        {mpz_class(std::string(4194304, '7')), -4199304, false, "an error of exactly 4 MiB of digits: still written out"},
        {325, 4299998, false, "decimal above, the last digit the largest value's"},
        {3, 14299999, true, "hex above, near enough to subtract in binary"},
        {5, -6100000, true, "hex below, subtracted in binary; 5^6100001 counted"},
        {1, -17000000, true, "hex far below: the exponent decides"},
        {3, 17000000, true, "hex far above"},
        {DividedByFiveToThe30(farAbove), farAbove, true, "30 fives in the difference"},
    };
    InputReport report;
    for (const auto& row : rows) {
        const testing::Sample typed = testing::MakeSample(row.Digits, row.Exponent, false, row.Hex);
        const mpq_class& t = typed.Value;
        for (const RoundingMode mode : {RoundingMode::TowardZero, RoundingMode::Up}) {
            BuildReport(typed.Text, {{AllFormats.begin(), AllFormats.end()}, mode, false, false}, report);
            for (const FormatReport& r : report.Formats) {
                if (!r.Error && !r.ErrorTooLong) continue;  // no finite value stored
                // typed - stored, times 10^places: an integer.
                const long places = std::max({0L, -row.Exponent, -static_cast<long>(r.Value.Exponent)});
                const mpz_class n = TimesTenTo(row.Digits, row.Exponent, row.Hex, places) -
                                    TimesTenTo(testing::ToMpz(r.Value.Significand), r.Value.Exponent, true, places);
                const mpq_class s = testing::ReadPlain(r.Exact);
                const long digits = SignificantDigits(n);
                const std::string where = std::string(r.Format->Name) + " " + std::string(RoundingModeName(mode)) + ": " + row.Reason;
                if (digits > MaxExactDigits) {
                    EXPECT_TRUE(!r.Error && r.ErrorDigits == WideInteger(digits)) << where;
                } else {
                    EXPECT_EQ(TimesTenTo(r.Error.value_or("0"), places), n) << where;
                }
                EXPECT_EQ(r.RelativeError, SeventeenDigits(1 - s / t)) << where;
            }
        }
    }
}

// Hex floats of far exponents against MPFR with its widest exponents: below the formats (2^-K),
// the count of 5^K's digits or those from the smallest value's first to 2^-K's last, and the
// relative error 1 - s 2^(q+K); above them (-3 2^(K-1)), from its first digit to the largest
// value's last nonzero one.
TEST(ErrorSweep, HexExponentsFarBeyondTheFormats) {
    constexpr long K = 99999999999;
    const mpfr_exp_t savedMin = mpfr_get_emin(), savedMax = mpfr_get_emax();
    mpfr_set_emin(mpfr_get_emin_min());
    mpfr_set_emax(mpfr_get_emax_max());
    mpfr_t x, fives;
    mpfr_inits2(256, x, fives, static_cast<mpfr_ptr>(nullptr));
    const auto place = [&](const mpz_class& m, long e) {  // floor(log10(m 2^e))
        mpfr_set_z_2exp(x, m.get_mpz_t(), e, MPFR_RNDN);
        mpfr_log10(x, x, MPFR_RNDN);
        return WideInteger(mpfr_get_si(x, MPFR_RNDD));
    };
    const auto ratio = [&](const mpz_class& m, long e) {  // 1 - m 2^e
        mpfr_set_z_2exp(x, m.get_mpz_t(), e, MPFR_RNDN);
        mpfr_ui_sub(x, 1, x, MPFR_RNDN);
        return SeventeenDigits(x);
    };
    mpfr_set_ui(fives, 5, MPFR_RNDN);
    mpfr_log10(fives, fives, MPFR_RNDN);
    mpfr_mul_si(fives, fives, K, MPFR_RNDN);  // 5^K has floor(K log10(5)) + 1 digits
    InputReport below, above;
    for (const RoundingMode mode : {RoundingMode::TowardZero, RoundingMode::Up}) {
        BuildReport("0x1p-" + std::to_string(K), {{AllFormats.begin(), AllFormats.end()}, mode, false, false}, below);
        BuildReport("-0x1.8p" + std::to_string(K), {{AllFormats.begin(), AllFormats.end()}, mode, false, false}, above);
        for (std::size_t i = 0; i < AllFormats.size(); ++i) {
            const FormatReport &b = below.Formats[i], &a = above.Formats[i];
            const mpz_class s = testing::ToMpz(b.Value.Significand);
            const WideInteger digits = s == 0 ? WideInteger(mpfr_get_si(fives, MPFR_RNDD)) + 1 : place(s, b.Value.Exponent) + K + 1;
            EXPECT_EQ(b.ErrorDigits, digits) << b.Format->Name;
            EXPECT_EQ(b.RelativeError, s == 0 ? "1.0000000000000000e+00" : ratio(s, b.Value.Exponent + K)) << b.Format->Name;
            // The largest value s 2^q: 3 2^(K-1) - s 2^q = 2^q (3 2^(K-1-q) - s) ends in min(q, its fives) zeros.
            const long q = a.Value.Exponent;
            const mpz_class fives = testing::PowerOfTen(q).get_num() >> q;
            mpz_class rest;
            mpz_powm_ui(rest.get_mpz_t(), mpz_class(2).get_mpz_t(), static_cast<unsigned long>(K - 1 - q), fives.get_mpz_t());
            rest = (3 * rest - testing::ToMpz(a.Value.Significand)) % fives;
            const long zeros = rest == 0 ? q : static_cast<long>(mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t()));
            EXPECT_EQ(a.ErrorDigits, place(3, K - 1) - zeros + 1) << a.Format->Name;
        }
    }
    mpfr_clears(x, fives, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_emin(savedMin);
    mpfr_set_emax(savedMax);
}

// Quotients exactly on a rounding boundary, where the leading digits of long operands cannot
// decide and where rounding up carries into a new digit.
TEST(RelativeError, TiesAndCarries) {
    const struct {
        const char* Difference;
        const char* Typed;
        const char* Expected;
        const char* Reason;
    } rows[] = {
        {"+1,00000000000000015000000000000000000000000000000000000000000100000000000000015",
         "+1,000000000000000000000000000000000000000000000000000000000001", "1.0000000000000002e+00",
         "a tie to even hidden behind 60 digits: the leading digits alone round it down"},
        {"+1,000000000000000149999999999999999999999999999999999999999999", "+1,0", "1.0000000000000001e+00",
         "a hair below a tie: the leading digits rounded up would make it the tie"},
        {"+0,00000000000000000001", "+0,99999999999999999999999999999999999999999999999999", "1.0000000000000000e-20",
         "the bound above fifty nines carries into a new digit"},
        {"-9,99999999999999995", "+1,0", "-1.0000000000000000e+01", "rounding up carries into a new digit"},
        {"+0,0000000000000000000003", "+3,0", "1.0000000000000000e-22", "a small quotient's exponent"},
        {"+0,0000000003", "+3,0", "1.0000000000000000e-10", "the smallest exponent of two digits, not padded"},
        {"+9,9999999999999999999999999999999999999", "+1,0000000000000000001", "1.0000000000000000e+01",
         "a 20-digit divisor: the 38-digit dividend at its largest in a 128-bit word"},
        {"+9,999999999999999999999999999999999999999", "+1,00000000000000000001", "1.0000000000000000e+01",
         "a 21-digit divisor: a 39-digit dividend overflows a 128-bit word and needs the big integers"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RelativeErrorText(row.Difference, row.Typed), std::optional<std::string>(row.Expected)) << row.Reason;
    }
}

// A typed value far below a stored one: the distance k between their last digits can pass 64
// bits, and no part of it may be lost on the way to the exponent.
TEST(RelativeError, FarBelowAtDistancesPast64Bits) {
    const struct { const char* Stored; const char* K; const char* Typed; const char* Expected; const char* Reason; } rows[] = {
        {"1", "18446744073709551658", "1", "-1.0000000000000000e+18446744073709551658",
         "2^64 + 42: its low 64 bits alone would fit the digits written out"},
        {"5", "43", "3", "-1.6666666666666667e+43", "k = 2n + 41, one past the digits written out: 5e43 / 3"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FarBelowRelativeText(row.Stored, WideInteger::FromDigits(false, row.K), row.Typed), row.Expected) << row.Reason;
    }
}

}  // namespace
}  // namespace pexabit
