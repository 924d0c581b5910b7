// The hex buttons as data: the checks and their messages, the digit pairs, the special patterns
// with their names and report, and the finite path.

#include <gtest/gtest.h>

#include <vector>

#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"
#include "encode/DecimalInput.h"

namespace pexabit {
namespace {

std::string Text(const ControlTexts& report, std::string_view control) {
    const std::string* text = FindControlText(report, control);
    return text != nullptr ? *text : "<not set>";
}

struct CheckCase {
    PatternFormat Format;
    const char* Text;
    const char* Message;  // nullptr: accepted
    const char* Reset;    // nullptr: the box keeps its text
    const char* Reason;
};

constexpr PatternFormat S = PatternFormat::Single;
constexpr PatternFormat D = PatternFormat::Double;
constexpr const char* SingleLength = "hex number must be 8 digits";
constexpr const char* SingleSpelling = "You misspelled hex-number";
constexpr const char* DoubleLength = "hex число должно иметь 16 цифр";
constexpr const char* DoubleSpelling = "ou misspelled hex-number";

class CheckHexPatternTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckHexPatternTest, GivesTheMessageWordForWord) {
    const CheckCase& c = GetParam();
    const std::optional<HexRejection> rejection = CheckHexPattern(c.Format, c.Text);
    if (c.Message == nullptr) {
        EXPECT_FALSE(rejection.has_value()) << c.Reason;
        return;
    }
    ASSERT_TRUE(rejection.has_value()) << c.Reason;
    EXPECT_EQ(rejection->Message, c.Message) << c.Reason;
    EXPECT_EQ(rejection->ResetText.has_value(), c.Reset != nullptr) << c.Reason;
    if (c.Reset != nullptr) {
        EXPECT_EQ(*rejection->ResetText, c.Reset) << c.Reason;
    }
}

const CheckCase CheckCases[] = {
    {S, "7F800000", nullptr, nullptr, "upper case"},
    {S, "7f800000", nullptr, nullptr, "lower case"},
    {S, "", SingleLength, nullptr, "empty box"},
    {S, "1234567", SingleLength, nullptr, "seven digits"},
    {S, "123456789", SingleLength, nullptr, "nine digits"},
    {S, " 1234567", SingleSpelling, "00000000", "blank and seven digits: length 8"},
    {S, "1234567G", SingleSpelling, "00000000", "a letter beyond F"},
    {S, "1234567∞", SingleSpelling, "00000000", "the infinity sign is one character"},
    {S, "123456∞", SingleLength, nullptr, "seven characters, nine bytes"},
    {D, "7FF0000000000000", nullptr, nullptr, "sixteen digits"},
    {D, "7ff0000000000000", nullptr, nullptr, "lower case"},
    {D, "", DoubleLength, nullptr, "empty box"},
    {D, "123456789012345", DoubleLength, nullptr, "fifteen digits"},
    {D, "12345678901234567", DoubleLength, nullptr, "seventeen digits"},
    {D, "1234567 90123456", DoubleSpelling, "0000000000000000", "a blank inside"},
    {D, "123456789012345Z", DoubleSpelling, "0000000000000000", "a letter beyond F"},
    {D, "000000000000000∞", DoubleSpelling, "0000000000000000", "the infinity sign counts once"},
    {D, "7F800000", DoubleLength, nullptr, "a Single pattern in the Double box"},
};
INSTANTIATE_TEST_SUITE_P(Checks, CheckHexPatternTest, ::testing::ValuesIn(CheckCases));

TEST(HexToByte, DigitPairs) {
    EXPECT_EQ(HexToByte("7F"), 127);
    EXPECT_EQ(HexToByte("ff"), 255);
    EXPECT_EQ(HexToByte("00"), 0);
    EXPECT_EQ(HexToByte("a"), 10) << "one digit";
    EXPECT_EQ(HexToByte(" B "), 11) << "blanks around are ignored";
}

struct SpecialCase {
    PatternFormat Format;
    const char* Text;
    const char* Name;
    const char* Caption;
    const char* SignCaption;
    const char* ExponentCaption;
    const char* MantissaCaption;
    const char* MantissaBits;  // only the first characters are compared
    const char* Reason;
};

class SpecialPatternTest : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialPatternTest, NamesThePattern) {
    const SpecialCase& c = GetParam();
    ConversionState state;
    const DecodeOutcome o = DecodeHexPattern(state, c.Format, c.Text);
    ASSERT_TRUE(o.Special) << c.Reason;
    const bool single = c.Format == S;
    EXPECT_EQ(Text(o.Report, single ? "Text9" : "Text6"), c.Name) << c.Reason;
    EXPECT_EQ(Text(o.Report, single ? "Label21" : "Label22"), c.Caption) << c.Reason;
    EXPECT_EQ(Text(o.Report, single ? "Label15" : "Label18"), c.SignCaption) << c.Reason;
    EXPECT_EQ(Text(o.Report, single ? "Label16" : "Label19"), c.ExponentCaption) << c.Reason;
    EXPECT_EQ(Text(o.Report, single ? "Label17" : "Label20"), c.MantissaCaption) << c.Reason;
    const std::string bits = Text(o.Report, single ? "Label11" : "Text3");
    EXPECT_EQ(bits.size(), single ? 23U : 52U) << c.Reason;
    EXPECT_EQ(bits.substr(0, std::string(c.MantissaBits).size()), c.MantissaBits) << c.Reason;
    EXPECT_EQ(Text(o.Report, single ? "Label10" : "Text4"), std::string(single ? 8 : 11, '1'));
    EXPECT_EQ(Text(o.Report, "Text2"), "");
    const std::string& exact = single ? state.SingleExact : state.DoubleExact;
    const std::string& binary = single ? state.SingleBinary : state.DoubleBinary;
    EXPECT_EQ(exact, c.Name) << c.Reason;
    EXPECT_EQ(binary, c.Name) << c.Reason;
}

