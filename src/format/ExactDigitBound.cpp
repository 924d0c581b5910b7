#include "format/ExactDigitBound.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <string>

#include "arith/BigUnsigned.h"
#include "arith/Powers.h"

namespace pexabit {

namespace {

// floor(log2(10) * 2^64): 3.321928094887362347870... in 64.64 fixed point. For J < 2^23,
// J * log2(10) stays more than 6.7e-8 away from every integer, far above the 2^-41 error of
// this product, so (J * Log2Of10) >> 64 is floor(J * log2(10)) exactly.
constexpr Bits128 Log2Of10 = MakeBits128(0x3, 0x5269E12F346E2BF9);
constexpr std::int64_t MaxBound = std::int64_t{1} << 23;
static_assert(MaxPlainDigitBound < MaxBound);

std::int64_t FloorJLog2Of10(std::int64_t j) {
    return static_cast<std::int64_t>((static_cast<Bits128>(j) * Log2Of10) >> 64);
}

// Whether a * 2^ea >= b * 2^eb, both nonzero: bit lengths first, then the operands aligned.
bool AtLeastScaled(BigUnsigned a, std::int64_t ea, BigUnsigned b, std::int64_t eb) {
    const auto topA = static_cast<std::int64_t>(a.BitLength()) + ea;
    const auto topB = static_cast<std::int64_t>(b.BitLength()) + eb;
    if (topA != topB) return topA > topB;
    if (ea > eb) a.ShiftLeft(static_cast<std::size_t>(ea - eb));
    if (eb > ea) b.ShiftLeft(static_cast<std::size_t>(eb - ea));
    return Compare(a, b) >= 0;
}

// Whether h * 2^e >= 10^j = 5^j * 2^j. Bounds of 5^j of a few words settle almost every h; only
// an h that agrees with 5^j in all the bits they hold lies between them, and the words grow
// fourfold until it does not. Bounds that hold 5^j in full are equal, so the loop ends.
bool AtLeastPowerOfTen(const BigUnsigned& h, std::int64_t e, std::int64_t j) {
    for (std::size_t words = 4;; words *= 4) {
        const ScaledInteger lower = FivePowerBound(j, words, false);
        if (!AtLeastScaled(h, e, lower.M, lower.Exponent + j)) return false;
        const ScaledInteger upper = FivePowerBound(j, words, true);
        if (AtLeastScaled(h, e, upper.M, upper.Exponent + j)) return true;
    }
}

// H * 2^E with H = h * 2^zeros, h odd: -(E + zeros) fraction digits when negative, and the integer
// part's digits. The hex digits have no leading or trailing zero digit, so the bit lengths come
// from the first and last digit alone, and only a value next to 10^J needs h in full.
bool HexExceeds(const TypedNumber& number, std::int64_t bound) {
    const std::string& digits = number.Digits;
    const int zeros = std::countr_zero(static_cast<unsigned>(HexDigitValue(digits.back())));
    const std::int64_t e = number.Exponent + zeros;
    const std::int64_t fractionDigits = std::max<std::int64_t>(0, -e);
    if (fractionDigits >= bound) return true;
    // The integer part may have J digits: it must stay below 10^J.
    const std::int64_t j = bound - fractionDigits;
    const std::int64_t bits = 4 * static_cast<std::int64_t>(digits.size() - 1) +
                              std::bit_width(static_cast<unsigned>(HexDigitValue(digits[0]))) - zeros;
    const std::int64_t integerBits = bits + e;
    if (integerBits <= FloorJLog2Of10(j)) return false;  // below 2^integerBits <= 10^J
    if (integerBits - 1 > FloorJLog2Of10(j)) return true;  // 2^(integerBits-1) > 10^J
    BigUnsigned h = BigUnsigned::FromHex(digits);
    h.ShiftRight(static_cast<std::size_t>(zeros));
    return AtLeastPowerOfTen(h, e, j);
}

}  // namespace

bool PlainDigitsExceed(const TypedNumber& number, std::int64_t bound) {
    assert(bound > 0 && bound <= MaxPlainDigitBound);
    if (number.Digits.empty()) return false;
    if (number.Hex) return HexExceeds(number, bound);
    const auto digits = static_cast<std::int64_t>(number.Digits.size());
    const std::int64_t integerDigits = std::max<std::int64_t>(1, digits + number.Exponent);
    const std::int64_t fractionDigits = std::max<std::int64_t>(0, -number.Exponent);
    return integerDigits > bound - fractionDigits;
}

}  // namespace pexabit
