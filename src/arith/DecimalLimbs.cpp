#include "arith/DecimalLimbs.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>
#include <vector>

#include "arith/Powers.h"
#include "text/Characters.h"

namespace pexabit::limbs {

namespace {

// The form every operation takes and gives: at least one limb, each below the base, no zero
// limb on top of a nonzero value. Checked in the debug and sanitizer builds.
[[maybe_unused]] bool IsNormalised(LimbSpan x) {
    for (const std::uint32_t limb : x) {
        if (limb >= LimbBase) return false;
    }
    return !x.empty() && (x.size() == 1 || x.back() != 0);
}

// All nine digits of one limb below the top one, leading zeros included.
void WriteNine(std::uint32_t v, char* p) {
    WriteDigitPair(p + 7, v % 100);
    v /= 100;
    WriteDigitPair(p + 5, v % 100);
    v /= 100;
    WriteDigitPair(p + 3, v % 100);
    v /= 100;
    WriteDigitPair(p + 1, v % 100);
    p[0] = static_cast<char>('0' + v / 100);
}

// The digits of the top limb, ending just before end; returns the new start. Writes nothing
// for 0.
char* WriteTop(std::uint32_t v, char* end) {
    while (v >= 100) {
        end -= 2;
        WriteDigitPair(end, v % 100);
        v /= 100;
    }
    if (v >= 10) {
        end -= 2;
        WriteDigitPair(end, v);
    } else if (v > 0) {
        *--end = static_cast<char>('0' + v);
    }
    return end;
}

}  // namespace

void MultiplyAdd(Limbs& x, std::uint32_t mul, std::uint32_t add) {
    assert(IsNormalised(x));
    std::uint64_t carry = add;
    for (auto& limb : x) {
        const std::uint64_t t = static_cast<std::uint64_t>(limb) * mul + carry;
        limb = static_cast<std::uint32_t>(t % LimbBase);
        carry = t / LimbBase;
    }
    while (carry != 0) {
        x.push_back(static_cast<std::uint32_t>(carry % LimbBase));
        carry /= LimbBase;
    }
    while (x.size() > 1 && x.back() == 0) x.pop_back();
}

namespace {

// Column sums of at most this many limb products stay below 2^64 with their carry:
// 16 * (10^9 - 1)^2 + carry < 1.7 * 10^19 < 2^64.
constexpr std::size_t ColumnProductLimit = 16;

// a * b column by column into r, a the shorter: each result limb is the sum of its products
// and the carry, divided by the base once. A 53-bit significand (two limbs) times a power of two
// or five takes one division per result limb instead of two.
void MultiplyByColumns(LimbSpan a, LimbSpan b, Limbs& r) {
    r.assign(a.size() + b.size(), 0);
    std::uint64_t carry = 0;
    if (a.size() == 1) {  // one product per column: a plain pass (the powers times a small M)
        for (std::size_t k = 0; k < b.size(); ++k) {
            const std::uint64_t column = carry + static_cast<std::uint64_t>(a[0]) * b[k];
            r[k] = static_cast<std::uint32_t>(column % LimbBase);
            carry = column / LimbBase;
        }
        r.back() = static_cast<std::uint32_t>(carry);
        return;
    }
    for (std::size_t k = 0; k + 1 < r.size(); ++k) {
        std::uint64_t column = carry;
        const std::size_t first = k >= b.size() ? k - b.size() + 1 : 0;
        for (std::size_t i = first; i < a.size() && i <= k; ++i) {
            column += static_cast<std::uint64_t>(a[i]) * b[k - i];
        }
        r[k] = static_cast<std::uint32_t>(column % LimbBase);
        carry = column / LimbBase;
    }
    r.back() = static_cast<std::uint32_t>(carry);  // below 10^9: a * b has at most this many limbs
}

// a * b row by row into r: any lengths.
void MultiplyBySchoolbook(LimbSpan a, LimbSpan b, Limbs& r) {
    r.assign(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint64_t ai = a[i];
        std::uint64_t carry = 0;
        std::size_t j = 0;
        for (; j < b.size(); ++j) {
            // < 10^9 + (10^9 - 1)^2 + 2^32: fits in 64 bits.
            const std::uint64_t t = r[i + j] + ai * b[j] + carry;
            r[i + j] = static_cast<std::uint32_t>(t % LimbBase);
            carry = t / LimbBase;
        }
        for (std::size_t k = i + j; carry != 0; ++k) {
            const std::uint64_t t = r[k] + carry;
            r[k] = static_cast<std::uint32_t>(t % LimbBase);
            carry = t / LimbBase;
        }
    }
}

// Below this many limbs in the shorter factor the schoolbook product is faster than Karatsuba's.
constexpr std::size_t KaratsubaThreshold = 32;

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
    x.resize(std::max(x.size(), shift + y.size()), 0);  // a carry beyond y's top limb is pushed
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

// An unbalanced product into r: the long factor in pieces as long as the short one.
void MultiplyInPieces(LimbSpan longer, LimbSpan shorter, Limbs& r) {
    r.assign(1, 0);
    Limbs product;
    for (std::size_t at = 0; at < longer.size(); at += shorter.size()) {
        const LimbSpan piece = TrimSpan(longer.subspan(at, std::min(shorter.size(), longer.size() - at)));
        Multiply(piece, shorter, product);
        AddShifted(r, product, at);
    }
    Trim(r);
}

// a = a1 * B + a0, b = b1 * B + b0 (B = 10^(9m)): a * b = z2 * B^2 + z1 * B + z0 with
// z1 = (a0 + a1)(b0 + b1) - z0 - z2. Three half-size products in place of four.
void MultiplyByKaratsuba(LimbSpan a, LimbSpan b, Limbs& r) {
    const std::size_t m = a.size() / 2;
    const LimbSpan a0 = TrimSpan(a.first(m)), a1 = a.subspan(m), b0 = TrimSpan(b.first(m)), b1 = b.subspan(m);
    Limbs z0, z1, z2;
    Multiply(a0, b0, z0);
    Multiply(a1, b1, z2);
    Limbs sumA(a0.begin(), a0.end()), sumB(b0.begin(), b0.end());
    AddShifted(sumA, a1, 0);
    AddShifted(sumB, b1, 0);
    Trim(sumA);
    Trim(sumB);
    Multiply(sumA, sumB, z1);
    SubtractFrom(z1, z0);
    SubtractFrom(z1, z2);
    r = std::move(z0);
    AddShifted(r, z1, m);
    AddShifted(r, z2, 2 * m);
}

}  // namespace

void Multiply(LimbSpan a, LimbSpan b, Limbs& result) {
    assert(IsNormalised(a) && IsNormalised(b));
    if (a.size() > b.size()) std::swap(a, b);
    if (a.size() <= ColumnProductLimit) MultiplyByColumns(a, b, result);
    else if (a.size() < KaratsubaThreshold) MultiplyBySchoolbook(a, b, result);
    else if (2 * a.size() <= b.size()) MultiplyInPieces(b, a, result);
    else MultiplyByKaratsuba(b, a, result);
    Trim(result);
}

std::size_t DecimalLength(LimbSpan x) {
    assert(IsNormalised(x));
    std::size_t n = 1;
    for (std::uint32_t top = x.back(); top >= 10; top /= 10) ++n;
    return (x.size() - 1) * LimbDigits + n;
}

void WriteDigits(LimbSpan x, char* out, std::size_t width) {
    assert(width >= DecimalLength(x));
    char* p = out + width;
    for (std::size_t i = 0; i + 1 < x.size(); ++i) {
        p -= LimbDigits;
        WriteNine(x[i], p);
    }
    p = WriteTop(x.back(), p);
    std::memset(out, '0', static_cast<std::size_t>(p - out));
}

namespace {

// Hex digits converted digit by digit.
constexpr std::size_t HexLeafDigits = 72;
constexpr std::uint32_t HexRadix = 16;
constexpr std::size_t BitsPerHexDigit = 4;

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
    Limbs r = Multiply(ConvertHex(high, powers, level), powers[level]);
    const Limbs low = ConvertHex(digits.substr(digits.size() - lowDigits), powers, level);
    AddShifted(r, TrimSpan(low), 0);
    Trim(r);
    return r;
}

}  // namespace

Limbs FromHexDigits(std::string_view digits) {
    // 16^(HexLeafDigits * 2^j), each the square of the one before.
    Limbs scratch;
    const LimbSpan first = PowerOfTwoLimbs(BitsPerHexDigit * HexLeafDigits, scratch);
    std::vector<Limbs> powers{Limbs(first.begin(), first.end())};
    while ((HexLeafDigits << powers.size()) < digits.size()) powers.push_back(Multiply(powers.back(), powers.back()));
    return ConvertHex(digits, powers, powers.size() - 1);
}

}  // namespace pexabit::limbs
