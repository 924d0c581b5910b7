#include "decimal/DigitStrings.h"

#include <algorithm>
#include <stdexcept>

#include "decimal/DecimalLimbs.h"
#include "decimal/PowerTables.h"

namespace pexabit {

namespace {

// A character that is not a digit reads as 0.
int DigitValue(char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; }

void RefuseNegative(std::int32_t n, const char* routine) {
    if (n < 0) throw std::invalid_argument(std::string(routine) + ": n must not be negative");
}

// Adds the equally long, aligned a and b digit by digit from the right into out[0, length);
// returns the carry out of the first digit.
int AddAligned(std::string_view a, std::string_view b, char* out) {
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int sum = DigitValue(a[i]) + DigitValue(b[i]) + carry;
        carry = sum > 9 ? 1 : 0;
        out[i] = static_cast<char>('0' + sum - 10 * carry);
    }
    return carry;
}

}  // namespace

std::string PowerOfTwo(std::int32_t n) {
    RefuseNegative(n, "PowerOfTwo");
    limbs::Limbs scratch;
    const auto x = limbs::PowerOfTwoLimbs(static_cast<std::size_t>(n), scratch);
    std::string s(limbs::DecimalLength(x), '0');
    limbs::WriteDigits(x, s.data(), s.size());
    return s;
}

std::string NegativePowerOfTwo(std::int32_t n) {
    RefuseNegative(n, "NegativePowerOfTwo");
    if (n == 0) return "0";
    // 2^-n = 5^n / 10^n: the digits of 5^n written with n places.
    limbs::Limbs scratch;
    const auto x = limbs::PowerOfFive(static_cast<std::size_t>(n), scratch);
    std::string s(static_cast<std::size_t>(n), '0');
    limbs::WriteDigits(x, s.data(), s.size());
    return s;
}

std::string AddIntegerDigits(std::string_view a, std::string_view b) {
    // Right-aligned: pad the shorter operand with zeros in front.
    const std::size_t length = std::max(a.size(), b.size());
    std::string pa(length - a.size(), '0');
    pa.append(a);
    std::string pb(length - b.size(), '0');
    pb.append(b);
    std::string result(length + 1, '1');
    const int carry = AddAligned(pa, pb, result.data() + 1);
    if (carry == 0) result.erase(0, 1);
    return result;
}

std::string AddFractionDigits(std::string_view a, std::string_view b, std::int16_t& FractionCarry) {
    // Left-aligned: pad the shorter operand with zeros at the end.
    const std::size_t length = std::max(a.size(), b.size());
    std::string pa(a);
    pa.resize(length, '0');
    std::string pb(b);
    pb.resize(length, '0');
    std::string result(length, '0');
    FractionCarry = static_cast<std::int16_t>(AddAligned(pa, pb, result.data()));
    return result;
}

}  // namespace pexabit
