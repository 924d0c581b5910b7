// Every pattern of half, bfloat16, e5m2 and e4m3, and random patterns of the wide formats,
// through the report: its exact texts (base 10 and base 2) and its ulp are, read by GMP, the
// stored value and its last bit's weight exactly. Its shortest and hex-float texts are the
// formatters' own, swept in tests/format. Last, the reading of patterns with separators.
#include <gtest/gtest.h>

#include <random>

#include "../format/TextReference.h"
#include "report/FormatReport.h"
#include "report/PatternFields.h"
#include "report/PatternInput.h"

namespace pexabit {
namespace {

using testing::ReadPlain;

struct Sweep {
    const FloatFormat* Format;
    int RandomCount;  // 0: every pattern
};

void CheckFormatReport(const FloatFormat& f, const FormatReport& r) {
    const StoredValue& v = r.Value;
    const std::string where = std::string(f.Name) + " " + testing::ToMpz(v.Pattern).get_str(16);
    if (v.Class == ValueClass::Noncanonical) return;  // the rules of those are rows of their own
    if (!HasFiniteValue(v)) {
        const bool infinite = v.Class == ValueClass::Infinite;
        const std::string expected = infinite ? (v.Negative ? "-inf" : "inf") : "nan";
        EXPECT_TRUE(r.Exact == expected && r.ExactBinary == expected) << where;
        EXPECT_EQ(r.Shortest, infinite ? std::optional(expected) : std::nullopt) << where;
        EXPECT_EQ(r.HexFloat, infinite ? std::optional(expected) : std::nullopt) << where;
        return;
    }
    // The exact texts in base 10 and 2: the stored value's sign and its value exactly.
    for (const auto& [text, base] : {std::pair{r.Exact, 10}, std::pair{r.ExactBinary, 2}}) {
        EXPECT_TRUE((text[0] == '-') == v.Negative && ReadPlain(text, base) == testing::ValueOf(f, v.Pattern))
            << where << " base " << base << ": " << text;
    }
    ASSERT_TRUE(r.Ulp) << where;
    EXPECT_EQ(ReadPlain(*r.Ulp), testing::PowerOfTwo(v.Exponent)) << where << " ulp " << *r.Ulp;
}

class ReadBackSweep : public ::testing::TestWithParam<Sweep> {};

TEST_P(ReadBackSweep, ExactTextsAndUlpAreTheValue) {
    const FloatFormat& f = *GetParam().Format;
    std::mt19937_64 random(97);
    const bool every = GetParam().RandomCount == 0;
    const std::uint64_t count = every ? std::uint64_t{1} << f.TotalBits : static_cast<std::uint64_t>(GetParam().RandomCount);
    FormatReport report;
    for (std::uint64_t i = 0; i < count; ++i) {
        const Bits128 pattern = every ? Bits128{i} : MakeBits128(random(), random()) & LowBits(f.TotalBits);
        DescribeStoredValue(f, DecodePattern(f, pattern), report);
        CheckFormatReport(f, report);
        if (::testing::Test::HasFailure()) return;  // one pattern's failure says it all
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ReadBackSweep,
                         ::testing::Values(Sweep{&HalfFormat, 0}, Sweep{&Bfloat16Format, 0}, Sweep{&E5M2Format, 0},
                                           Sweep{&E4M3Format, 0}, Sweep{&SingleFormat, 3000},
                                           Sweep{&DoubleFormat, 3000}, Sweep{&ExtendedFormat, 600},
                                           Sweep{&QuadFormat, 300}),
                         [](const auto& info) { return std::string(info.param.Format->Name); });

// Patterns as dumps give them: bytes separated by blanks, ':', '_', '-' or ',', each with its own
// 0x or none, in both byte orders; and the separations refused, with what is wrong.
TEST(PatternInput, SeparatedBytesAndTheirRefusals) {
    const struct {
        const char *Text, *Expected, *Reason;  // a double pattern (least significant byte first where "le") or the error
    } rows[] = {
        {"le 9a 99 99 99 99 99 b9 3f", "3FB999999999999A", "a dump's bytes, least significant first"},
        {"0x3f:0xb9:0x99:0x99:0x99:0x99:0x99:0x9a", "3FB999999999999A", "each byte with its 0x"},
        {"le 0x9a, 0x99, 0x99, 0x99,0x99, 0x99, 0xb9 ,0x3f", "3FB999999999999A", "a C array: blanks around the mark"},
        {"3fb9_9999\t9999_999a", "the separators differ: '_' at position 5, blanks at position 10; use one kind between all the bytes", "mixed kinds"},
        {"3FB9  9999\t 9999 999A", "3FB999999999999A", "runs of blanks and tabs, groups of whole bytes"},
        {"3FB 999999999999A", "a group of 3 hex digits at position 1: separators stand only between whole bytes, 2 hex digits each", "a byte split"},
        {"3fb9 9999 9999 999a a", "a group of 1 hex digits at position 21: separators stand only between whole bytes, 2 hex digits each", "a last half byte"},
        {"3fb9 9999 9999 999a 00", "a double pattern has 16 hex digits, not 18", "the digits of all groups counted"},
    };
    for (const auto& row : rows) {
        const std::string_view text = row.Text;
        const bool le = text.substr(0, 3) == "le ";
        const PatternText read = ReadPatternText(DoubleFormat, le ? text.substr(3) : text, le);
        std::string actual = read.Error;
        for (int shift = 60; read.Pattern && shift >= 0; shift -= 4) actual += "0123456789ABCDEF"[static_cast<int>((*read.Pattern >> shift) & 0xF)];
        EXPECT_EQ(actual, row.Expected) << row.Reason << ": " << row.Text;
    }
}

}  // namespace
}  // namespace pexabit
