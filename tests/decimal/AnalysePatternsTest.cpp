// From stored bytes to fields and exact texts: byte order, masks, the subnormal switch and the
// places of the comma at the exponent boundaries. Stale texts are left to the hand-over tests.
#include <gtest/gtest.h>

#include "GmpReference.h"
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

TEST(AnalysePatternsTest, FieldsAndTextsAtTheBoundaries) {
    const Case cases[] = {
        {false, 0x7F800000, 255, "000000", "+1" + std::string(128, '0'),
         "+340282366920938463463374607431768211456,0", "all-ones exponent expanded like a normal number"},
        {false, 0x807FFFFF, 0, "7FFFFF", "-0," + std::string(126, '0') + std::string(23, '1'),
         "-0,00000000000000000000000000000000000001175494210692441075487029444849287348827052428745893333857174530571588870475618904265502351336181163787841796875",
         "largest subnormal: no hidden bit, mantissa top byte masked"},
        {false, 0x3DCCCCCD, 123, "4CCCCD", "+0,000110011001100110011001101", "", "below one"},
        {false, 0x4B800000, 151, "000000", "+1" + std::string(24, '0'), "+16777216,0", "E = 151: no comma"},
        {false, 0x4B000001, 150, "000001", "+1" + std::string(22, '0') + "1,", "+8388609,0",
         "E = 150: ends in an empty fraction"},
        {false, 0x80000000, 0, "000000", "-0," + std::string(149, '0'), "-0,0", "negative zero keeps its sign"},
        {true, 0x0000000000000001, 0, "0000000000001", "+0," + std::string(1073, '0') + "1", "",
         "smallest Double subnormal"},
        {true, 0xFFF7060504030201, 2047, "7060504030201", "", "", "the seventh byte split between fields"},
    };
    for (const Case& c : cases) {
        ConversionState st;
        std::uint8_t* bytes = c.Double ? st.DoubleBytes.data() : st.SingleBytes.data();
        for (std::size_t i = 0; i < (c.Double ? 8U : 4U); ++i) bytes[i] = static_cast<std::uint8_t>(c.Bits >> (8 * i));
        AnalysePatterns(st);
        EXPECT_EQ(c.Double ? st.DoubleHex : st.SingleHex, testing::HexOf(c.Bits, c.Double ? 16 : 8)) << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleSign : st.SingleSign, static_cast<int>(c.Bits >> (c.Double ? 63 : 31)))
            << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleExponent : st.SingleExponent, c.Exponent) << c.Reason;
        EXPECT_EQ(c.Double ? st.DoubleMantissaHex : st.SingleMantissaHex, c.MantissaHex) << c.Reason;
        EXPECT_TRUE(c.Binary.empty() || c.Binary == (c.Double ? st.DoubleBinary : st.SingleBinary)) << c.Reason;
        EXPECT_TRUE(c.Exact.empty() || c.Exact == (c.Double ? st.DoubleExact : st.SingleExact)) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
