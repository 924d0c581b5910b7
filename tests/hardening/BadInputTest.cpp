// A catalogue of bad input for the convert operation (the window's and the command line's) and
// the two hex inputs: each entry with the clear answer it must get and why.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "cli/Operation.h"
#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

using Kind = OperationResult::Kind;
constexpr const char* Refused = "";  // expected hex of a refused text: none

struct DecimalCase {
    std::string Text;
    std::string SingleHex;  // Refused, or the Single the text must give
    std::string DoubleHex;
    const char* Reason;
};

// Test names in the listing show the reason, not the bytes of the case.
void PrintTo(const DecimalCase& c, std::ostream* os) { *os << c.Reason; }

const std::string Megabyte(1 << 20, '7');

const DecimalCase DecimalCases[] = {
    {"", "00000000", "0000000000000000", "the empty text is accepted and is zero"},
    {" ", Refused, Refused, "a blank alone"},
    {" 1", Refused, Refused, "a leading blank is not trimmed away"},
    {"1 ", Refused, Refused, "a trailing blank"},
    {"1 000", Refused, Refused, "a blank as thousands separator"},
    {"\t1", Refused, Refused, "a tab"},
    {"1\n2", Refused, Refused, "a line break between two lines of the box"},
    {"1\r\n", Refused, Refused, "a trailing Windows line end"},
    {std::string("1\0", 2), Refused, Refused, "a NUL byte"},
    {"\xFF", Refused, Refused, "a byte that is not UTF-8"},
    {"1\xE2\x88", Refused, Refused, "the infinity sign cut short"},
    {"\xC0\xB1", Refused, Refused, "an overlong encoding of the digit 1"},
    {"\xEF\xBC\x91", Refused, Refused, "a full-width digit one"},
    {"0x1A", Refused, Refused, "a hex prefix in the decimal box"},
    {"+", "00000000", "0000000000000000", "a sign alone reads as zero"},
    {"-", "00000000", "0000000000000000", "a minus alone reads as zero, as the platform reads it"},
    {",", "00000000", "0000000000000000", "a separator alone reads as zero"},
    {"e", "00000000", "0000000000000000", "an exponent sign alone reads as zero"},
    {"--1", "00000000", "0000000000000000", "a second sign ends the number before any digit"},
    {"1-", "3F800000", "3FF0000000000000", "a sign after the digits ends the number"},
    {"1,2,3", "3F99999A", "3FF3333333333333", "the last comma separates: the number read is 1,2"},
    {"1.5.", "3FC00000", "3FF8000000000000", "a trailing separator after the fraction"},
    {"1e2,5", "42C80000", "4059000000000000", "the exponent reading stops at the comma"},
    {"1E", "3F800000", "3FF0000000000000", "an exponent without digits is 0"},
    {"1e+", "3F800000", "3FF0000000000000", "an exponent of a sign alone is 0"},
    {"\xE2\x88\x9E", "7F800000", "7FF0000000000000", "the infinity sign overflows both formats"},
    {"-\xE2\x88\x9E", "FF800000", "FFF0000000000000", "minus infinity"},
    {"1\xE2\x88\x9E", "3F800000", "3FF0000000000000", "the infinity sign after digits ends the number"},
    {"\xE2\x88\x9E" "1", "00000000", "0000000000000000", "the infinity sign before digits: no number"},
    {"1e32767", "7F800000", "7FF0000000000000", "the largest 16-bit exponent overflows"},
    {"1e32768", "7F800000", "7FF0000000000000", "one beyond 16 bits still overflows cleanly"},
    {"-1e99999", "FF800000", "FFF0000000000000", "far beyond 16 bits, negative"},
    {"1e-32768", "00000000", "0000000000000000", "the smallest 16-bit exponent gives zero"},
    {"-1e-32769", "80000000", "8000000000000000", "beyond 16 bits: a negative zero"},
    {"0e99999", "00000000", "0000000000000000", "zero with a huge exponent stays zero"},
    {"1e99999999", Refused, Refused, "an exponent that would fill memory with zeros is refused"},
    {Megabyte, "7F800000", "7FF0000000000000", "a megabyte of digits overflows"},
    {"0," + Megabyte, "3F471C72", "3FE8E38E38E38E39", "a megabyte of fraction digits: 0,777..."},
    {"1," + std::string(1 << 20, '0') + "1", "3F800000", "3FF0000000000000", "a megabyte of zeros before the last digit"},
};

