#include "arith/DecimalLimbs.h"

#include <array>
#include <cassert>
#include <cstring>
#include <utility>

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

}  // namespace

void Multiply(LimbSpan a, LimbSpan b, Limbs& result) {
    assert(IsNormalised(a) && IsNormalised(b));
    if (a.size() > b.size()) std::swap(a, b);
    if (a.size() <= ColumnProductLimit) MultiplyByColumns(a, b, result);
    else MultiplyBySchoolbook(a, b, result);
    while (result.size() > 1 && result.back() == 0) result.pop_back();
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


}  // namespace pexabit::limbs
