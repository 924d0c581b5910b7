#include "arith/ExactExpansion.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string_view>

#include "arith/DecimalLimbs.h"
#include "arith/Powers.h"

namespace pexabit {

namespace {

using limbs::Limbs;
using limbs::LimbSpan;

// M * 2^e as its integer part and its fraction F / 10^Places, both in limbs. An odd M leaves no
// trailing zero bit, so a fraction F' / 2^k (F' odd) has exactly k = Places digits, the last
// of them a 5: F' * 5^k written in k places needs no trimming.
struct LimbExpansion {
    Limbs Integer;   // an integer part of 2^128 and more; below it SmallInteger holds it
    Bits128 SmallInteger = 0;
    Limbs Fraction;
    std::size_t Places = 0;

    LimbSpan IntegerView(const limbs::Limbs128& small) const { return Integer.empty() ? small.View() : LimbSpan(Integer); }
};

// The limbs of the last expansion on this thread, kept so that their storage is reused.
LimbExpansion& Workspace() {
    thread_local LimbExpansion x;
    x.Integer.clear();
    x.SmallInteger = 0;
    x.Places = 0;
    return x;
}

// The trailing zero bits of a nonzero m.
int TrailingZeros(Bits128 m) {
    const auto low = static_cast<std::uint64_t>(m);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<std::uint64_t>(m >> 64));
}

void Expand(Bits128 significand, int exponent, LimbExpansion& x) {
    if (significand == 0) return;
    const int zeros = TrailingZeros(significand);
    significand >>= zeros;
    exponent += zeros;
    Limbs scratch;
    if (exponent >= 0) {
        // An integer below 2^128 (1.0, every integer a Double holds) is shifted, not multiplied
        // by a power of two: the product cost more than the rest of the expansion of 1.0.
        if (exponent <= 128 - BitWidth128(significand)) {
            x.SmallInteger = significand << exponent;
            return;
        }
        limbs::Multiply(limbs::Limbs128(significand).View(),
                        limbs::PowerOfTwoLimbs(static_cast<std::size_t>(exponent), scratch), x.Integer);
        return;
    }
    const auto k = static_cast<std::size_t>(-exponent);
    constexpr std::size_t Width = 128;
    x.SmallInteger = k >= Width ? 0 : significand >> k;
    const Bits128 fractionBits = k >= Width ? significand : significand & LowBits(static_cast<int>(k));
    if (fractionBits == 0) return;
    limbs::Multiply(limbs::Limbs128(fractionBits).View(), limbs::PowerOfFive(k, scratch), x.Fraction);
    x.Places = k;
}

void WriteAll(LimbSpan x, std::string& out) {
    out.assign(limbs::DecimalLength(x), '0');
    limbs::WriteDigits(x, out.data(), out.size());
}

// significand * 2^exponent written over `out` at its final size: `sign`, the integer digits,
// `point` and the fraction digits. An integer gets `point` and one "0" only when `pointAlways`.
void WriteExpansionText(std::string_view sign, char point, bool pointAlways, Bits128 significand, int exponent,
                        std::string& out) {
    LimbExpansion& x = Workspace();
    Expand(significand, exponent, x);
    const limbs::Limbs128 small(x.SmallInteger);
    const LimbSpan integer = x.IntegerView(small);
    const std::size_t integerLength = limbs::DecimalLength(integer);
    const std::size_t fractionLength = x.Places > 0 ? x.Places : pointAlways ? 1 : 0;
    out.assign(sign.size() + integerLength + (fractionLength > 0 ? 1 + fractionLength : 0), '0');
    std::copy(sign.begin(), sign.end(), out.begin());
    char* const digits = out.data() + sign.size();
    limbs::WriteDigits(integer, digits, integerLength);
    if (fractionLength > 0) digits[integerLength] = point;
    if (x.Places > 0) limbs::WriteDigits(x.Fraction, digits + integerLength + 1, x.Places);
}

}  // namespace

void ExpandExact(Bits128 significand, int exponent, DecimalExpansion& out) {
    LimbExpansion& x = Workspace();
    Expand(significand, exponent, x);
    WriteAll(x.IntegerView(limbs::Limbs128(x.SmallInteger)), out.Integer);
    out.Fraction.assign(x.Places, '0');
    if (x.Places > 0) limbs::WriteDigits(x.Fraction, out.Fraction.data(), x.Places);
}

void WriteDecimalString(char sign, Bits128 significand, int exponent, std::string& out) {
    WriteExpansionText(std::string_view(&sign, 1), ',', true, significand, exponent, out);
}

void WritePlainDigits(bool negative, Bits128 significand, int exponent, std::string& out) {
    WriteExpansionText(negative ? "-" : "", '.', false, significand, exponent, out);
}

}  // namespace pexabit
