// Exact expansion of base-2 texts: the comma, the sign and the width of the set bits decide
// the path. The GMP sweep checks the digits of every format; these rows check the text forms.
#include <gtest/gtest.h>

#include "decimal/BinaryToDecimal.h"

namespace pexabit {
namespace {

struct Case {
    std::string In, Out;
    const char* Reason;
};

TEST(BinaryToDecimalTest, TextForms) {
    const Case cases[] = {
        {"+1,1", "+1,5", "integer and fraction bit"},
        {"-0,01", "-0,25", "sign copied"},
        {"+101", "+5,0", "no comma: an integer"},
        {"+101,", "+5,0", "empty fraction"},
        {"-0,0", "-0,0", "zero keeps its sign"},
        {"+000110,100", "+6,5", "leading and trailing zero bits"},
        {"+1" + std::string(63, '1'), "+18446744073709551615,0", "64 set bits: the widest small significand"},
        {"+1" + std::string(63, '0') + ",1", "+9223372036854775808,5", "65-bit span: the general path"},
        {"+1,2x1", "+1,125", "characters other than 1 count as 0"},
        {"+1,1,1", "+1,625", "a second comma is a 0 bit"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BinaryToDecimal(c.In), c.Out) << c.Reason;
        std::string out(2000, '7');  // an earlier, longer result whose storage is reused
        BinaryToDecimal(c.In, out);
        EXPECT_EQ(out, c.Out) << c.Reason << ", written over an earlier result";
    }
}

}  // namespace
}  // namespace pexabit
