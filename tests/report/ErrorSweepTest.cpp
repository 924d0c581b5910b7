// The error and the relative error against GMP: random decimal and hex float texts of every
// size, in every format and rounding mode. The stored value is taken from the exact text (which
// the read-back sweep proves to be the stored value); typed minus stored must be the error
// exactly, and the relative error its quotient by the typed value correctly rounded to 17 digits.
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <random>

#include "../format/RoundingReference.h"

#include "report/ExactError.h"
#include "report/FormatReport.h"

namespace pexabit {
namespace {

// q to 17 significant digits, nearest with ties to even, as the report writes it: MPFR's "%.16Re"
// of q held in 2048 bits (a quotient that close to a tie without being one is out of reach of
// the sweep; TiesAndCarries has the ties).
std::string SeventeenDigits(const mpq_class& q) {
    if (q == 0) return "0";
    mpfr_t x;
    mpfr_init2(x, 2048);
    mpfr_set_q(x, q.get_mpq_t(), MPFR_RNDN);
    char* text = nullptr;
    mpfr_asprintf(&text, "%.16Re", x);
    const std::string result(text);
    mpfr_free_str(text);
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
    const struct {
        std::string Difference;
        bool TypedNegative;
        bool Plain;
        const char* Reason;
    } rows[] = {
        {"+" + std::string(n, '7') + ",0", false, true, "an integer of exactly the bound: no point to count"},
        {"+" + std::string(n + 1, '7') + ",0", false, false, "an integer one digit beyond"},
        {"+" + std::string(n - 1, '7') + ",0", true, true, "the minus sign of a negative typed value counts"},
        {"+" + std::string(n, '7') + ",0", true, false, "... and tips the bound"},
        {"+0," + std::string(n - 2, '7'), false, true, "a fraction: the 0 and the point count"},
        {"+0," + std::string(n - 1, '7'), false, false, "a fraction one digit beyond"},
    };
    for (const auto& row : rows) {
        std::string out;
        WriteErrorText(row.Difference, row.TypedNegative, out);
        EXPECT_EQ(out.find('e') == std::string::npos, row.Plain) << row.Reason;
        EXPECT_EQ(out.size() <= n, row.Plain) << row.Reason;
    }
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
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RelativeErrorText(row.Difference, row.Typed), std::optional<std::string>(row.Expected)) << row.Reason;
    }
}

}  // namespace
}  // namespace pexabit
