#pragma once
// Elementary arithmetic on unsigned decimal digit strings (no sign, no separator).
// Integer digit strings are read right-aligned, fraction digit strings (the digits after the
// comma) left-aligned. Leading zeros of operands are significant and survive.
// A character that is not a digit reads as 0. Lengths are limited only by memory.

#include <cstdint>
#include <string>
#include <string_view>

namespace pexabit {

// 2^n as an integer digit string without leading zeros. n >= 0, else std::invalid_argument.
// PowerOfTwo(0) == "1", PowerOfTwo(10) == "1024".
std::string PowerOfTwo(std::int32_t n);

// The n digits after the comma of 2^-n (the digits of 5^n written with n places), leading
// zeros kept; "0" for n == 0. n >= 0, else std::invalid_argument.
// NegativePowerOfTwo(3) == "125", NegativePowerOfTwo(4) == "0625".
std::string NegativePowerOfTwo(std::int32_t n);

// a + b, right-aligned; the result is as long as the longer operand, or one longer on a carry.
// AddIntegerDigits("99", "1") == "100", AddIntegerDigits("007", "1") == "008".
std::string AddIntegerDigits(std::string_view a, std::string_view b);

// a + b, left-aligned; the result is exactly as long as the longer operand. A carry out of the
// first fraction digit is dropped from the digits and reported in FractionCarry (1, else 0).
// AddFractionDigits("5", "5", carry) == "0" with carry 1.
std::string AddFractionDigits(std::string_view a, std::string_view b, std::int16_t& FractionCarry);

}  // namespace pexabit
