// The text-to-text routines: the quirks of the scientific notation, its refusals outside the
// domain, and what both routines do to their callers' variables. The output guard holds the
// forms the reports make.
#include <gtest/gtest.h>

#include "decimal/Scientific.h"
#include "decimal/Subtract.h"

namespace pexabit {
namespace {

struct Case {
    std::string In, Out;
    const char* Reason;
};

TEST(TextFormsTest, FormatScientific) {
    const Case cases[] = {
        {"+16777216,00", "+1,6777216e+7", "inner zeros kept, trailing ones go down to ,0"},
        {"-0,5", "-5,e-1", "single digit below one leaves nothing after the comma; sign kept"},
        {"+0,1200", "+1,20e-1", "below one a run of trailing zeros is cut to one"},
        {"+0,000", "+0,0", "trailing zeros cut before the zero test"},
        {"", "", "empty: refused unchanged"},
        {"+,5", "+,5", "second character is not a digit: refused"},
        {"x1", "x1", "no digit after the would-be sign: refused, not prefixed"},
        {"+0", "+,e-1", "a digit but no comma: no read beyond the end"},
    };
    for (const Case& c : cases) {
        std::string s = c.In;
        std::string out = "stale";
        FormatScientific(s, out);
        EXPECT_EQ(out, c.Out) << c.Reason;
        EXPECT_EQ(s, c.In) << c.Reason;
    }
}

// Callers rely on their own variables being normalised: a missing "+" (and a missing ",0").
TEST(TextFormsTest, CallersArgumentsGainSignAndComma) {
    std::string s = "1,5", a = "5,5", b = "+2";
    std::string out;
    FormatScientific(s, out);
    EXPECT_EQ(out, "+1,5e+0");
    EXPECT_EQ(s, "+1,5");
    EXPECT_EQ(SubtractDecimal(a, b), "+3,5");
    EXPECT_EQ(a, "+5,5");
    EXPECT_EQ(b, "+2,0");
}

}  // namespace
}  // namespace pexabit
