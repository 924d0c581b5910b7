// The hex buttons as data: the checks and their messages, the special patterns named in the
// decoded format alone, and finite patterns converted from their bits with the very report that
// typing their exact value (GMP's) gives.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "GmpReference.h"
#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

constexpr PatternFormat S = PatternFormat::Single;
constexpr PatternFormat D = PatternFormat::Double;

TEST(CheckHexPattern, GivesTheMessageWordForWord) {
    const struct {
        PatternFormat Format;
        const char* Text;
        const char* Message;  // nullptr: accepted
        bool Reset;           // the box is reset to zeros
        const char* Reason;
    } cases[] = {
        {S, "7f80000A", nullptr, false, "both cases"},
        {S, "123456789", "hex number must be 8 digits", false, "nine digits"},
        {S, " 1234567", "You misspelled hex-number", true, "blank and seven digits: length 8"},
        {S, "123456∞", "hex number must be 8 digits", false, "seven characters, nine bytes"},
        {D, "123456789012345", "hex число должно иметь 16 цифр", false, "fifteen digits"},
        {D, "000000000000000∞", "ou misspelled hex-number", true, "the infinity sign counts once"},
    };
    for (const auto& c : cases) {
        const std::optional<HexRejection> rejection = CheckHexPattern(c.Format, c.Text);
        ASSERT_EQ(rejection.has_value(), c.Message != nullptr) << c.Reason;
        if (!rejection) continue;
        EXPECT_EQ(rejection->Message, c.Message) << c.Reason;
        EXPECT_EQ(rejection->ResetText.value_or("kept"), c.Reset ? std::string(c.Format == S ? 8 : 16, '0') : "kept")
            << c.Reason;
    }
}

TEST(DecodeSpecialPattern, NamesTheDecodedFormatAndLeavesTheOther) {
    const struct {
        PatternFormat Format;
        Bits128 Pattern;
        const char* Name;
        const char* Display;
    } cases[] = {
        {S, 0xFF800000, "-Infinity", "The number displayed in the  Windows F=-1,#INF"},
        {S, 0xFFFFFFFF, "NANs", "The number displayed in the  Windows F= Overflow"},
        {D, 0x7FF0000000000000, "+Infinity", "The number displayed in the  Windows F=+1,#INF"},
        {D, 0xFFF0000000000001, "NANs", "The number displayed in the  Windows F= Overflow"},
    };
    for (const auto& c : cases) {
        ConversionState state;
        ConvertResult result;
        ConvertText(state, "2.5", {}, result);
        const ConversionState before = state;
        ASSERT_TRUE(IsSpecialPattern(c.Format, c.Pattern)) << c.Name;
        DecodeSpecialPattern(state, c.Format, c.Pattern, result);
        EXPECT_EQ(result.Kind, Outcome::Special);
        EXPECT_EQ(result.Decoded, c.Format);
        EXPECT_EQ((c.Format == S ? result.SingleDisplay : result.DoubleDisplay), c.Display);
        EXPECT_EQ((c.Format == S ? result.DoubleDisplay : result.SingleDisplay), "");
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

TEST(ConvertPattern, GivesTheReportOfItsTypedExactValue) {
    // Zeros, the subnormal boundary, the largest values, halfway to the Single's overflow.
    for (const std::uint64_t bits : {0x80000000ULL, 0x00000001ULL, 0x007FFFFFULL, 0x00800000ULL, 0xFF7FFFFFULL}) {
        EXPECT_EQ(FromBitsAsTyped(S, bits), "") << testing::HexOf(bits, 8);
    }
    for (const std::uint64_t bits : {0x8000000000000000ULL, 0x0000000000000001ULL, 0x000FFFFFFFFFFFFFULL,
                                     0x7FEFFFFFFFFFFFFFULL, 0x47EFFFFFE0000000ULL, 0x47EFFFFFF0000000ULL,
                                     0x3690000000000001ULL}) {
        EXPECT_EQ(FromBitsAsTyped(D, bits), "") << testing::HexOf(bits, 16);
    }
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFF; bits += 99991) {  // every 99991st Single
        if ((bits & 0x7F800000) == 0x7F800000) continue;  // no value
        ASSERT_EQ(FromBitsAsTyped(S, bits), "") << testing::HexOf(bits, 8);
    }
    std::mt19937_64 random(20240601);  // fixed seed: the same patterns every run
    for (int checked = 0; checked < 20000;) {
        const std::uint64_t bits = random();
        if ((bits & 0x7FF0000000000000) == 0x7FF0000000000000) continue;
        ASSERT_EQ(FromBitsAsTyped(D, bits), "") << testing::HexOf(bits, 16);
        ++checked;
    }
}

}  // namespace
}  // namespace pexabit