class BadDecimalInput : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(BadDecimalInput, GetsItsClearAnswer) {
    const DecimalCase& c = GetParam();
    const OperationResult result = RunOperation(c.Text, CliMode{});
    if (c.SingleHex.empty()) {
        EXPECT_EQ(result.Outcome, Kind::Rejected) << c.Reason;
        EXPECT_EQ(result.Error, InvalidNumberMessage) << c.Reason;
        return;
    }
    ASSERT_EQ(result.Outcome, Kind::Converted) << c.Reason;
    EXPECT_EQ(result.State.SingleHex, c.SingleHex) << c.Reason;
    EXPECT_EQ(result.State.DoubleHex, c.DoubleHex) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadDecimalInput, ::testing::ValuesIn(DecimalCases));

// A refused text leaves the previous report as it was, even after an accepted huge text.
TEST(BadDecimalInput, RefusalAfterAHugeTextKeepsItsReport) {
    ConversionState state;
    ASSERT_TRUE(ConvertDecimal(state, "1e-40000", {}, ".", nullptr).Accepted);
    const ConversionState before = state;
    EXPECT_FALSE(ConvertDecimal(state, "1 e5", {}, ".", nullptr).Accepted);
    EXPECT_EQ(state.OriginalNumber, before.OriginalNumber);
    EXPECT_EQ(state.DoubleExact, before.DoubleExact);
    EXPECT_EQ(state.SingleHex, before.SingleHex);
}

struct HexCase {
    PatternFormat Format;
    std::string Text;
    std::string Answer;  // the message of a refusal, else the pattern the report shows
    const char* Reason;
};

void PrintTo(const HexCase& c, std::ostream* os) { *os << c.Reason; }

constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;
const char* const SingleLength = "hex number must be 8 digits";
const char* const SingleSpelling = "You misspelled hex-number";
const char* const DoubleLength = "hex \xD1\x87\xD0\xB8\xD1\x81\xD0\xBB\xD0\xBE \xD0\xB4\xD0\xBE\xD0\xBB\xD0\xB6\xD0\xBD\xD0\xBE "
                                 "\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x82\xD1\x8C 16 \xD1\x86\xD0\xB8\xD1\x84\xD1\x80";
const char* const DoubleSpelling = "ou misspelled hex-number";

const HexCase HexCases[] = {
    {S, "3dcccccd", "3DCCCCCD", "lower case is read like upper case"},
    {D, "3fb999999999999a", "3FB999999999999A", "lower case, Double"},
    {S, "", SingleLength, "empty"},
    {S, "3DCCCCC", SingleLength, "one digit short"},
    {S, "3DCCCCCD0", SingleLength, "one digit long"},
    {S, " 3DCCCCCD", SingleLength, "a blank makes it nine characters"},
    {S, "3DCC CCD", SingleSpelling, "a blank inside, eight characters"},
    {S, "0x3DCCCC", SingleSpelling, "a 0x prefix within eight characters"},
    {S, "0x3DCCCCCD", SingleLength, "a 0x prefix makes it ten characters"},
    {S, "3DCCCCCG", SingleSpelling, "a letter beyond F"},
    {S, "3DCCCCC\n", SingleSpelling, "a line break as the eighth character"},
    {S, "\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96", SingleSpelling,
     "eight Cyrillic letters: eight characters, sixteen bytes"},
    {S, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", SingleSpelling, "eight bytes that are not UTF-8"},
    {D, "3FB999999999999", DoubleLength, "fifteen digits"},
    {D, "3DCCCCCD", DoubleLength, "a Single's pattern in the Double box"},
    {D, "0x3FB9999999999999", DoubleLength, "a 0x prefix makes it eighteen characters"},
    {D, "3FB99999 9999999", DoubleSpelling, "a blank inside, sixteen characters"},
    {D, "3FB999999999999Z", DoubleSpelling, "a letter beyond F"},
};

class BadHexInput : public ::testing::TestWithParam<HexCase> {};

TEST_P(BadHexInput, GetsItsClearAnswer) {
    const HexCase& c = GetParam();
    CliMode mode;
    mode.Hex = c.Format;
    const OperationResult result = RunOperation(c.Text, mode);
    if (result.Outcome == Kind::Rejected) {
        EXPECT_EQ(result.Error, c.Answer) << c.Reason;
        return;
    }
    EXPECT_EQ(c.Format == S ? result.State.SingleHex : result.State.DoubleHex, c.Answer) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadHexInput, ::testing::ValuesIn(HexCases));

}  // namespace
}  // namespace pexabit
