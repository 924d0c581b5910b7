#pragma once
// The report's number texts read as rationals with GMP: plain decimal or binary ("-0.25",
// "0.0101"), and decimal scientific ("1.5e-20000").
#include <gmpxx.h>

#include <cstdlib>
#include <string>

#include "GmpReference.h"

namespace pexabit::testing {

inline mpq_class ReadPlain(std::string text, int base = 10) {
    const bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    long exponent = 0;  // of the base
    if (const std::size_t e = text.find('e'); base == 10 && e != std::string::npos) {
        exponent = std::stol(text.substr(e + 1));
        text.erase(e);
    }
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
        exponent -= static_cast<long>(text.size() - dot - 1);
        text.erase(dot, 1);
    }
    const mpq_class scale = base == 10 ? PowerOfTen(exponent) : PowerOfTwo(exponent);
    const mpq_class q = mpq_class(mpz_class(text, base)) * scale;
    return negative ? mpq_class(-q) : q;
}

}  // namespace pexabit::testing
