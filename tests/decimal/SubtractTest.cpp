// Difference of magnitudes: alignment, borrow, the sign of the larger, canonical trimming, and
// the normalisation of the caller's arguments.
#include <gtest/gtest.h>

#include "decimal/Scientific.h"
#include "decimal/Subtract.h"

namespace pexabit {
namespace {

struct Case {
    std::string A, B, Difference;
    const char* Reason;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.Reason; }
};

class SubtractDecimalTest : public ::testing::TestWithParam<Case> {};
TEST_P(SubtractDecimalTest, Subtracts) {
    std::string a = GetParam().A, b = GetParam().B;
    EXPECT_EQ(SubtractDecimal(a, b), GetParam().Difference) << GetParam().Reason;
}

INSTANTIATE_TEST_SUITE_P(Cases, SubtractDecimalTest, ::testing::Values(
    Case{"+1,5", "+1,25", "+0,25", "fractions aligned at the comma"},
    Case{"+1,25", "+1,5", "-0,25", "second magnitude larger"},
    Case{"+100,5", "+2,25", "+98,25", "borrow across the comma"},
    Case{"-1,5", "-1,25", "+0,25", "signs are not used"},
    Case{"+1,5", "-1,5", "+0,0", "equal magnitudes, signs differ"},
    Case{"+0,0", "-0,0", "+0,0", "zeros of both signs"},
    Case{"+1,50", "+1,5", "+0,0", "equal after padding"},
    Case{"+16777217,0", "+16777216,0", "+1,0", "leading zeros removed down to the units"},
    Case{"+1000,0", "+0,001", "+999,999", "borrow runs the whole length"},
    Case{"+0,1", "+0,100000001490116119384765625", "-0,000000001490116119384765625", "long subtrahend"},
    Case{"+2097152,15", "+2097152,25", "-0,1", "trailing zero of the raw difference removed"}));

TEST(SubtractDecimalTest, DoubleMinusSingleOfOneTenth) {
    std::string a = "+0,1000000000000000055511151231257827021181583404541015625";
    std::string b = "+0,100000001490116119384765625";
    std::string d = SubtractDecimal(a, b);
    EXPECT_EQ(d, "-0,0000000014901161138336505018742172978818416595458984375");
    EXPECT_EQ(FormatScientific(d), "-1,4901161138336505018742172978818416595458984375e-9");
}

TEST(SubtractDecimalTest, MissingSignAndCommaAreAddedToTheArguments) {
    std::string a = "5,5", b = "+2";
    EXPECT_EQ(SubtractDecimal(a, b), "+3,5");
    EXPECT_EQ(a, "+5,5");
    EXPECT_EQ(b, "+2,0");
}

TEST(SubtractDecimalTest, OperandsBeyond32767Characters) {
    std::string a = "+1," + std::string(40000, '0'), b = "+0," + std::string(39999, '0') + "1";
    EXPECT_EQ(SubtractDecimal(a, b), "+0," + std::string(40000, '9'));
}

}  // namespace
}  // namespace pexabit
