#pragma once
// GMP as an independent reference for the exact arithmetic: powers of two and ten, rationals
// written as DecimalStrings, the reports' number texts read back, and the value of any pattern
// of any format, without any of the system's own digit arithmetic or format model.

#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "arith/Bits128.h"

namespace pexabit::testing {

inline mpz_class ToMpz(Bits128 v) {
    const mpz_class high(static_cast<unsigned long>(static_cast<std::uint64_t>(v >> 64)));
    return (high << 64) + mpz_class(static_cast<unsigned long>(static_cast<std::uint64_t>(v)));
}

// 2^e and 10^e exactly, e of either sign.
inline mpq_class PowerOfTwo(long e) {
    mpq_class r(1);
    if (e >= 0) mpq_mul_2exp(r.get_mpq_t(), r.get_mpq_t(), static_cast<unsigned long>(e));
    else mpq_div_2exp(r.get_mpq_t(), r.get_mpq_t(), static_cast<unsigned long>(-e));
    return r;
}

inline mpq_class PowerOfTen(long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
    return e >= 0 ? mpq_class(p) : mpq_class(1, p);
}

// m * 2^e exactly.
inline mpq_class Scaled(const mpz_class& m, long e) { return m * PowerOfTwo(e); }

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

// A number text of the reports read exactly: plain decimal or binary ("-0.25", "0.0101"), or
// decimal scientific ("1.5e-20000"). ReadPlain("-0.25") == mpq_class(-1, 4).
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
    const mpq_class q = mpq_class(mpz_class(text, base)) * (base == 10 ? PowerOfTen(exponent) : PowerOfTwo(exponent));
    return negative ? mpq_class(-q) : q;
}

// The magnitude of a finite pattern with the given field widths, read from its bits alone: the
// leading bit stored (x87 extended) or implied by a nonzero exponent field, and exponent field
// 0 weighing like field 1. PatternMagnitude(0x3C00, 5, 10, false) == 1.
inline mpq_class PatternMagnitude(Bits128 pattern, int exponentBits, int fractionBits, bool storedIntegerBit) {
    const mpz_class bits = ToMpz(pattern);
    const mpz_class fraction = bits & ((mpz_class(1) << fractionBits) - 1);
    const int fieldShift = fractionBits + (storedIntegerBit ? 1 : 0);
    const long exponent = mpz_class((bits >> fieldShift) & ((mpz_class(1) << exponentBits) - 1)).get_si();
    const bool leading = storedIntegerBit ? mpz_tstbit(bits.get_mpz_t(), fractionBits) != 0 : exponent != 0;
    const long bias = (1L << (exponentBits - 1)) - 1;
    const mpz_class significand = fraction + (leading ? mpz_class(1) << fractionBits : mpz_class(0));
    return Scaled(significand, std::max(exponent, 1L) - bias - fractionBits);
}

// The low `digits` hex digits of `bits`, upper case: HexOf(0x3F800000, 8) == "3F800000".
inline std::string HexOf(std::uint64_t bits, std::size_t digits) {
    std::string out(digits, '0');
    for (std::size_t i = digits; i-- > 0; bits >>= 4) out[i] = "0123456789ABCDEF"[bits & 15];
    return out;
}

}  // namespace pexabit::testing
