#include "format/ExactDigitBound.h"

#include <algorithm>
#include <bit>

#include "format/BigUnsigned.h"

namespace pexabit {

namespace {

// floor(log2(10) * 2^64): 3.321928094887362347870... in 64.64 fixed point. For J < 2^23,
// J * log2(10) stays more than 6.7e-8 away from every integer, far above the 2^-41 error of
// this product, so (J * Log2Of10) >> 64 is floor(J * log2(10)) exactly.
constexpr Bits128 Log2Of10 = MakeBits128(0x3, 0x5269E12F346E2BF9);
static_assert(MaxExactDigits < (std::int64_t{1} << 23));

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

// x * 2^exponent cut to its top `words` words, rounded down or up.
void KeepWords(BigUnsigned& x, std::int64_t& exponent, std::size_t words, bool roundUp) {
    if (x.WordCount() <= words) return;
    const std::size_t drop = x.WordCount() - words;
    const bool dropped = x.DropLowWords(drop);
    exponent += static_cast<std::int64_t>(64 * drop);
    if (roundUp && dropped) x.AddSmall(1);
}

// 5^k as a lower or an upper bound m * 2^e with m of at most `words` words, by square and
// multiply from the top bit of k: products of lower (upper) bounds of positive numbers stay
// lower (upper) bounds.
BigUnsigned FivePowerBound(std::int64_t k, std::size_t words, bool upper, std::int64_t& exponent) {
    BigUnsigned m(1);
    exponent = 0;
    for (int bit = std::bit_width(static_cast<std::uint64_t>(k)); bit-- > 0;) {
        m = Multiply(m, m);
        exponent *= 2;
        KeepWords(m, exponent, words, upper);
        if ((k >> bit) & 1) {
            m.MultiplySmall(5);
            KeepWords(m, exponent, words, upper);
        }
    }
    return m;
}

// Whether h * 2^e >= 10^j = 5^j * 2^j. Bounds of 5^j of a few words settle almost every h; only
// an h that agrees with 5^j in all the bits they hold lies between them, and the words grow
// fourfold until it does not. Bounds that hold 5^j in full are equal, so the loop ends.
bool AtLeastPowerOfTen(const BigUnsigned& h, std::int64_t e, std::int64_t j) {
    for (std::size_t words = 4;; words *= 4) {
        std::int64_t lowerExponent = 0, upperExponent = 0;
        const BigUnsigned lower = FivePowerBound(j, words, false, lowerExponent);
        if (!AtLeastScaled(h, e, lower, lowerExponent + j)) return false;
        const BigUnsigned upper = FivePowerBound(j, words, true, upperExponent);
        if (AtLeastScaled(h, e, upper, upperExponent + j)) return true;
    }
}

bool HexExceeds(const TypedNumber& number) {
    BigUnsigned h = BigUnsigned::FromHex(number.Digits);
    const std::size_t zeros = h.TrailingZeros();
    h.ShiftRight(zeros);
    const std::int64_t e = number.Exponent + static_cast<std::int64_t>(zeros);
    const std::int64_t fractionDigits = std::max<std::int64_t>(0, -e);
    if (fractionDigits >= MaxExactDigits) return true;
    // The integer part may have J digits: it must stay below 10^J.
    const std::int64_t j = MaxExactDigits - fractionDigits;
    const std::int64_t integerBits = static_cast<std::int64_t>(h.BitLength()) + e;
    if (integerBits <= FloorJLog2Of10(j)) return false;  // below 2^integerBits <= 10^J
    if (integerBits - 1 > FloorJLog2Of10(j)) return true;  // 2^(integerBits-1) > 10^J
    return AtLeastPowerOfTen(h, e, j);
}

}  // namespace

bool ExceedsExactDigitBound(const TypedNumber& number) {
    if (number.Digits.empty()) return false;
    if (number.Hex) return HexExceeds(number);
    const auto digits = static_cast<std::int64_t>(number.Digits.size());
    const std::int64_t integerDigits = std::max<std::int64_t>(1, digits + number.Exponent);
    const std::int64_t fractionDigits = std::max<std::int64_t>(0, -number.Exponent);
    return integerDigits > MaxExactDigits - fractionDigits;
}

}  // namespace pexabit
