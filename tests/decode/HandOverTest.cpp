// The hex buttons hand the exact value of a finite pattern over to the convert operation in the
// same state, where the text is recognised as that value: its check and normalisation are
// skipped, the decoded format keeps its fields and texts, and its differences come from
// identities. Everything must still be what converting the same text in a fresh state gives,
// where the text is checked, normalised and read like any typed number.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

std::string Hex(std::uint64_t bits, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, bits >>= 4) out[static_cast<std::size_t>(i)] = Digits[bits & 15];
    return out;
}

// Every field the report and the views read, side by side; "" when they agree.
std::string Disagreement(const ConversionState& a, const ConversionState& b) {
    const std::string ConversionState::*texts[] = {
        &ConversionState::OriginalNumber,     &ConversionState::SingleHex,
        &ConversionState::DoubleHex,          &ConversionState::SingleMantissaHex,
        &ConversionState::DoubleMantissaHex,  &ConversionState::SingleMantissaBits,
        &ConversionState::DoubleMantissaBits, &ConversionState::SingleBinary,
        &ConversionState::SingleBinarySci,    &ConversionState::SingleExact,
        &ConversionState::SingleExactSci,     &ConversionState::DoubleBinary,
        &ConversionState::DoubleBinarySci,    &ConversionState::DoubleExact,
        &ConversionState::DoubleExactSci};
    for (const auto text : texts) {
        if (a.*text != b.*text) return "text " + (a.*text).substr(0, 60) + " vs " + (b.*text).substr(0, 60);
    }
    if (a.SingleBytes != b.SingleBytes || a.DoubleBytes != b.DoubleBytes) return "bytes";
    if (a.SingleSign != b.SingleSign || a.DoubleSign != b.DoubleSign) return "sign";
    if (a.SingleExponent != b.SingleExponent || a.DoubleExponent != b.DoubleExponent) return "exponent";
    if (a.SingleMantissaBytes != b.SingleMantissaBytes || a.DoubleMantissaBytes != b.DoubleMantissaBytes) {
        return "mantissa bytes";
    }
    if (a.SingleOverflow != b.SingleOverflow || a.DoubleOverflow != b.DoubleOverflow) return "overflow";
    return "";
}

std::string Disagreement(const ControlTexts& a, const ControlTexts& b) {
    if (a.size() != b.size()) return "report length";
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Control != b[i].Control || a[i].Text != b[i].Text) return "report " + a[i].Control;
    }
    return "";
}

// Decodes `pattern` in a state that has just converted `before`, converts the handed-over text
// there and in a fresh state; "" when both give the same.
std::string HandOver(PatternFormat format, const std::string& pattern, const std::string& before) {
    ConversionState state;
    if (!before.empty()) ConvertDecimal(state, before, ViewChoice{}, ".", nullptr);
    const DecodeOutcome decoded = DecodeHexPattern(state, format, pattern);
    if (decoded.Special) return "";
    const ConvertOutcome handed = ConvertDecimal(state, decoded.ExactText, ViewChoice{}, ".", nullptr);
    ConversionState fresh;
    const ConvertOutcome typed = ConvertDecimal(fresh, decoded.ExactText, ViewChoice{}, ".", nullptr);
    if (!handed.Accepted || !typed.Accepted) return pattern + ": refused";
    std::string why = Disagreement(state, fresh);
    if (why.empty()) why = Disagreement(handed.Report, typed.Report);
    return why.empty() ? "" : pattern + " after " + (before.empty() ? "nothing" : before) + ": " + why;
}

struct Case {
    PatternFormat Format;
    std::string Pattern;
    const char* Reason;
};

constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;

const Case Cases[] = {
    {D, "3FB999999999999A", "0,1: both formats normal, every difference computed"},
    {D, "0000000000000001", "smallest subnormal: the Single is zero"},
    {D, "8000000000000000", "negative zero: equal bytes in both formats"},
    {D, "7FEFFFFFFFFFFFFF", "largest Double: the Single overflows"},
    {D, "47EFFFFFE0000000", "largest Single exactly: both formats hold the same value"},
    {D, "47EFFFFFF0000000", "halfway to the Single's overflow: rounds up to infinity"},
    {D, "3690000000000001", "just above half the smallest Single subnormal"},
    {S, "3DCCCCCD", "a Single's value is a Double too: the Double is recognised by its text"},
    {S, "00000001", "smallest Single subnormal"},
    {S, "FF7FFFFF", "most negative finite Single"},
};

// The state's earlier conversion decides which formats keep their texts: none, the zeros, or
// the very same Single.
const char* const Before[] = {"", "0", "-0", "0.1", "1e39"};

TEST(HandOverTest, TableAfterEarlierConversions) {
    for (const Case& c : Cases) {
        for (const char* before : Before) EXPECT_EQ(HandOver(c.Format, c.Pattern, before), "") << c.Reason;
    }
}

TEST(HandOverTest, RandomPatternsInOneState) {
    std::mt19937_64 random(7);  // fixed seed: the same patterns every run
    for (int i = 0; i < 1500; ++i) {
        const std::uint64_t bits = random();
        ASSERT_EQ(HandOver(D, Hex(bits, 16), "0"), "");
        ASSERT_EQ(HandOver(S, Hex(bits >> 32, 8), "0.1"), "");
    }
}

}  // namespace
}  // namespace pexabit
