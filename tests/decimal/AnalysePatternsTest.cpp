// From stored bytes to fields and exact texts: byte order, masks, the subnormal switch and the
// places of the comma at the exponent boundaries.
#include <gtest/gtest.h>

#include "decimal/AnalysePatterns.h"

namespace pexabit {
namespace {

struct Case {
    bool Double;
    std::uint64_t Bits;  // the pattern; stored least significant byte first
    std::int32_t Exponent;
    const char* MantissaHex;
    std::string Binary, Exact;  // empty: left to the sweeps
    const char* Reason;
};

std::string HexOf(std::uint64_t bits, std::size_t digits) {
    std::string out(digits, '0');
    for (std::size_t i = digits; i-- > 0; bits >>= 4) out[i] = "0123456789ABCDEF"[bits & 15];
    return out;
}

TEST(AnalysePatternsTest, FieldsAndTextsAtTheBoundaries) {
    const Case cases[] = {
        {false, 0x3F800000, 127, "000000", "+1," + std::string(23, '0'), "+1,0", "E = bias"},
        {false, 0x3DCCCCCD, 123, "4CCCCD", "+0,000110011001100110011001101", "+0,100000001490116119384765625",
         "below one"},
        {false, 0x4B800000, 151, "000000", "+1" + std::string(24, '0'), "+16777216,0", "E = 151: no comma"},
        {false, 0x4B000001, 150, "000001", "+1" + std::string(22, '0') + "1,", "+8388609,0",
         "E = 150: ends in an empty fraction"},
        {false, 0x80000000, 0, "000000", "-0," + std::string(149, '0'), "-0,0", "negative zero keeps its sign"},
        {false, 0x7F800000, 255, "000000", "+1" + std::string(128, '0'),
         "+340282366920938463463374607431768211456,0", "all-ones exponent expanded like a normal number"},
        {false, 0x807FFFFF, 0, "7FFFFF", "-0," + std::string(126, '0') + std::string(23, '1'),
         "-0,00000000000000000000000000000000000001175494210692441075487029444849287348827052428745893333857174530571588870475618904265502351336181163787841796875",
         "largest subnormal: no hidden bit, mantissa top byte masked"},
        {true, 0x3FB999999999999A, 1019, "999999999999A", "",
         "+0,1000000000000000055511151231257827021181583404541015625", "Double below one"},
        {true, 0x0000000000000001, 0, "0000000000001", "+0," + std::string(1073, '0') + "1", "",
         "smallest Double subnormal"},
        {true, 0xFFF7060504030201, 2047, "7060504030201", "", "", "the seventh byte split between fields"},
    };
    for (const Case& c : cases) {
        ConversionState st;
        std::uint8_t* bytes = c.Double ? st.DoubleBytes.data() : st.SingleBytes.data();
        for (std::size_t i = 0; i < (c.Double ? 8U : 4U); ++i) bytes[i] = static_cast<std::uint8_t>(c.Bits >> (8 * i));
        AnalysePatterns(st);
        EXPECT_EQ(c.Double ? st.DoubleHex : st.SingleHex, HexOf(c.Bits, c.Double ? 16 : 8)) << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleSign : st.SingleSign, static_cast<int>(c.Bits >> (c.Double ? 63 : 31)))
            << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleExponent : st.SingleExponent, c.Exponent) << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleMantissaHex : st.SingleMantissaHex, c.MantissaHex) << c.Reason;
        EXPECT_TRUE(c.Binary.empty() || c.Binary == (c.Double ? st.DoubleBinary : st.SingleBinary)) << c.Reason;
        EXPECT_TRUE(c.Exact.empty() || c.Exact == (c.Double ? st.DoubleExact : st.SingleExact)) << c.Reason;
    }
}

// One state analysing pattern after pattern reuses its texts' storage: every field and text
// must be the one a fresh state gets, whatever longer or shorter values came before.
TEST(AnalysePatternsTest, AnalysingAgainOverwritesEverything) {
    const struct {
        std::array<std::uint8_t, 8> Double;
        std::array<std::uint8_t, 4> Single;
        const char* Reason;
    } sequence[] = {
        {{0, 0, 0, 0, 0, 0, 0xF0, 0x7F}, {0, 0, 0x80, 0x7F}, "all-ones exponents: the longest integers"},
        {{1, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0}, "smallest subnormals: the longest fractions"},
        {{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, {0, 0, 0x80, 0x3F}, "one: short texts after long ones"},
        {{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0xBF}, {0xCD, 0xCC, 0xCC, 0xBD}, "-0,1 after one"},
        {{0, 0, 0, 0, 0, 0, 0, 0x80}, {0, 0, 0, 0x80}, "negative zeros last"},
    };
    ConversionState reused;
    for (const auto& step : sequence) {
        ConversionState fresh;
        fresh.DoubleBytes = reused.DoubleBytes = step.Double;
        fresh.SingleBytes = reused.SingleBytes = step.Single;
        AnalysePatterns(fresh);
        AnalysePatterns(reused);
        for (const auto member : {&ConversionState::SingleHex, &ConversionState::SingleMantissaBits,
                                  &ConversionState::SingleBinary, &ConversionState::SingleBinarySci,
                                  &ConversionState::SingleExact, &ConversionState::SingleExactSci,
                                  &ConversionState::DoubleHex, &ConversionState::DoubleMantissaHex,
                                  &ConversionState::DoubleMantissaBits, &ConversionState::DoubleBinary,
                                  &ConversionState::DoubleBinarySci, &ConversionState::DoubleExact,
                                  &ConversionState::DoubleExactSci}) {
            EXPECT_EQ(reused.*member, fresh.*member) << step.Reason;
        }
    }
}

}  // namespace
}  // namespace pexabit
