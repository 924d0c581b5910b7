// The hex buttons as data: a special pattern is named in the decoded format alone and leaves the
// other format and the original number as they were (the window keeps them; each input of the
// command line starts afresh, so the output guard cannot see this). Finite patterns, the checks
// and their messages are pinned by the output guard (every class of pattern) and the window tests.

#include <gtest/gtest.h>

#include "window_report/ConvertReport.h"
#include "window_report/HexDecoding.h"

namespace pexabit {
namespace {

constexpr PatternFormat S = PatternFormat::Single;
constexpr PatternFormat D = PatternFormat::Double;

TEST(DecodeSpecialPattern, NamesTheDecodedFormatAndLeavesTheOther) {
    const struct {
        PatternFormat Format;
        Bits128 Pattern;
        const char* Name;
        const char* Display;
    } cases[] = {
        {S, 0xFF800000, "-Infinity", "The number displayed in the  Windows F=-1,#INF"},
        {D, 0xFFF0000000000001, "NANs", "The number displayed in the  Windows F= Overflow"},
    };
    for (const auto& c : cases) {
        ConversionState state;
        ConvertResult result;
        ConvertText(state, "2.5", {}, result);
        const ConversionState before = state;
        DecodeSpecialPattern(state, c.Format, c.Pattern, result);
        // Kind and Decoded choose what the command line prints (pinned by the output guard).
        EXPECT_EQ(result.SingleDisplay + result.DoubleDisplay, c.Display) << "the other caption is empty";
        const ExactTexts& t = state.Part(c.Format).Texts;
        EXPECT_EQ(t.Binary + t.BinarySci + t.Exact + t.ExactSci, std::string(c.Name) + c.Name + c.Name + c.Name);
        const PatternFormat other = c.Format == S ? D : S;
        EXPECT_EQ(state.Part(other).Texts.Exact, before.Part(other).Texts.Exact) << c.Name;
        EXPECT_EQ(state.OriginalNumber, before.OriginalNumber) << c.Name;
    }
}

}  // namespace
}  // namespace pexabit
