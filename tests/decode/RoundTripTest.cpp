// Finite patterns of both formats: decoding gives GMP's exact value, and that value typed back
// gives the very pattern. The hex buttons hand the value over to the convert operation in the
// same state, where it is recognised and its texts reused: everything must still be what a
// fresh conversion of the same text gives.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "GmpReference.h"
#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"
#include "encode/Encoding.h"

namespace pexabit {
namespace {

constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;

// Decodes, checks the exact value against GMP, converts it in a fresh state; "" when the
// very pattern and value come back.
std::string RoundTrip(PatternFormat format, std::uint64_t bits) {
    const std::string pattern = testing::HexOf(bits, format == S ? 8 : 16);
    ConversionState state;
    const DecodeOutcome decoded = DecodeHexPattern(state, format, pattern);
    const std::string reference = testing::ExactDecimal(
        format == S ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))
                    : std::bit_cast<double>(bits));
    if (decoded.Special || decoded.ExactText != reference) {
        return pattern + ": exact value " + decoded.ExactText.substr(0, 80) + " vs GMP " + reference.substr(0, 80);
    }
    // A fresh state: the text is read and rounded anew, not recognised as the decoded value.
    ConversionState fresh;
    const EncodeResult converted = EncodeNumber(fresh, decoded.ExactText, nullptr);
    const std::string& back = format == S ? fresh.SingleHex : fresh.DoubleHex;
    const std::string& exactBack = format == S ? fresh.SingleExact : fresh.DoubleExact;
    if (!converted.Accepted || back != pattern || exactBack != reference || converted.NumericPrefix != reference) {
        return pattern + ": converted back to " + back;
    }
    return "";
}

// Every 997th binary32 pattern (4.3 million), in shards that ctest runs side by side: shard k
// takes the patterns k * Step, (k + Shards) * Step, ...
constexpr std::uint64_t Shards = 8;

class SingleSweep : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(SingleSweep, EveryNineHundredNinetySeventhSingle) {
    constexpr std::uint64_t Step = 997, ExponentMask = 0x7F800000;
    int checked = 0;
    for (std::uint64_t bits = GetParam() * Step; bits <= 0xFFFFFFFF; bits += Step * Shards) {
        if ((bits & ExponentMask) == ExponentMask) continue;  // infinities and NaNs: no value
        ASSERT_EQ(RoundTrip(S, bits), "");
        ++checked;
    }
    EXPECT_GT(checked, 530000);
}
INSTANTIATE_TEST_SUITE_P(Shards, SingleSweep, ::testing::Range<std::uint64_t>(0, Shards));

TEST(RoundTrip, EdgesAndRandomDoubles) {
    // Zeros, the subnormal boundary, the smallest and largest values of both signs.
    for (const std::uint64_t bits : {0x00000000ULL, 0x80000000ULL, 0x00000001ULL, 0x007FFFFFULL, 0x00800000ULL,
                                     0x7F7FFFFFULL, 0xFF7FFFFFULL, 0x4B800001ULL}) {
        EXPECT_EQ(RoundTrip(S, bits), "");
    }
    for (const std::uint64_t bits :
         {0x0000000000000000ULL, 0x8000000000000000ULL, 0x0000000000000001ULL, 0x000FFFFFFFFFFFFFULL,
          0x0010000000000000ULL, 0x7FEFFFFFFFFFFFFFULL, 0x8000000000000001ULL, 0xFFEFFFFFFFFFFFFFULL,
          0x3FF0000000000000ULL, 0x4340000000000000ULL, 0x433FFFFFFFFFFFFFULL}) {
        EXPECT_EQ(RoundTrip(D, bits), "");
    }
    std::mt19937_64 random(20240601);  // fixed seed: the same patterns every run
    for (int checked = 0; checked < 100000;) {
        const std::uint64_t bits = random();
        if ((bits & 0x7FF0000000000000) == 0x7FF0000000000000) continue;
        ASSERT_EQ(RoundTrip(D, bits), "");
        ++checked;
    }
}

// Every text the views read; the report covers the bytes, fields and overflow flags. "" when
// the two states agree.
std::string Disagreement(const ConversionState& a, const ConversionState& b) {
    for (const auto text : {&ConversionState::OriginalNumber, &ConversionState::SingleHex, &ConversionState::DoubleHex,
                            &ConversionState::SingleMantissaHex, &ConversionState::DoubleMantissaHex,
                            &ConversionState::SingleMantissaBits, &ConversionState::DoubleMantissaBits,
                            &ConversionState::SingleBinary, &ConversionState::SingleBinarySci,
                            &ConversionState::SingleExact, &ConversionState::SingleExactSci,
                            &ConversionState::DoubleBinary, &ConversionState::DoubleBinarySci,
                            &ConversionState::DoubleExact, &ConversionState::DoubleExactSci}) {
        if (a.*text != b.*text) return "text " + (a.*text).substr(0, 60) + " vs " + (b.*text).substr(0, 60);
    }
    return "";
}

// Decodes `pattern` in a state that has just converted `before` (none when empty), converts the
// handed-over text there and in a fresh state; "" when both give the same state and report.
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
    const auto lines = [](const ControlTexts& report) {
        std::string all;
        for (const ControlText& t : report) all += t.Control + "=" + t.Text + "\n";
        return all;
    };
    if (why.empty() && lines(handed.Report) != lines(typed.Report)) why = "report";
    return why.empty() ? "" : pattern + " after " + (before.empty() ? "nothing" : before) + ": " + why;
}

TEST(HandOver, TableAfterEarlierConversions) {
    const struct {
        PatternFormat Format;
        std::string Pattern;
        const char* Reason;
    } cases[] = {
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
    // Earlier conversions leave longer or shorter texts, zeros of either sign, an overflowed Single.
    for (const auto& c : cases) {
        for (const char* before : {"", "0", "-0", "0.1", "1e39"}) EXPECT_EQ(HandOver(c.Format, c.Pattern, before), "") << c.Reason;
    }
}

TEST(HandOver, RandomPatternsInOneState) {
    std::mt19937_64 random(7);  // fixed seed: the same patterns every run
    for (int i = 0; i < 1500; ++i) {
        const std::uint64_t bits = random();
        ASSERT_EQ(HandOver(D, testing::HexOf(bits, 16), "0"), "");
        ASSERT_EQ(HandOver(S, testing::HexOf(bits >> 32, 8), "0.1"), "");
    }
}

}  // namespace
}  // namespace pexabit
