// The digit-string routines where their text forms can go wrong; the GMP sweep checks the
// powers digit for digit.
#include <gtest/gtest.h>

#include <stdexcept>

#include "decimal/DigitStrings.h"

namespace pexabit {
namespace {

TEST(DigitStringsTest, PowersKeepTheirPlaces) {
    EXPECT_EQ(PowerOfTwo(0), "1") << "2^0 is the lone 1";
    EXPECT_EQ(NegativePowerOfTwo(0), "0") << "2^-0 has no fraction digits";
    EXPECT_THROW(PowerOfTwo(-1), std::invalid_argument);
    EXPECT_THROW(NegativePowerOfTwo(-1), std::invalid_argument);
}

TEST(DigitStringsTest, Additions) {
    const struct {
        bool Fraction;  // AddFractionDigits (left-aligned, carry flagged), else AddIntegerDigits
        std::string A, B, Sum;
        std::int16_t Carry;
        const char* Reason;
    } cases[] = {
        {false, "99", "1", "100", 0, "shorter operand padded in front, carry out into a new digit"},
        {false, "007", "1", "008", 0, "leading zeros of the operands survive"},
        {false, "1x", "12", "22", 0, "a non-digit reads as 0"},
        {true, "25", "0625", "3125", 0, "shorter operand padded at the end"},
        {true, "5,", "55", "05", 1, "a non-digit (the comma) reads as 0"},
        {false, std::string(40000, '9'), "1", "1" + std::string(40000, '0'), 0, "operands beyond 32767 digits"},
        {true, std::string(40000, '9'), std::string(39999, '0') + "1", std::string(40000, '0'), 1, "the same, left"},
    };
    for (const auto& c : cases) {
        std::int16_t carry = 7;
        const std::string sum = c.Fraction ? AddFractionDigits(c.A, c.B, carry) : AddIntegerDigits(c.A, c.B);
        EXPECT_EQ(sum, c.Sum) << c.Reason;
        EXPECT_EQ(c.Fraction ? carry : c.Carry, c.Carry) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
