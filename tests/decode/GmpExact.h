#pragma once
// The exact DecimalString of a binary value computed with GMP, independently of the system's own
// digit arithmetic: the value is a fraction n / 2^k, whose decimal fraction is n * 5^k with k
// places.

#include <gmpxx.h>

#include <cmath>
#include <string>

namespace pexabit::testing {

inline std::string GmpExactDecimal(double value) {
    std::string out(1, std::signbit(value) ? '-' : '+');
    mpq_class q(std::fabs(value));
    const mpz_class numerator = q.get_num();
    const mpz_class denominator = q.get_den();
    const std::size_t places = mpz_sizeinbase(denominator.get_mpz_t(), 2) - 1;  // 2^places
    const mpz_class integer = numerator / denominator;
    const mpz_class remainder = numerator % denominator;
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, places);
    std::string fraction = mpz_class(remainder * five).get_str();
    fraction.insert(0, places - std::min(places, fraction.size()), '0');
    while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
    if (fraction.empty() || remainder == 0) fraction.assign(1, '0');
    out += integer.get_str();
    out += ',';
    out += fraction;
    return out;
}

}  // namespace pexabit::testing
