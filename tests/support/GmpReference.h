#pragma once
// GMP as an independent reference for the exact arithmetic: rationals written as DecimalStrings
// and decimal texts read as rationals, without any of the system's own digit arithmetic; and
// patterns written as hex, as the tests name them.

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace pexabit::testing {

// |q| as a DecimalString with the given sign; q's denominator must divide a power of ten.
// ToDecimalString(mpq_class(5, 4), '+') == "+1,25".
inline std::string ToDecimalString(const mpq_class& q, char sign) {
    const mpz_class num = abs(q.get_num()), den = q.get_den();
    mpz_class odd, scale;
    const auto fives = mpz_remove(odd.get_mpz_t(), den.get_mpz_t(), mpz_class(5).get_mpz_t());
    const auto places = std::max<unsigned long>(mpz_scan1(den.get_mpz_t(), 0), fives);
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
    std::string digits = mpz_class((num % den) * scale / den).get_str();
    digits.insert(0, places - std::min<std::size_t>(places, digits.size()), '0');
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string r(1, sign);
    r.append(mpz_class(num / den).get_str()).append(1, ',').append(digits.empty() ? "0" : digits);
    return r;
}

// The exact DecimalString of a double (a float widens to it exactly), its sign kept.
// ExactDecimal(0.5) == "+0,5", ExactDecimal(-0.0) == "-0,0".
inline std::string ExactDecimal(double value) {
    return ToDecimalString(mpq_class(std::fabs(value)), std::signbit(value) ? '-' : '+');
}

// The value of a decimal text: optional sign, digits, optional "," and fraction digits.
// FromDecimalText("-1,25") == mpq_class(-5, 4).
inline mpq_class FromDecimalText(std::string s) {
    const bool negative = s[0] == '-';
    if (s[0] == '+' || s[0] == '-') s.erase(0, 1);
    const std::size_t comma = std::min(s.find(','), s.size());
    const std::size_t places = comma == s.size() ? 0 : s.size() - comma - 1;
    if (comma < s.size()) s.erase(comma, 1);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
    mpq_class q(mpz_class(s, 10), scale);
    q.canonicalize();
    return negative ? mpq_class(-q) : q;
}

// The low `digits` hex digits of `bits`, upper case: HexOf(0x3F800000, 8) == "3F800000".
inline std::string HexOf(std::uint64_t bits, std::size_t digits) {
    std::string out(digits, '0');
    for (std::size_t i = digits; i-- > 0; bits >>= 4) out[i] = "0123456789ABCDEF"[bits & 15];
    return out;
}

}  // namespace pexabit::testing
