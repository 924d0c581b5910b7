// Exact expansion of base-2 texts: the set-bit span, the comma and the sign decide the path.
#include <gtest/gtest.h>

#include "decimal/BinaryToDecimal.h"

namespace pexabit {
namespace {

struct Case {
    std::string In, Out;
    const char* Reason;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.Reason; }
};

class BinaryToDecimalTest : public ::testing::TestWithParam<Case> {};
TEST_P(BinaryToDecimalTest, Expands) {
    const std::string in = GetParam().In;
    EXPECT_EQ(BinaryToDecimal(in), GetParam().Out) << GetParam().Reason;
    EXPECT_EQ(in, GetParam().In) << "argument left unchanged";
}

INSTANTIATE_TEST_SUITE_P(Cases, BinaryToDecimalTest, ::testing::Values(
    Case{"+1,1", "+1,5", "integer and fraction bit"},
    Case{"-0,01", "-0,25", "sign copied"},
    Case{"+101", "+5,0", "no comma: an integer"},
    Case{"+101,", "+5,0", "empty fraction"},
    Case{"+0,0", "+0,0", "zero"},
    Case{"-0,0", "-0,0", "zero keeps its sign"},
    Case{"+000110,100", "+6,5", "leading and trailing zero bits"},
    Case{"+1,00000000000000000000001", "+1,00000011920928955078125", "last Single fraction bit"},
    Case{"+0,000110011001100110011001101", "+0,100000001490116119384765625", "Single 0,1"},
    Case{"+0," + std::string(148, '0') + "1",
         "+0," + std::string(44, '0') +
             "140129846432481707092372958328991613128026194187651577175706828388979108268586060148663818836212158203125",
         "smallest Single subnormal: 149 places"},
    Case{"+1" + std::string(63, '1'), "+18446744073709551615,0", "64 set bits: the widest small significand"},
    Case{"+1" + std::string(63, '0') + ",1", "+9223372036854775808,5", "65-bit span: the general path"},
    Case{"+1,2x1", "+1,125", "characters other than 1 count as 0"},
    Case{"+1,1,1", "+1,625", "a second comma is a 0 bit"}));

TEST(BinaryToDecimalTest, LargestDoubleHasA309DigitIntegerPart) {
    const std::string r = BinaryToDecimal("+" + std::string(53, '1') + std::string(971, '0'));
    EXPECT_EQ(r.substr(0, 12), "+17976931348");
    EXPECT_EQ(r.size(), 1 + 309 + 2);
    EXPECT_TRUE(r.ends_with(",0"));
}

}  // namespace
}  // namespace pexabit
