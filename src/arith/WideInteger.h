#pragma once
// Signed integers of any size, kept as decimal digits: a typed exponent may have a million
// digits, and so may the decimal exponents and digit counts made from it. Only what those need:
// sums, the comparison with a 64-bit bound, and the decimal text. Not a BigUnsigned with a sign:
// these values are never multiplied or divided, a few sums per input at most, and printing a
// million-digit binary number in decimal would cost more than all of that arithmetic.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pexabit {

class WideInteger {
public:
    WideInteger() = default;  // zero
    // Implicit, so that 64-bit values mix into sums: exponent + 1.
    WideInteger(std::int64_t value);  // NOLINT(google-explicit-constructor)
    // The integer of a run of decimal digits (leading zeros allowed, "" is 0) with a sign.
    // FromDigits(true, "007") is -7.
    static WideInteger FromDigits(bool negative, std::string_view digits);

    bool IsNegative() const { return negative_; }
    // The value when it lies within [-limit, limit] (limit >= 0), else nullopt.
    std::optional<std::int64_t> Within(std::int64_t limit) const;
    // "123" for -123 and 123, "0" for zero: the magnitude without the sign.
    std::string MagnitudeText() const;

    friend WideInteger operator+(const WideInteger& a, const WideInteger& b);
    friend WideInteger operator-(WideInteger a) {
        if (!a.digits_.empty()) a.negative_ = !a.negative_;
        return a;
    }
    friend WideInteger operator-(const WideInteger& a, const WideInteger& b) { return a + -b; }
    friend bool operator==(const WideInteger&, const WideInteger&) = default;

private:
    bool negative_ = false;
    std::string digits_;  // the magnitude, least significant digit first, no zero on top; "" for 0
};

}  // namespace pexabit
