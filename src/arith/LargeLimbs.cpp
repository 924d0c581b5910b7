#include "arith/LargeLimbs.h"

#include <algorithm>
#include <vector>

#include "arith/PowerTables.h"
#include "text/Characters.h"

namespace pexabit::limbs {

namespace {

// Below this many limbs in the shorter factor the schoolbook product is faster.
constexpr std::size_t KaratsubaThreshold = 32;
// Hex digits converted digit by digit.
constexpr std::size_t HexLeafDigits = 72;
constexpr std::uint32_t HexRadix = 16;
constexpr std::size_t BitsPerHexDigit = 4;

// The span without zero limbs on top (one limb kept).
LimbSpan TrimSpan(LimbSpan x) {
    std::size_t n = x.size();
    while (n > 1 && x[n - 1] == 0) --n;
    return x.first(n);
}

void Trim(Limbs& x) {
    while (x.size() > 1 && x.back() == 0) x.pop_back();
}

// x += y * 10^(9 * shift).
void AddShifted(Limbs& x, LimbSpan y, std::size_t shift) {
    if (x.size() < shift + y.size() + 1) x.resize(shift + y.size() + 1, 0);
    std::uint32_t carry = 0;
    std::size_t i = 0;
    for (; i < y.size() || carry != 0; ++i) {
        if (shift + i == x.size()) x.push_back(0);
        const std::uint32_t t = x[shift + i] + carry + (i < y.size() ? y[i] : 0);
        carry = t >= LimbBase ? 1 : 0;
        x[shift + i] = t - carry * LimbBase;
    }
}

// x -= y, x >= y.
void SubtractFrom(Limbs& x, LimbSpan y) {
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < x.size() && (i < y.size() || borrow != 0); ++i) {
        const std::uint32_t subtrahend = (i < y.size() ? y[i] : 0) + borrow;
        borrow = x[i] < subtrahend ? 1 : 0;
        x[i] = x[i] + borrow * LimbBase - subtrahend;
    }
    Trim(x);
}

// An unbalanced product: the long factor in pieces as long as the short one.
Limbs MultiplyInPieces(LimbSpan longer, LimbSpan shorter) {
    Limbs r{0};
    for (std::size_t at = 0; at < longer.size(); at += shorter.size()) {
        const LimbSpan piece = TrimSpan(longer.subspan(at, std::min(shorter.size(), longer.size() - at)));
        const Limbs product = MultiplyLarge(piece, shorter);
        AddShifted(r, product, at);
    }
    Trim(r);
    return r;
}

}  // namespace

// a = a1 * B + a0, b = b1 * B + b0 (B = 10^(9m)): a * b = z2 * B^2 + z1 * B + z0 with
// z1 = (a0 + a1)(b0 + b1) - z0 - z2.
Limbs MultiplyLarge(LimbSpan a, LimbSpan b) {
    if (a.size() < b.size()) std::swap(a, b);
    if (b.size() < KaratsubaThreshold) return Multiply(a, b);
    if (2 * b.size() <= a.size()) return MultiplyInPieces(a, b);
    const std::size_t m = a.size() / 2;
    const LimbSpan a0 = TrimSpan(a.first(m)), a1 = a.subspan(m), b0 = TrimSpan(b.first(m)), b1 = b.subspan(m);
    const Limbs z0 = MultiplyLarge(a0, b0);
    const Limbs z2 = MultiplyLarge(a1, b1);
    Limbs sumA(a0.begin(), a0.end()), sumB(b0.begin(), b0.end());
    AddShifted(sumA, a1, 0);
    AddShifted(sumB, b1, 0);
    Trim(sumA);
    Trim(sumB);
    Limbs z1 = MultiplyLarge(sumA, sumB);
    SubtractFrom(z1, z0);
    SubtractFrom(z1, z2);
    Limbs r = z0;
    AddShifted(r, z1, m);
    AddShifted(r, z2, 2 * m);
    Trim(r);
    return r;
}

Limbs PowerLarge(std::uint32_t base, std::size_t k) {
    Limbs scratch;
    if (k <= TabledPowerLimit) {
        const LimbSpan table = base == 5 ? PowerOfFive(k, scratch) : PowerOfTwoLimbs(k, scratch);
        return Limbs(table.begin(), table.end());
    }
    const Limbs half = PowerLarge(base, k / 2);
    Limbs r = MultiplyLarge(half, half);
    if (k % 2 == 1) MultiplyAdd(r, base, 0);
    return r;
}

namespace {

Limbs HexLeaf(std::string_view digits) {
    Limbs r{0};
    for (const char c : digits) {
        MultiplyAdd(r, HexRadix, static_cast<std::uint32_t>(HexDigitValue(c)));
    }
    return r;
}

// digits (at most HexLeafDigits * 2^(level + 1) of them) as high * 16^low + low, the low part
// HexLeafDigits * 2^level digits long; powers[level] is 16 to that length.
Limbs ConvertHex(std::string_view digits, const std::vector<Limbs>& powers, std::size_t level) {
    while (level > 0 && (HexLeafDigits << level) >= digits.size()) --level;
    if (digits.size() <= HexLeafDigits) return HexLeaf(digits);
    const std::size_t lowDigits = HexLeafDigits << level;
    const std::string_view high = digits.substr(0, digits.size() - lowDigits);
    Limbs r = MultiplyLarge(ConvertHex(high, powers, level), powers[level]);
    const Limbs low = ConvertHex(digits.substr(digits.size() - lowDigits), powers, level);
    AddShifted(r, TrimSpan(low), 0);
    Trim(r);
    return r;
}

}  // namespace

Limbs FromHexDigits(std::string_view digits) {
    // 16^(HexLeafDigits * 2^j), each the square of the one before.
    std::vector<Limbs> powers{PowerLarge(2, BitsPerHexDigit * HexLeafDigits)};
    while ((HexLeafDigits << powers.size()) < digits.size()) powers.push_back(MultiplyLarge(powers.back(), powers.back()));
    return ConvertHex(digits, powers, powers.size() - 1);
}

}  // namespace pexabit::limbs
