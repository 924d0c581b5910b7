// Scientific notation: the two branches trim zeros differently; a missing sign is added to the
// caller's own variable.
#include <gtest/gtest.h>

#include "decimal/Scientific.h"

namespace pexabit {
namespace {

struct Case {
    std::string In, Out;
    std::string After;  // the caller's variable afterwards
    const char* Reason;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.Reason; }
};

class FormatScientificTest : public ::testing::TestWithParam<Case> {};
TEST_P(FormatScientificTest, Formats) {
    std::string s = GetParam().In;
    EXPECT_EQ(FormatScientific(s), GetParam().Out) << GetParam().Reason;
    EXPECT_EQ(s, GetParam().After) << GetParam().Reason;
}

INSTANTIATE_TEST_SUITE_P(OneOrMore, FormatScientificTest, ::testing::Values(
    Case{"+1,0", "+1,0e+0", "+1,0", "trimming stops at ,0"},
    Case{"+100,0", "+1,0e+2", "+100,0", "all zeros after the first digit cut down to ,0"},
    Case{"+123,45", "+1,2345e+2", "+123,45", "comma moved two places"},
    Case{"+16777216,0", "+1,6777216e+7", "+16777216,0", "inner zeros kept"},
    Case{"+1" + std::string(24, '0'), "+1,0e+24", "+1" + std::string(24, '0'), "integer without comma"},
    Case{"+1,1" + std::string(22, '0'), "+1,1e+0", "+1,1" + std::string(22, '0'), "base-2 form of 1,5"},
    Case{"1,5", "+1,5e+0", "+1,5", "missing sign added to the argument"}));

INSTANTIATE_TEST_SUITE_P(BelowOne, FormatScientificTest, ::testing::Values(
    Case{"+0,100000001490116119384765625", "+1,00000001490116119384765625e-1",
         "+0,100000001490116119384765625", "leading digit followed by zeros"},
    Case{"-0,25", "-2,5e-1", "-0,25", "negative sign kept"},
    Case{"+0,5", "+5,e-1", "+0,5", "single digit leaves nothing after the comma"},
    Case{"+0,50", "+5,0e-1", "+0,50", "one trailing zero survives"},
    Case{"+0,1200", "+1,20e-1", "+0,1200", "a run of trailing zeros is cut to one"},
    Case{"+0,11" + std::string(22, '0'), "+1,10e-1", "+0,11" + std::string(22, '0'), "base-2 form of 0,75"},
    Case{"+0,000110011001100110011001101", "+1,10011001100110011001101e-4",
         "+0,000110011001100110011001101", "base-2 form of 0,1"},
    Case{"+0," + std::string(1073, '0') + "1", "+1,e-1074", "+0," + std::string(1073, '0') + "1",
         "largest exponent the system makes"}));

INSTANTIATE_TEST_SUITE_P(Zeros, FormatScientificTest, ::testing::Values(
    Case{"+0,0", "+0,0", "+0,0", "zero returned as itself"},
    Case{"-0,0", "-0,0", "-0,0", "negative zero keeps its sign"},
    Case{"+0,000", "+0,0", "+0,000", "trailing zeros cut before the zero test"}));

INSTANTIATE_TEST_SUITE_P(OutsideDomain, FormatScientificTest, ::testing::Values(
    Case{"", "", "", "empty: refused unchanged"},
    Case{"+", "+", "+", "sign only"},
    Case{"+,5", "+,5", "+,5", "second character is not a digit"},
    Case{"x1", "x1", "x1", "no digit after the would-be sign: not prefixed"},
    Case{"+0", "+,e-1", "+0", "a digit but no comma: no read beyond the end"}));

}  // namespace
}  // namespace pexabit
