// The hex buttons as data: the special patterns named in the decoded format alone, and finite
// patterns converted from their bits with the very report that typing their exact value
// (GMP's) gives. The checks and their messages are pinned by the output guard and the window
// tests.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "GmpReference.h"
#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"

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
        ASSERT_TRUE(IsSpecialPattern(c.Format, c.Pattern)) << c.Name;
        DecodeSpecialPattern(state, c.Format, c.Pattern, result);
        EXPECT_TRUE(result.Kind == Outcome::Special && result.Decoded == c.Format);
        EXPECT_EQ(result.SingleDisplay + result.DoubleDisplay, c.Display) << "the other caption is empty";
        const ExactTexts& t = state.Part(c.Format).Texts;
        EXPECT_EQ(t.Binary + t.BinarySci + t.Exact + t.ExactSci, std::string(c.Name) + c.Name + c.Name + c.Name);
        const PatternFormat other = c.Format == S ? D : S;
        EXPECT_EQ(state.Part(other).Texts.Exact, before.Part(other).Texts.Exact) << c.Name;
        EXPECT_EQ(state.OriginalNumber, before.OriginalNumber) << c.Name;
    }
}

// "" when the pattern, converted from its bits, gives GMP's exact value as the original number
// and the same state and result as a fresh conversion of that text.
std::string FromBitsAsTyped(PatternFormat format, std::uint64_t bits) {
    ConversionState fromBits, typed;
    ConvertResult a, b;
    ConvertPattern(fromBits, format, bits, {}, a);
    const double value = format == S ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))
                                     : std::bit_cast<double>(bits);
    const std::string exact = testing::ToDecimalString(abs(mpq_class(value)), std::signbit(value) ? '-' : '+');
    if (fromBits.OriginalNumber != exact) return "original " + fromBits.OriginalNumber.substr(0, 60);
    ConvertText(typed, exact, {}, b);
    for (const PatternFormat f : {S, D}) {
        const FormatPart &x = fromBits.Part(f), &y = typed.Part(f);
        if (x.Stored.Pattern != y.Stored.Pattern || x.Stored.Overflow != y.Stored.Overflow ||
            x.Texts.Binary != y.Texts.Binary || x.Texts.BinarySci != y.Texts.BinarySci ||
            x.Texts.Exact != y.Texts.Exact || x.Texts.ExactSci != y.Texts.ExactSci) {
            return "the format parts differ";
        }
    }
    if (a.SingleDisplay != b.SingleDisplay || a.DoubleDisplay != b.DoubleDisplay ||
        a.DoubleMinusSingle != b.DoubleMinusSingle || a.OriginalMinusDouble != b.OriginalMinusDouble ||
        a.OriginalMinusSingle != b.OriginalMinusSingle) {
        return "the results differ";
    }
    return "";
}

// The edges of both formats; the output guard holds 90,000 random patterns of every class.
TEST(ConvertPattern, GivesTheReportOfItsTypedExactValue) {
    const std::pair<PatternFormat, std::uint64_t> cases[] = {
        {S, 0x80000000}, {S, 0x00000001}, {S, 0x007FFFFF}, {S, 0xFF7FFFFF},  // zero, subnormals, largest
        {D, 0x8000000000000000}, {D, 0x0000000000000001}, {D, 0x000FFFFFFFFFFFFF},
        {D, 0x7FEFFFFFFFFFFFFF},  // the Single overflows
        {D, 0x47EFFFFFF0000000},  // halfway to the Single's overflow: rounds up to infinity
        {D, 0x3690000000000001},  // just above half the smallest Single subnormal
        {D, 0x3FB999999999999A},  // every difference nonzero
    };
    for (const auto& [format, bits] : cases) EXPECT_EQ(FromBitsAsTyped(format, bits), "") << std::hex << bits;
}

}  // namespace
}  // namespace pexabit
