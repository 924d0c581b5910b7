// Difference of magnitudes: alignment, borrow, the sign of the larger, canonical trimming and
// the normalisation of the caller's arguments. The GMP sweep covers random operands.
#include <gtest/gtest.h>

#include "decimal/Subtract.h"

namespace pexabit {
namespace {

struct Case {
    std::string A, B, Difference;
    const char* Reason;
};

TEST(SubtractDecimalTest, Differences) {
    const Case cases[] = {
        {"+1,25", "+1,5", "-0,25", "second magnitude larger"},
        {"+100,5", "+2,25", "+98,25", "borrow across the comma"},
        {"-1,5", "-1,25", "+0,25", "signs are not used"},
        {"+1,5", "-1,5", "+0,0", "equal magnitudes, signs differ"},
        {"+0,0", "-0,0", "+0,0", "zeros of both signs"},
        {"+1,50", "+1,5", "+0,0", "equal after padding"},
        {"+16777217,0", "+16777216,0", "+1,0", "leading zeros removed down to the units"},
        {"+2097152,15", "+2097152,25", "-0,1", "trailing zero of the raw difference removed"},
        {"+0,1000000000000000055511151231257827021181583404541015625", "+0,100000001490116119384765625",
         "-0,0000000014901161138336505018742172978818416595458984375", "Double minus Single of 0,1"},
        {"+1," + std::string(40000, '0'), "+0," + std::string(39999, '0') + "1", "+0," + std::string(40000, '9'),
         "operands beyond 32767 characters"},
    };
    for (const Case& c : cases) {
        std::string a = c.A, b = c.B;
        EXPECT_EQ(SubtractDecimal(a, b), c.Difference) << c.Reason;
    }
}

TEST(SubtractDecimalTest, MissingSignAndCommaAreAddedToTheArguments) {
    std::string a = "5,5", b = "+2";
    EXPECT_EQ(SubtractDecimal(a, b), "+3,5");
    EXPECT_EQ(a, "+5,5");
    EXPECT_EQ(b, "+2,0");
}

}  // namespace
}  // namespace pexabit