constexpr const char* PlusInf = "The number displayed in the  Windows F=+1,#INF";
constexpr const char* MinusInf = "The number displayed in the  Windows F=-1,#INF";
constexpr const char* NaNCaption = "The number displayed in the  Windows F= Overflow";

const SpecialCase SpecialCases[] = {
    {S, "7F800000", "+Infinity", PlusInf, "S= 0", "E=FF hex", "M=000000 hex", "0000000000", "+inf"},
    {S, "FF800000", "-Infinity", MinusInf, "S= 1", "E=FF hex", "M=000000 hex", "0000000000", "-inf"},
    {S, "7FC00000", "NANs", NaNCaption, "S= 0", "E=FF hex", "M=400000 hex", "1000000000", "quiet NaN"},
    {S, "FFFFFFFF", "NANs", NaNCaption, "S= 1", "E=FF hex", "M=7FFFFF hex", "1111111111", "sign ignored"},
    {S, "7F800001", "NANs", NaNCaption, "S= 0", "E=FF hex", "M=000001 hex", "0000000000", "lowest bit"},
    {S, "7f800000", "+Infinity", PlusInf, "S= 0", "E=FF hex", "M=000000 hex", "0", "lower case"},
    {D, "7FF0000000000000", "+Infinity", PlusInf, "S= 0", "E=7FF hex", "M=0000000000000 hex", "0000", "+inf"},
    {D, "FFF0000000000000", "-Infinity", MinusInf, "S= 1", "E=7FF hex", "M=0000000000000 hex", "0000", "-inf"},
    {D, "FFF8000000000000", "NANs", NaNCaption, "S= 1", "E=7FF hex", "M=8000000000000 hex", "1000", "NaN"},
    {D, "7FF0000000000001", "NANs", NaNCaption, "S= 0", "E=7FF hex", "M=0000000000001 hex", "0000", "lowest bit"},
};
INSTANTIATE_TEST_SUITE_P(Special, SpecialPatternTest, ::testing::ValuesIn(SpecialCases));

