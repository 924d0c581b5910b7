#include "arith/ScaledBounds.h"

#include <cmath>

#include "arith/Powers.h"

namespace pexabit {

namespace {

constexpr std::uint64_t SmallestDigits = 100'000'000'000'000'000;  // 10^17, the first of 18 digits
constexpr std::uint64_t PastDigits = 1'000'000'000'000'000'000;     // 10^18
constexpr long double Log10Of2 = 0.301029995663981195213738894724493027L;
constexpr std::size_t FirstWords = 4;  // 256 bits: far more than 18 digits need, almost always enough

ScaledInteger Bound(const BigUnsigned& x, std::size_t words, bool up) {
    ScaledInteger s{x, 0};
    KeepWords(s, words, up);
    return s;
}

ScaledInteger Times(const ScaledInteger& a, const ScaledInteger& b) { return {Multiply(a.M, b.M), a.Exponent + b.Exponent}; }

bool Same(const ScaledInteger& a, const ScaledInteger& b) { return a.Exponent == b.Exponent && Compare(a.M, b.M) == 0; }

// floor(a * 2^shift / b) and whether anything is left; quotients beyond 2^120 come back as 2^120,
// far past every 18-digit value.
struct Floor {
    Bits128 Quotient = 0;
    bool Rest = false;
};

Floor FloorRatio(ScaledInteger a, ScaledInteger b, std::int64_t shift) {
    shift += a.Exponent - b.Exponent;
    constexpr std::int64_t Widest = 120;
    if (static_cast<std::int64_t>(a.M.BitLength()) + shift > static_cast<std::int64_t>(b.M.BitLength()) + Widest) {
        return {Bits128{1} << Widest, true};
    }
    if (shift >= 0) a.M.ShiftLeft(static_cast<std::size_t>(shift));
    else b.M.ShiftLeft(static_cast<std::size_t>(-shift));
    const Bits128 quotient = DivideWithSmallQuotient(a.M, b.M);
    return {quotient, !a.M.IsZero()};
}

// Bounds of m * 2^k - c with `words` words, exponents relative to 2^k. Where c lies wholly below
// the last kept bit of m * 2^k, m * 2^k widened or cut to `words` words bounds it above and that
// less one unit in its last place below; otherwise m * 2^k - c is made exactly.
struct NumeratorBounds {
    ScaledInteger Low, High;
};

NumeratorBounds Numerator(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, std::size_t words) {
    if (c.IsZero()) return {Bound(m, words, false), Bound(m, words, true)};
    ScaledInteger low = Bound(m, words, false);
    const auto width = static_cast<std::int64_t>(64 * words) - static_cast<std::int64_t>(low.M.BitLength());
    if (width > 0) {
        low.M.ShiftLeft(static_cast<std::size_t>(width));
        low.Exponent -= width;
    }
    if (k + low.Exponent >= static_cast<std::int64_t>(c.BitLength())) {
        low.M.Subtract(BigUnsigned(1));
        return {std::move(low), Bound(m, words, true)};
    }
    BigUnsigned exact = m;
    exact.ShiftLeft(static_cast<std::size_t>(k));
    exact.Subtract(c);
    return {{exact, -k}, {exact, -k}};
}

// The floors of a bound below and a bound above (m * 2^k - c) / n / 10^t, and whether the bounds
// are the exact value.
struct Range {
    Floor Low, High;
    bool Exact = false;
};

Range ScaledRange(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n, std::int64_t t,
                  std::size_t words) {
    auto [numLow, numHigh] = Numerator(m, k, c, words);
    ScaledInteger denLow = Bound(n, words, false), denHigh = Bound(n, words, true);
    bool exact = Same(numLow, numHigh) && Same(denLow, denHigh);
    if (t != 0) {
        // 10^t = 5^t * 2^t: the power of five joins the numerator or the denominator.
        const ScaledInteger fiveLow = FivePowerBound(t < 0 ? -t : t, words, false);
        const ScaledInteger fiveHigh = FivePowerBound(t < 0 ? -t : t, words, true);
        exact = exact && Same(fiveLow, fiveHigh);
        if (t < 0) {
            numLow = Times(numLow, fiveLow);
            numHigh = Times(numHigh, fiveHigh);
        } else {
            denLow = Times(denLow, fiveLow);
            denHigh = Times(denHigh, fiveHigh);
        }
    }
    return {FloorRatio(numLow, denHigh, k - t), FloorRatio(numHigh, denLow, k - t), exact};
}

// The first 18 digits of one bound of v, below or above (exact for that bound), from an
// exponent near it; and whether the bounds are v itself.
struct BoundDigits {
    LeadingDigits Digits;
    bool Exact = false;
};

BoundDigits DigitsOfBound(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n,
                          std::size_t words, bool upper, std::int64_t exponent) {
    for (;;) {
        const Range r = ScaledRange(m, k, c, n, exponent - 17, words);
        const Floor& f = upper ? r.High : r.Low;
        if (f.Quotient < SmallestDigits) {
            --exponent;
        } else if (f.Quotient >= PastDigits) {
            ++exponent;
        } else {
            return {{exponent, static_cast<std::uint64_t>(f.Quotient), f.Rest}, r.Exact};
        }
    }
}

// v lies in [2^(L-1), 2^(L+1)) for L = bits(m) - bits(n) + k: its exponent is about L log10(2).
std::int64_t ExponentNear(const BigUnsigned& m, std::int64_t k, const BigUnsigned& n) {
    const std::int64_t log2 = static_cast<std::int64_t>(m.BitLength()) - static_cast<std::int64_t>(n.BitLength()) + k;
    return static_cast<std::int64_t>(std::floor(static_cast<long double>(log2) * Log10Of2));
}

LeadingDigits RoundedToSeventeen(LeadingDigits d) {
    constexpr std::uint64_t Ten17 = SmallestDigits;
    const std::uint64_t last = d.Digits % 10;
    d.Digits /= 10;
    if (last > 5 || (last == 5 && (d.Sticky || d.Digits % 2 == 1))) ++d.Digits;
    if (d.Digits == Ten17) {  // 9.99...9 rounded up to 10
        d.Digits /= 10;
        ++d.Exponent;
    }
    d.Sticky = false;
    return d;
}

bool SameDigits(const LeadingDigits& a, const LeadingDigits& b) {
    return a.Exponent == b.Exponent && a.Digits == b.Digits && a.Sticky == b.Sticky;
}

}  // namespace

LeadingDigits LeadingDecimalDigits(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n) {
    // Where the bounds disagree, or cannot tell an integer from a value just above it, they take
    // more words.
    const std::int64_t exponent = ExponentNear(m, k, n);
    for (std::size_t words = FirstWords;; words *= 4) {
        const BoundDigits low = DigitsOfBound(m, k, c, n, words, false, exponent);
        const BoundDigits high = DigitsOfBound(m, k, c, n, words, true, low.Digits.Exponent);
        if (SameDigits(low.Digits, high.Digits) && (low.Digits.Sticky || low.Exact)) return low.Digits;
    }
}

LeadingDigits RoundedDecimalDigits(const BigUnsigned& m, std::int64_t k, const BigUnsigned& c, const BigUnsigned& n) {
    // Rounding is monotone: where both bounds round alike, v does. A v just below a power of ten
    // (1 - 2^-40000000) rounds up like a bound above it, with no need to tell them apart.
    const std::int64_t exponent = ExponentNear(m, k, n);
    for (std::size_t words = FirstWords;; words *= 4) {
        const LeadingDigits low = RoundedToSeventeen(DigitsOfBound(m, k, c, n, words, false, exponent).Digits);
        const LeadingDigits high = RoundedToSeventeen(DigitsOfBound(m, k, c, n, words, true, low.Exponent).Digits);
        if (SameDigits(low, high)) return low;
    }
}

}  // namespace pexabit
