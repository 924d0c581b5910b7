// The four digit-string routines: powers, and additions aligned right and left.
#include <gtest/gtest.h>

#include <stdexcept>

#include "decimal/DigitStrings.h"

namespace pexabit {
namespace {

struct PowerCase {
    std::int32_t N;
    std::string Prefix;  // the result begins with this
    std::size_t Length;
    const char* Reason;
    friend void PrintTo(const PowerCase& c, std::ostream* os) { *os << c.Reason; }
};

class PowerOfTwoTest : public ::testing::TestWithParam<PowerCase> {};
TEST_P(PowerOfTwoTest, Digits) {
    const std::string s = PowerOfTwo(GetParam().N);
    EXPECT_EQ(s.substr(0, GetParam().Prefix.size()), GetParam().Prefix) << GetParam().Reason;
    EXPECT_EQ(s.size(), GetParam().Length) << GetParam().Reason;
}
INSTANTIATE_TEST_SUITE_P(Cases, PowerOfTwoTest, ::testing::Values(
    PowerCase{0, "1", 1, "2^0 is the lone 1"},
    PowerCase{10, "1024", 4, "carry into a new leading digit"},
    PowerCase{29, "536870912", 9, "exactly one full limb"},
    PowerCase{30, "1073741824", 10, "first value spilling into a second limb"},
    PowerCase{1024, "179769313486231590772930", 309, "the all-ones Double exponent"},
    PowerCase{5000, "1412467032139426036835209", 1506, "beyond the tabled powers"}));

class NegativePowerOfTwoTest : public ::testing::TestWithParam<PowerCase> {};
TEST_P(NegativePowerOfTwoTest, Digits) {
    const std::string s = NegativePowerOfTwo(GetParam().N);
    EXPECT_EQ(s.substr(0, GetParam().Prefix.size()), GetParam().Prefix) << GetParam().Reason;
    EXPECT_EQ(s.size(), GetParam().Length) << GetParam().Reason;
}
INSTANTIATE_TEST_SUITE_P(Cases, NegativePowerOfTwoTest, ::testing::Values(
    PowerCase{0, "0", 1, "2^-0 has no fraction digits: a lone 0"},
    PowerCase{1, "5", 1, "first halving"},
    PowerCase{2, "25", 2, "no leading zero yet"},
    PowerCase{4, "0625", 4, "leading zero kept"},
    PowerCase{7, "0078125", 7, "two leading zeros kept"},
    PowerCase{1074, std::string(323, '0') + "4940656", 1074, "smallest Double subnormal"},
    PowerCase{2500, std::string(752, '0') + "2660", 2500, "beyond a 2000-cell buffer"}));

TEST(DigitStringsTest, NegativeExponentsAreRefused) {
    EXPECT_THROW(PowerOfTwo(-1), std::invalid_argument);
    EXPECT_THROW(NegativePowerOfTwo(-1), std::invalid_argument);
}

struct AddCase {
    std::string A, B, Sum;
    std::int16_t Carry;  // FractionCarry, fraction additions only
    const char* Reason;
    friend void PrintTo(const AddCase& c, std::ostream* os) { *os << c.Reason; }
};

class AddIntegerDigitsTest : public ::testing::TestWithParam<AddCase> {};
TEST_P(AddIntegerDigitsTest, Sum) {
    EXPECT_EQ(AddIntegerDigits(GetParam().A, GetParam().B), GetParam().Sum) << GetParam().Reason;
    EXPECT_EQ(AddIntegerDigits(GetParam().B, GetParam().A), GetParam().Sum) << "commuted: " << GetParam().Reason;
}
INSTANTIATE_TEST_SUITE_P(Cases, AddIntegerDigitsTest, ::testing::Values(
    AddCase{"0", "16", "16", 0, "shorter operand padded in front"},
    AddCase{"99", "1", "100", 0, "carry runs out into a new digit"},
    AddCase{"007", "1", "008", 0, "leading zeros of the operands survive"},
    AddCase{"45", "45", "90", 0, "equal lengths, no padding"},
    AddCase{"1x", "12", "22", 0, "a non-digit reads as 0"}));

class AddFractionDigitsTest : public ::testing::TestWithParam<AddCase> {};
TEST_P(AddFractionDigitsTest, SumAndCarry) {
    std::int16_t carry = 7;
    EXPECT_EQ(AddFractionDigits(GetParam().A, GetParam().B, carry), GetParam().Sum) << GetParam().Reason;
    EXPECT_EQ(carry, GetParam().Carry) << GetParam().Reason;
}
INSTANTIATE_TEST_SUITE_P(Cases, AddFractionDigitsTest, ::testing::Values(
    AddCase{"25", "0625", "3125", 0, "shorter operand padded at the end"},
    AddCase{"5", "5", "0", 1, "carry out of the first digit is dropped and flagged"},
    AddCase{"0", "5", "5", 0, "flag cleared"},
    AddCase{"0095", "0005", "0100", 0, "carry across digits, leading zeros kept"},
    AddCase{"5,", "55", "05", 1, "a non-digit reads as 0"}));

TEST(DigitStringsTest, OperandsBeyond32767Digits) {
    const std::string nines(40000, '9');
    const std::string sum = AddIntegerDigits(nines, "1");
    EXPECT_EQ(sum, "1" + std::string(40000, '0'));
    std::int16_t carry = 0;
    EXPECT_EQ(AddFractionDigits(nines, std::string(39999, '0') + "1", carry), std::string(40000, '0'));
    EXPECT_EQ(carry, 1);
}

}  // namespace
}  // namespace pexabit
