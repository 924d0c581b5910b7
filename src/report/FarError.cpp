#include "report/FarError.h"

#include <bit>
#include <cassert>

#include "arith/FiveValuation.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

// (typed - stored) / typed where the stored value is zero or lost beside the typed one.
constexpr std::string_view WholeRatio = "1.0000000000000000e+00";

// Binary exponents this far apart put the two values in separate worlds: a hex float of up to
// 2^24 bits (MaxExactDigits hex digits) is then wholly above or below the stored value, the one
// never a power of ten, the other never within one of a rounding boundary.
constexpr std::int64_t FarBits = std::int64_t{1} << 24;

// The stored magnitude's significant digits and the places of its first and last one (10^High
// and 10^Low their weights).
struct StoredEnds {
    std::string Digits;
    std::int64_t High = 0, Low = 0;
    // The error's first digit when the typed value lies far below: the stored value's, one place
    // lower for a power of ten (10^k - tiny = 0.99..9 * 10^k).
    std::int64_t HighBelow() const { return High - (Digits == "1" ? 1 : 0); }
};

StoredEnds Ends(DecimalParts stored) {
    std::string all(stored.Integer);
    all += stored.Fraction;
    const std::size_t first = all.find_first_not_of('0'), last = all.find_last_not_of('0');
    const auto integer = static_cast<std::int64_t>(stored.Integer.size());
    return {all.substr(first, last - first + 1), integer - 1 - static_cast<std::int64_t>(first),
            integer - 1 - static_cast<std::int64_t>(last)};
}

// The typed value itself in scientific notation, as WriteErrorText writes long errors.
std::string TypedScientific(const TypedNumber& number) {
    const std::string& d = number.Digits;
    std::string out(number.Negative ? "-" : "");
    out += d[0];
    if (d.size() > 1) out.append(".").append(d, 1);
    const WideInteger exponent = ExactExponent(number) + static_cast<std::int64_t>(d.size() - 1);
    out += exponent.IsNegative() ? "e-" : "e+";
    return out + exponent.MagnitudeText();
}

FarErrorSize MeasureDecimal(const TypedNumber& number, const StoredEnds* stored) {
    const auto n = static_cast<std::int64_t>(number.Digits.size());
    if (!stored) return {n, TypedScientific(number), std::string(WholeRatio)};
    const WideInteger e = ExactExponent(number);
    if (!e.IsNegative()) {
        // T - S: from T's first digit (one place lower for T = 10^k) to S's last.
        const std::int64_t lower = number.Digits == "1" ? 1 : 0;
        return {e + (n - 1 - lower - stored->Low + 1), std::nullopt, std::string(WholeRatio)};
    }
    // S - T: from S's first digit to T's last.
    return {-e + (stored->HighBelow() + 1), std::nullopt, FarBelowRelativeText(stored->Digits, -e + stored->Low, number.Digits)};
}

// The decimal place of the leading digit of m * 2^k.
std::int64_t LeadingPlace(const BigUnsigned& m, std::int64_t k) {
    return LeadingDecimalDigits(m, k, BigUnsigned(), BigUnsigned(1)).Exponent;
}

// The hex typed value h * 2^e (h odd, |e| < 10^17 and a bit) against the stored s * 2^q (s odd).
FarErrorSize MeasureHexAgainst(const BigUnsigned& h, std::int64_t e, const BigUnsigned& s, std::int64_t q,
                               const StoredEnds& stored) {
    const std::string whole(WholeRatio);
    if (e > q + FarBits) {
        // T - S = 2^q (h 2^(e-q) - s), the bracket odd: its trailing zeros are min(q, its fives).
        const std::int64_t low = q <= 0 ? q : FiveValuationOfDifference(h, e - q, s, q);
        return {WideInteger(LeadingPlace(h, e)) - low + 1, std::nullopt, whole};
    }
    const auto bits = static_cast<std::int64_t>(h.BitLength());
    if (e + bits < q - FarBits) {
        // S - T = 2^e (s 2^(q-e) - h): -e fraction digits, from S's first digit; ratio (s 2^(q-e) - h) / h.
        return {WideInteger(stored.HighBelow()) - e + 1, std::nullopt, RoundedRelativeText(true, RoundedDecimalDigits(s, q - e, h, h))};
    }
    // Near enough to subtract: |T - S| = o * 2^m, o odd.
    const std::int64_t low = std::min(e, q);
    BigUnsigned a = h, b = s;
    a.ShiftLeft(static_cast<std::size_t>(e - low));
    b.ShiftLeft(static_cast<std::size_t>(q - low));
    const bool typedLarger = Compare(a, b) > 0;
    BigUnsigned o = typedLarger ? a : b;
    o.Subtract(typedLarger ? b : a);
    assert(!o.IsZero());  // equal values are exact, and short
    const std::size_t twos = o.TrailingZeroBits();
    o.ShiftRight(twos);
    const std::int64_t m = low + static_cast<std::int64_t>(twos);
    const std::int64_t last = m <= 0 ? m : FiveValuation(o, m);
    return {WideInteger(LeadingPlace(o, m)) - last + 1, std::nullopt,
            RoundedRelativeText(!typedLarger, RoundedDecimalDigits(o, m - e, BigUnsigned(), h))};
}

FarErrorSize MeasureHex(const TypedNumber& number, const StoredValue& value, const StoredEnds* stored) {
    BigUnsigned h = BigUnsigned::FromHex(number.Digits);
    const int zeros = std::countr_zero(static_cast<unsigned>(HexDigitValue(number.Digits.back())));
    h.ShiftRight(static_cast<std::size_t>(zeros));
    const std::string whole(WholeRatio);
    if (number.FarExponent) {
        // Where 2^e falls among the powers of ten is out of reach; below the stored value the
        // error's last digit is 2^e's, -e places behind the point.
        const WideInteger e = *number.FarExponent + zeros;
        if (!stored || !e.IsNegative()) return {std::nullopt, std::nullopt, whole};
        return {-e + (stored->HighBelow() + 1), std::nullopt, std::nullopt};
    }
    const std::int64_t e = number.Exponent + zeros;
    if (!stored) {  // the typed value itself, below every format's smallest value: -e fraction digits
        assert(e < 0);
        return {WideInteger(LeadingPlace(h, e)) - e + 1, std::nullopt, whole};
    }
    BigUnsigned s(value.Significand);
    const std::size_t twos = s.TrailingZeroBits();
    s.ShiftRight(twos);
    return MeasureHexAgainst(h, e, s, value.Exponent + static_cast<std::int64_t>(twos), *stored);
}

}  // namespace

FarErrorSize MeasureFarError(const TypedNumber& number, const StoredValue& stored, DecimalParts storedDigits) {
    const bool zero = stored.Significand == 0;
    const StoredEnds ends = zero ? StoredEnds{} : Ends(storedDigits);
    const StoredEnds* known = zero ? nullptr : &ends;
    return number.Hex ? MeasureHex(number, stored, known) : MeasureDecimal(number, known);
}

}  // namespace pexabit