std::vector<std::string> Order(const ControlTexts& report) {
    std::vector<std::string> order;
    for (const ControlText& t : report) order.push_back(t.Control);
    return order;
}

TEST(SpecialPattern, SingleReportOrderAndClearedDouble) {
    ConversionState state;
    ConvertDecimal(state, "2.5", ViewChoice{}, ".", nullptr);
    const ConversionState before = state;
    const DecodeOutcome o = DecodeHexPattern(state, S, "7F800000");
    const std::vector<std::string> expected = {
        "Text9", "Label21", "Label15", "Label16", "Label17", "Label9", "Label10", "Label11",
        "Text2", "Label18", "Label19", "Label20", "Text5", "Text4", "Text6", "Text3",
        "Text8", "Text10", "Text11", "Text12"};
    EXPECT_EQ(Order(o.Report), expected);
    EXPECT_EQ(Text(o.Report, "Label18"), "S=");
    EXPECT_EQ(Text(o.Report, "Text12"), "");
    EXPECT_EQ(state.DoubleExact, before.DoubleExact) << "no Double field changes";
    EXPECT_EQ(state.DoubleBytes, before.DoubleBytes);
    EXPECT_EQ(state.SingleHex, before.SingleHex) << "the special path does not write the hex field";
}

TEST(SpecialPattern, DoubleReportOrderAndClearedSingle) {
    ConversionState state;
    ConvertDecimal(state, "2.5", ViewChoice{}, ".", nullptr);
    const ConversionState before = state;
    const DecodeOutcome o = DecodeHexPattern(state, D, "FFF0000000000000");
    const std::vector<std::string> expected = {
        "Text6", "Label22", "Label18", "Label19", "Label20", "Text2", "Text5", "Text4", "Text3",
        "Text7", "Label9", "Label10", "Label11", "Label15", "Label16", "Label17",
        "Text9", "Text8", "Text10", "Text11"};
    EXPECT_EQ(Order(o.Report), expected);
    EXPECT_EQ(Text(o.Report, "Text5"), "1");
    EXPECT_EQ(Text(o.Report, "Label15"), "S=");
    EXPECT_EQ(state.SingleExact, before.SingleExact) << "no Single field changes";
    EXPECT_EQ(state.SingleBytes, before.SingleBytes);
}

struct FiniteCase {
    PatternFormat Format;
    const char* Text;
    const char* ExactStart;
    std::size_t ExactLength;
    const char* Reason;
};

TEST(FinitePath, ExactValueConvertsBackToThePattern) {
    const FiniteCase cases[] = {
        {S, "00000000", "+0,0", 4, "zero"},
        {S, "80000000", "-0,0", 4, "negative zero"},
        {S, "00000001", "+0,000000000000000000000000000000000000000000001401", 152, "2^-149"},
        {S, "7F7FFFFF", "+340282346638528859811704183484516925440,0", 42, "largest Single"},
        {D, "0000000000000001", "+0,000", 1077, "2^-1074: 1074 fraction digits"},
        {D, "8000000000000000", "-0,0", 4, "negative zero"},
        {D, "7FEFFFFFFFFFFFFF", "+17976931348623157", 312, "largest Double"},
        {D, "3FB999999999999A", "+0,1000000000000000055511151231257827021181583404541015625", 58, "0.1"},
    };
    for (const FiniteCase& c : cases) {
        ConversionState state;
        const DecodeOutcome o = DecodeHexPattern(state, c.Format, c.Text);
        ASSERT_FALSE(o.Special) << c.Reason;
        EXPECT_EQ(o.ExactText.substr(0, std::string(c.ExactStart).size()), c.ExactStart) << c.Reason;
        EXPECT_EQ(o.ExactText.size(), c.ExactLength) << c.Reason;
        EXPECT_TRUE(CheckDecimalText(o.ExactText)) << c.Reason;
        const ConvertOutcome converted = ConvertDecimal(state, o.ExactText, ViewChoice{}, ".", nullptr);
        EXPECT_EQ(Text(converted.Report, c.Format == S ? "Text7" : "Text12"), c.Text) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
