#pragma once
// An independent reference for the exact arithmetic: GMP rationals written as DecimalStrings.

#include <gmpxx.h>

#include <algorithm>
#include <string>

namespace pexabit::testing {

// |q| as a DecimalString with the given sign; q's denominator must divide a power of ten.
// ToDecimalString(mpq_class(5, 4), '+') == "+1,25".
inline std::string ToDecimalString(const mpq_class& q, char sign) {
    const mpz_class num = abs(q.get_num()), den = q.get_den();
    mpz_class odd;
    const auto twos = mpz_scan1(den.get_mpz_t(), 0);
    const auto fives = mpz_remove(odd.get_mpz_t(), den.get_mpz_t(), mpz_class(5).get_mpz_t());
    const unsigned long places = std::max<unsigned long>(twos, fives);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
    const mpz_class integer = num / den, fraction = (num % den) * scale / den;
    std::string digits = fraction.get_str();
    digits.insert(0, places - std::min<std::size_t>(places, digits.size()), '0');
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string r(1, sign);
    r.append(integer.get_str()).append(1, ',').append(digits.empty() ? "0" : digits);
    return r;
}

// The value of a decimal text: optional sign, digits, optional "," and fraction digits.
inline mpq_class FromDecimalText(const std::string& s) {
    const std::size_t start = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    std::string digits = s.substr(start);
    const std::size_t comma = std::min(digits.find(','), digits.size());
    const std::size_t places = comma == digits.size() ? 0 : digits.size() - comma - 1;
    if (comma < digits.size()) digits.erase(comma, 1);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
    mpq_class q(mpz_class(digits, 10), scale);
    q.canonicalize();
    return s[0] == '-' ? mpq_class(-q) : q;
}

}  // namespace pexabit::testing
