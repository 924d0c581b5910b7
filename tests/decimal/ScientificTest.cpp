// Scientific notation: the two branches trim zeros differently; a missing sign is added to the
// caller's own variable; input outside the domain comes back untouched.
#include <gtest/gtest.h>

#include "decimal/Scientific.h"

namespace pexabit {
namespace {

struct Case {
    std::string In, Out;
    const char* Reason;
};

TEST(FormatScientificTest, Forms) {
    const Case cases[] = {
        {"+1,0", "+1,0e+0", "trimming stops at ,0"},
        {"+100,0", "+1,0e+2", "from one up every trailing zero goes, down to ,0"},
        {"+123,45", "+1,2345e+2", "comma moved two places"},
        {"+16777216,0", "+1,6777216e+7", "inner zeros kept"},
        {"+1" + std::string(24, '0'), "+1,0e+24", "integer without comma"},
        {"-0,25", "-2,5e-1", "below one, negative"},
        {"+0,5", "+5,e-1", "single digit below one leaves nothing after the comma"},
        {"+0,50", "+5,0e-1", "below one a trailing zero survives"},
        {"+0,1200", "+1,20e-1", "below one a run of trailing zeros is cut to one"},
        {"+0,000110011001100110011001101", "+1,10011001100110011001101e-4", "base-2 form of 0,1"},
        {"+0," + std::string(1073, '0') + "1", "+1,e-1074", "largest exponent the system makes"},
        {"-0,0", "-0,0", "zero returned as itself, sign kept"},
        {"+0,000", "+0,0", "trailing zeros cut before the zero test"},
        {"", "", "empty: refused unchanged"},
        {"+,5", "+,5", "second character is not a digit: refused"},
        {"x1", "x1", "no digit after the would-be sign: refused, not prefixed"},
        {"+0", "+,e-1", "a digit but no comma: no read beyond the end"},
    };
    for (const Case& c : cases) {
        std::string s = c.In;
        EXPECT_EQ(FormatScientific(s), c.Out) << c.Reason;
        EXPECT_EQ(s, c.In) << c.Reason;
        // Written over a longer earlier result, nothing of it may survive.
        std::string out(2000, '7');
        FormatScientific(s, out);
        EXPECT_EQ(out, c.Out) << c.Reason << ", written over an earlier result";
    }
}

TEST(FormatScientificTest, MissingSignIsAddedToTheArgument) {
    std::string s = "1,5";
    EXPECT_EQ(FormatScientific(s), "+1,5e+0");
    EXPECT_EQ(s, "+1,5");
}

}  // namespace
}  // namespace pexabit
