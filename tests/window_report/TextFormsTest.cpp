// The scientific notation: its quirks and its refusals outside the domain. The output guard holds
// the forms the reports make; the fuzz target checks what it and the subtraction add to their
// callers' texts (a sign, a ",0"), which no caller passes without them.
#include <gtest/gtest.h>

#include "window_report/Scientific.h"

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

}  // namespace
}  // namespace pexabit
