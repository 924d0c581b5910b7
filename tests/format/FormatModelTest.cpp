// The one format model on formats the window does not show: the edge patterns of binary16 and
// of the x87 extended format (stored integer bit), taken apart and expanded exactly, against
// GMP's value of the same bits. The window's formats are pinned by the output guard.
#include <gtest/gtest.h>

#include <cctype>

#include "GmpReference.h"
#include "decimal/ExactTexts.h"
#include "format/FieldTexts.h"

namespace pexabit {
namespace {

struct EdgeCase {
    const FloatFormat* Format;
    Bits128 Pattern;
    ValueClass Class;
    const char* ExponentBits;  // the exponent field as written
    const char* FractionHex;
    const char* Reason;
};

constexpr auto X = [](std::uint64_t high, std::uint64_t low) { return MakeBits128(high, low); };
constexpr ValueClass Zero = ValueClass::Zero, Sub = ValueClass::Subnormal, Normal = ValueClass::Normal,
                     Inf = ValueClass::Infinite, QNan = ValueClass::QuietNan, SNan = ValueClass::SignallingNan,
                     Odd = ValueClass::Noncanonical;

const EdgeCase Edges[] = {
    {&HalfFormat, 0x8000, Zero, "00000", "000", "negative zero keeps its sign"},
    {&HalfFormat, 0x0001, Sub, "00000", "001", "smallest subnormal 2^-24: exponent field 0 weighs like 1"},
    {&HalfFormat, 0x03FF, Sub, "00000", "3FF", "largest subnormal: no leading bit"},
    {&HalfFormat, 0x0400, Normal, "00001", "000", "smallest normal 2^-14: the leading bit appears"},
    {&HalfFormat, 0x3C00, Normal, "01111", "000", "one: bias 15"},
    {&HalfFormat, 0xFBFF, Normal, "11110", "3FF", "largest finite, negative: 65504"},
    {&HalfFormat, 0x7C00, Inf, "11111", "000", "infinity"},
    {&HalfFormat, 0x7E00, QNan, "11111", "200", "quiet NaN: top fraction bit"},
    {&HalfFormat, 0xFC01, SNan, "11111", "001", "signalling NaN"},
    {&ExtendedFormat, X(0, 1), Sub, "000000000000000", "0000000000000001", "smallest subnormal 2^-16445"},
    {&ExtendedFormat, X(0, 0x8000000000000000), Odd, "000000000000000", "0000000000000000",
     "pseudo-denormal: integer bit set with exponent field 0, weighs 2^-16382"},
    {&ExtendedFormat, X(0x0001, 0x8000000000000000), Normal, "000000000000001", "0000000000000000",
     "smallest normal: the stored integer bit"},
    {&ExtendedFormat, X(0x3FFF, 0x4000000000000000), Odd, "011111111111111", "4000000000000000",
     "unnormal: exponent of one, integer bit clear, worth one half"},
    {&ExtendedFormat, X(0xBFFF, 0xC000000000000000), Normal, "011111111111111", "4000000000000000", "-1.5"},
    {&ExtendedFormat, X(0x7FFE, 0xFFFFFFFFFFFFFFFF), Normal, "111111111111110", "7FFFFFFFFFFFFFFF",
     "largest finite, 4933 digits"},
    {&ExtendedFormat, X(0x7FFF, 0x8000000000000000), Inf, "111111111111111", "0000000000000000", "infinity"},
};

TEST(FormatModel, EdgePatternsOfHalfAndExtended) {
    for (const EdgeCase& c : Edges) {
        const FloatFormat& f = *c.Format;
        const StoredValue v = DecodePattern(f, c.Pattern);
        EXPECT_EQ(v.Class, c.Class) << c.Reason;
        std::string hex = testing::ToMpz(c.Pattern).get_str(16);
        for (char& h : hex) h = static_cast<char>(std::toupper(static_cast<unsigned char>(h)));
        EXPECT_EQ(PatternHex(f, v), hex.insert(0, static_cast<std::size_t>(f.HexDigits()) - hex.size(), '0')) << c.Reason;
        EXPECT_EQ(ExponentBitsText(f, v), c.ExponentBits) << c.Reason;
        EXPECT_EQ(FractionHex(f, v), c.FractionHex) << c.Reason;
        ExactTexts texts;
        MakeExactTexts(f, v, texts);
        if (SpecialName(v) != nullptr) {
            EXPECT_EQ(texts.Exact, c.Class == Inf ? (v.Negative ? "-Infinity" : "+Infinity") : "NANs") << c.Reason;
            continue;
        }
        const mpq_class magnitude = testing::PatternMagnitude(c.Pattern, f.ExponentBits, f.FractionBits, f.StoredIntegerBit);
        EXPECT_EQ(testing::Scaled(testing::ToMpz(v.Significand), v.Exponent), magnitude) << c.Reason;
        EXPECT_EQ(texts.Exact, testing::ToDecimalString(magnitude, v.Negative ? '-' : '+')) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
