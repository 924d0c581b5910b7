// The hex buttons as data: the checks and their messages, and the special patterns with their
// names, report and order. Finite patterns are checked by the round-trip sweeps.

#include <gtest/gtest.h>

#include <vector>

#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

constexpr PatternFormat S = PatternFormat::Single;
constexpr PatternFormat D = PatternFormat::Double;

struct CheckCase {
    PatternFormat Format;
    const char* Text;
    const char* Message;  // nullptr: accepted
    bool Reset;           // the box is reset to zeros
    const char* Reason;
};

constexpr const char* SingleLength = "hex number must be 8 digits";
constexpr const char* SingleSpelling = "You misspelled hex-number";
constexpr const char* DoubleLength = "hex число должно иметь 16 цифр";
constexpr const char* DoubleSpelling = "ou misspelled hex-number";

TEST(CheckHexPattern, GivesTheMessageWordForWord) {
    const CheckCase cases[] = {
        {S, "7F800000", nullptr, false, "upper case"},
        {S, "", SingleLength, false, "empty box"},
        {S, "123456789", SingleLength, false, "nine digits"},
        {S, " 1234567", SingleSpelling, true, "blank and seven digits: length 8"},
        {S, "1234567G", SingleSpelling, true, "a letter beyond F"},
        {S, "1234567∞", SingleSpelling, true, "the infinity sign is one character"},
        {S, "123456∞", SingleLength, false, "seven characters, nine bytes"},
        {D, "7ff0000000000000", nullptr, false, "lower case"},
        {D, "123456789012345", DoubleLength, false, "fifteen digits"},
        {D, "1234567 90123456", DoubleSpelling, true, "a blank inside"},
        {D, "000000000000000∞", DoubleSpelling, true, "the infinity sign counts once"},
    };
    for (const CheckCase& c : cases) {
        const std::optional<HexRejection> rejection = CheckHexPattern(c.Format, c.Text);
        ASSERT_EQ(rejection.has_value(), c.Message != nullptr) << c.Reason;
        if (!rejection) continue;
        EXPECT_EQ(rejection->Message, c.Message) << c.Reason;
        EXPECT_EQ(rejection->ResetText.value_or("kept"), c.Reset ? std::string(c.Format == S ? 8 : 16, '0') : "kept")
            << c.Reason;
    }
}

struct SpecialCase {
    PatternFormat Format;
    const char* Text;
    const char* Name;
    const char* Caption;
    const char* Fields;        // the sign, exponent and mantissa captions
    const char* MantissaBits;  // only the first characters are compared
    const char* Reason;
};

std::string Text(const ControlTexts& report, std::string_view control) {
    const std::string* text = FindControlText(report, control);
    return text != nullptr ? *text : "<not set>";
}

constexpr const char* PlusInf = "The number displayed in the  Windows F=+1,#INF";
constexpr const char* MinusInf = "The number displayed in the  Windows F=-1,#INF";
constexpr const char* NaN = "The number displayed in the  Windows F= Overflow";

// The order in which the window applies the texts: the decoded format first, then the other
// format's boxes cleared.
const std::vector<std::string> SingleOrder = {
    "Text9", "Label21", "Label15", "Label16", "Label17", "Label9", "Label10", "Label11", "Text2", "Label18",
    "Label19", "Label20", "Text5", "Text4", "Text6", "Text3", "Text8", "Text10", "Text11", "Text12"};
const std::vector<std::string> DoubleOrder = {
    "Text6", "Label22", "Label18", "Label19", "Label20", "Text2", "Text5", "Text4", "Text3", "Text7",
    "Label9", "Label10", "Label11", "Label15", "Label16", "Label17", "Text9", "Text8", "Text10", "Text11"};

TEST(DecodeHexPattern, SpecialPatternsAreNamedAndLeaveTheOtherFormat) {
    const SpecialCase cases[] = {
        {S, "7F800000", "+Infinity", PlusInf, "S= 0|E=FF hex|M=000000 hex", "0000000000", "+inf"},
        {S, "FF800000", "-Infinity", MinusInf, "S= 1|E=FF hex|M=000000 hex", "0000000000", "-inf"},
        {S, "7FC00000", "NANs", NaN, "S= 0|E=FF hex|M=400000 hex", "1000000000", "quiet NaN"},
        {S, "FFFFFFFF", "NANs", NaN, "S= 1|E=FF hex|M=7FFFFF hex", "1111111111", "NaN: the sign ignored"},
        {S, "7F800001", "NANs", NaN, "S= 0|E=FF hex|M=000001 hex", "0000000000", "lowest bit"},
        {S, "7f800000", "+Infinity", PlusInf, "S= 0|E=FF hex|M=000000 hex", "0", "lower case"},
        {D, "7FF0000000000000", "+Infinity", PlusInf, "S= 0|E=7FF hex|M=0000000000000 hex", "0000", "+inf"},
        {D, "FFF8000000000000", "NANs", NaN, "S= 1|E=7FF hex|M=8000000000000 hex", "1000", "negative NaN"},
    };
    for (const SpecialCase& c : cases) {
        const bool single = c.Format == S;
        ConversionState state;
        ConvertDecimal(state, "2.5", ViewChoice{}, ".", nullptr);
        const ConversionState before = state;
        const DecodeOutcome o = DecodeHexPattern(state, c.Format, c.Text);
        ASSERT_TRUE(o.Special) << c.Reason;
        std::vector<std::string> order;
        for (const ControlText& t : o.Report) order.push_back(t.Control);
        EXPECT_EQ(order, single ? SingleOrder : DoubleOrder) << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Text9" : "Text6"), c.Name) << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Label21" : "Label22"), c.Caption) << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Label15" : "Label18") + "|" + Text(o.Report, single ? "Label16" : "Label19") +
                      "|" + Text(o.Report, single ? "Label17" : "Label20"),
                  c.Fields)
            << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Label9" : "Text5"), c.Fields[3] == '1' ? "1" : "0") << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Label10" : "Text4"), std::string(single ? 8 : 11, '1')) << c.Reason;
        const std::string bits = Text(o.Report, single ? "Label11" : "Text3");
        EXPECT_EQ(bits.size(), single ? 23U : 52U) << c.Reason;
        EXPECT_TRUE(bits.starts_with(c.MantissaBits)) << c.Reason;
        EXPECT_EQ(Text(o.Report, single ? "Label18" : "Label15"), "S=") << "the other format's caption cleared";
        EXPECT_EQ(Text(o.Report, "Text2") + Text(o.Report, single ? "Text12" : "Text7"), "") << c.Reason;
        EXPECT_EQ(single ? state.SingleExact : state.DoubleExact, c.Name) << c.Reason;
        EXPECT_EQ(single ? state.SingleBinary : state.DoubleBinary, c.Name) << c.Reason;
        EXPECT_EQ(state.SingleHex + state.DoubleHex, before.SingleHex + before.DoubleHex)
            << c.Reason << ": the special path writes no hex field";
        EXPECT_EQ(single ? state.DoubleExact : state.SingleExact, single ? before.DoubleExact : before.SingleExact)
            << c.Reason << ": the other format keeps its fields";
        EXPECT_TRUE(single ? state.DoubleBytes == before.DoubleBytes : state.SingleBytes == before.SingleBytes)
            << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
