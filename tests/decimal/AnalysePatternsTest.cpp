// From stored bytes to fields and exact texts: byte order, masks, and the places of the comma
// at the exponent boundaries.
#include <gtest/gtest.h>

#include "decimal/AnalysePatterns.h"
#include "decimal/PatternFields.h"

namespace pexabit {
namespace {

struct SingleCase {
    std::array<std::uint8_t, 4> Bytes;
    std::string Hex, MantissaHex, Binary, Exact;
    std::int32_t Exponent;
    const char* Reason;
};

TEST(AnalysePatternsTest, SingleBoundaries) {
    const std::string zeros149(149, '0');
    const SingleCase cases[] = {
        {{0, 0, 0x80, 0x3F}, "3F800000", "000000", "+1," + std::string(23, '0'), "+1,0", 127, "E = bias"},
        {{0xCD, 0xCC, 0xCC, 0x3D}, "3DCCCCCD", "4CCCCD", "+0,000110011001100110011001101",
         "+0,100000001490116119384765625", 123, "below one"},
        {{0, 0, 0x80, 0x4B}, "4B800000", "000000", "+1" + std::string(24, '0'), "+16777216,0", 151,
         "E = 151: an integer with no comma"},
        {{1, 0, 0, 0x4B}, "4B000001", "000001", "+1" + std::string(22, '0') + "1,", "+8388609,0", 150,
         "E = 150: ends in an empty fraction"},
        {{0, 0, 0, 0x80}, "80000000", "000000", "-0," + zeros149, "-0,0", 0, "negative zero keeps its sign"},
        {{0, 0, 0x80, 0x7F}, "7F800000", "000000", "+1" + std::string(128, '0'),
         "+340282366920938463463374607431768211456,0", 255, "all-ones exponent expanded like a normal number"},
        {{0xFF, 0xFF, 0x7F, 0x80}, "807FFFFF", "7FFFFF", "-0," + std::string(126, '0') + std::string(23, '1'),
         "-0,00000000000000000000000000000000000001175494210692441075487029444849287348827052428745893333857174530571588870475618904265502351336181163787841796875",
         0, "largest subnormal: mantissa top byte masked"},
    };
    for (const SingleCase& c : cases) {
        ConversionState st;
        st.SingleBytes = c.Bytes;
        AnalysePatterns(st);
        EXPECT_EQ(st.SingleHex, c.Hex) << c.Reason;
        EXPECT_EQ(st.SingleSign, c.Bytes[3] >> 7) << c.Reason;
        EXPECT_EQ(st.SingleExponent, c.Exponent) << c.Reason;
        EXPECT_EQ(st.SingleMantissaHex, c.MantissaHex) << c.Reason;
        EXPECT_EQ(st.SingleBinary, c.Binary) << c.Reason;
        EXPECT_EQ(st.SingleExact, c.Exact) << c.Reason;
    }
}

TEST(AnalysePatternsTest, DoubleOneTenthAndSmallestSubnormal) {
    ConversionState st;
    st.DoubleBytes = {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F};
    AnalysePatterns(st);
    EXPECT_EQ(st.DoubleHex, "3FB999999999999A");
    EXPECT_EQ(st.DoubleExponent, 1019);
    EXPECT_EQ(st.DoubleMantissaHex, "999999999999A");
    EXPECT_EQ(st.DoubleExactSci, "+1,000000000000000055511151231257827021181583404541015625e-1");
    st.DoubleBytes = {0x01, 0, 0, 0, 0, 0, 0, 0};
    AnalysePatterns(st);
    EXPECT_EQ(st.DoubleBinary, "+0," + std::string(1073, '0') + "1");
    EXPECT_EQ(st.DoubleBinarySci, "+1,e-1074");
    EXPECT_EQ(st.DoubleExact.size(), 3 + 1074U);
}

TEST(AnalysePatternsTest, DoubleFieldsSplitTheSeventhByte) {
    ConversionState st;
    st.DoubleBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xF7, 0xFF};
    AnalysePatternFields(st);
    EXPECT_EQ(st.DoubleSign, 1);
    EXPECT_EQ(st.DoubleExponent, 2047);
    EXPECT_EQ(st.DoubleMantissaHex, "7060504030201");
    EXPECT_EQ(st.DoubleMantissaBits, "0111" "00000110" "00000101" "00000100" "00000011" "00000010" "00000001");
    EXPECT_EQ(st.DoubleMantissaBytes[6], 7.0);
    EXPECT_EQ(ByteToBits(5), "00000101");
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
