// The text-to-text routines: scientific notation and the difference of magnitudes. The GMP
// sweeps check the digits; these rows check the text forms.
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
        {"+1,0", "+1,0e+0", "trimming stops at ,0"},
        {"+16777216,0", "+1,6777216e+7", "inner zeros kept, trailing ones go down to ,0"},
        {"+1" + std::string(24, '0'), "+1,0e+24", "integer without comma"},
        {"-0,5", "-5,e-1", "single digit below one leaves nothing after the comma; sign kept"},
        {"+0,1200", "+1,20e-1", "below one a run of trailing zeros is cut to one"},
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
        std::string out = "stale";
        FormatScientific(s, out);
        EXPECT_EQ(out, c.Out) << c.Reason;
        EXPECT_EQ(s, c.In) << c.Reason;
    }
}

TEST(TextFormsTest, SubtractDecimal) {
    const struct {
        std::string A, B, Difference;
        const char* Reason;
    } cases[] = {
        {"+0,0", "-0,0", "+0,0", "zeros of both signs"},
        {"+16777217,0", "+16777216,0", "+1,0", "leading zeros removed down to the units"},
        {"+2097152,15", "+2097152,25", "-0,1", "trailing zero of the raw difference removed"},
        {"+1," + std::string(40000, '0'), "+0," + std::string(39999, '0') + "1", "+0," + std::string(40000, '9'),
         "operands beyond 32767 characters"},
    };
    for (const auto& c : cases) {
        std::string a = c.A, b = c.B;
        EXPECT_EQ(SubtractDecimal(a, b), c.Difference) << c.Reason;
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
