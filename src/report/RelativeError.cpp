// The relative error (typed - stored) / typed to 17 significant digits: one division of the
// two exact decimal magnitudes' leading digits, held as big integers, gives 18 or 19 quotient
// digits and whether anything is left, which decide the rounding exactly however long the
// operands are. A typed value far below the stored one gives a dividend of the stored digits, a
// run of nines that may be billions long, and the typed digits' complement: only its first
// digits are written, and the run stands for the rest.
#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <string>
#include <utility>

#include "arith/BigUnsigned.h"
#include "arith/Powers.h"
#include "arith/ScaledBounds.h"
#include "arith/WideInteger.h"
#include "report/ExactError.h"
#include "report/FarError.h"

namespace pexabit {

namespace {

constexpr int SignificantDigits = 17;
constexpr std::uint64_t TenTo16 = 10'000'000'000'000'000ULL;  // the smallest 17-digit number
constexpr std::uint64_t TenTo17 = 10 * TenTo16;
// A dividend of |divisor| + 18 digits gives a quotient of 18 or 19 digits: one or two to round on.
constexpr std::size_t QuotientDigits = SignificantDigits + 1;

// A nonzero decimal magnitude as its significant digits (no leading or trailing zeros) times
// 10^Exponent: "+0,0250" gives "25", exponent -3. MoreBelow: nonzero digits follow those held,
// the value lies above them by less than one unit of the last.
struct ScaledDigits {
    std::string Digits;
    std::int64_t Exponent = 0;
    bool MoreBelow = false;
};

bool IsSignificant(char c) { return c != '0' && c != ','; }

// The significant digits of a DecimalString ("+12,50" gives "125", exponent -1); none for zero.
ScaledDigits Scale(std::string_view decimal) {
    ScaledDigits s;
    const auto first = std::find_if(decimal.begin() + 1, decimal.end(), IsSignificant);
    if (first == decimal.end()) return s;
    const auto last = std::find_if(decimal.rbegin(), decimal.rend(), IsSignificant).base() - 1;
    const auto comma = std::find(decimal.begin(), decimal.end(), ',');
    if (first < comma && last > comma) {
        s.Digits.assign(first, comma);
        s.Digits.append(comma + 1, last + 1);
    } else {
        s.Digits.assign(first, last + 1);
    }
    s.Exponent = last < comma ? comma - last - 1 : -(last - comma);
    return s;
}

// The integer of `digits` (plus one when `up`) times 10^zeros.
BigUnsigned Integer(std::string_view digits, bool up, std::size_t zeros) {
    BigUnsigned n = BigUnsigned::FromDecimal(digits);
    if (up) n.AddSmall(1);
    MultiplyByPowerOfTen(n, zeros);
    return n;
}

// The same within WordDigits digits in all (10^38 < 2^127), in a 128-bit word.
constexpr std::size_t WordDigits = WidePowersOfTen.size() - 1;

Bits128 WordInteger(std::string_view digits, bool up, std::size_t zeros) {
    Bits128 n = 0;
    for (const char c : digits) n = n * 10 + static_cast<unsigned>(c - '0');
    if (up) ++n;
    return n * WidePowersOfTen[zeros];
}

// n / d, n the integer of `dividend` (plus one when nUp) times 10^zeros, d that of `divisor`
// (plus one when dUp): the quotient, below 10^19, and whether anything is left. A divisor of up
// to 20 digits keeps both in 128-bit words, which spares the big integers' allocations.
struct Quotient {
    std::uint64_t Value;
    bool Remainder;
};

Quotient DivideIntegers(std::string_view dividend, bool nUp, std::size_t zeros, std::string_view divisor, bool dUp) {
    if (dividend.size() + zeros <= WordDigits) {
        assert(divisor.size() <= WordDigits);
        const Bits128 n = WordInteger(dividend, nUp, zeros), d = WordInteger(divisor, dUp, 0);
        return {static_cast<std::uint64_t>(n / d), n % d != 0};
    }
    BigUnsigned n = Integer(dividend, nUp, zeros);
    const auto q = static_cast<std::uint64_t>(DivideWithSmallQuotient(n, Integer(divisor, dUp, 0)));
    return {q, !n.IsZero()};
}

// e / t to 17 significant digits, nearest with ties to even: Digits in [10^16, 10^17) and the
// decimal exponent of the first. e's digits past the first |t| + 18 only make the quotient
// inexact. With `bounds`, e's digits are taken as they stand (plus one unit of the last when
// eUp) and t's likewise (tUp): the exact quotient of two bounds.
LeadingDigits DivideAndRound(const ScaledDigits& e, bool eUp, const ScaledDigits& t, bool tUp) {
    const std::size_t width = t.Digits.size() + QuotientDigits;
    const std::string_view head = std::string_view(e.Digits).substr(0, width);
    const bool cut = e.Digits.size() > width;
    assert(!(cut && eUp));
    // e = (n + f) 10^scale with 0 <= f < 1, and f > 0 exactly when e's digits were cut.
    const std::int64_t scale = e.Exponent + static_cast<std::int64_t>(e.Digits.size()) - static_cast<std::int64_t>(width);
    const Quotient division = DivideIntegers(head, eUp, width - head.size(), t.Digits, tUp);
    const std::uint64_t q = division.Value;
    const bool sticky = division.Remainder || cut || (e.MoreBelow && !eUp);
    const std::uint64_t unit = q >= 10 * TenTo17 ? 100 : 10;  // the digits beyond the 17th
    LeadingDigits r{scale - t.Exponent + (unit == 100 ? 18 : 17), q / unit, false};
    const std::uint64_t rest = q % unit;
    if (rest > unit / 2 || (rest == unit / 2 && (sticky || r.Digits % 2 == 1))) ++r.Digits;
    if (r.Digits == TenTo17) {  // 9.99...9 rounded up to 10
        r.Digits = TenTo16;
        ++r.Exponent;
    }
    return r;
}

// Operands longer than this are first divided by their leading digits only.
constexpr std::size_t LeadingWindow = 40;

// The leading LeadingWindow digits of x, a bound below it (read with one unit more, above it).
ScaledDigits Leading(const ScaledDigits& x) {
    ScaledDigits r{x.Digits.substr(0, LeadingWindow), 0, false};
    r.Exponent = x.Exponent + static_cast<std::int64_t>(x.Digits.size() - r.Digits.size());
    return r;
}

bool operator==(const LeadingDigits& a, const LeadingDigits& b) { return a.Digits == b.Digits && a.Exponent == b.Exponent; }

// Rounding is monotone: when the quotients of the leading digits taken as bounds below and
// above round alike, so does the exact quotient between them. Only a quotient next to a
// rounding boundary needs every digit of a long divisor.
LeadingDigits RelativeDigits(const ScaledDigits& e, const ScaledDigits& t) {
    if (t.Digits.size() <= LeadingWindow) return DivideAndRound(e, false, t, false);
    const ScaledDigits eLeading = Leading(e), tLeading = Leading(t);
    const bool eHeld = eLeading.Digits.size() == e.Digits.size() && !e.MoreBelow;
    const LeadingDigits low = DivideAndRound(eLeading, false, tLeading, true);
    const LeadingDigits high = DivideAndRound(eLeading, !eHeld, tLeading, false);
    return low == high ? low : DivideAndRound(e, false, t, false);
}

// "-d.dddddddddddddddde+XX" from 17 digits and the decimal exponent of the first.
std::string WriteRelativeText(bool negative, std::uint64_t digits, const WideInteger& exponent) {
    char text[SignificantDigits];
    std::to_chars(text, text + SignificantDigits, digits);
    const std::string magnitude = exponent.MagnitudeText();
    std::string out;
    out.reserve(SignificantDigits + magnitude.size() + 5);  // "-", ".", "e-", a padding "0"
    if (negative) out += '-';
    out.append(1, text[0]).append(1, '.').append(text + 1, SignificantDigits - 1);
    out += exponent.IsNegative() ? "e-" : "e+";
    if (magnitude.size() < 2) out += '0';
    out += magnitude;
    return out;
}

// digits - 1 for a positive decimal integer: "1000" gives "999", "1" gives "0".
std::string Decremented(std::string_view digits) {
    std::string d(digits);
    std::size_t i = d.size();
    while (d[--i] == '0') d[i] = '9';
    --d[i];
    return d;
}

}  // namespace

std::optional<std::string> RelativeErrorText(const std::string& difference, const std::string& typedMagnitude) {
    const ScaledDigits t = Scale(typedMagnitude);
    if (t.Digits.empty()) return std::nullopt;
    const ScaledDigits e = Scale(difference);
    if (e.Digits.empty()) return std::string("0");
    const LeadingDigits r = RelativeDigits(e, t);
    return WriteRelativeText(difference[0] == '-', r.Digits, WideInteger(r.Exponent));
}

std::string FarBelowRelativeText(std::string_view storedDigits, const WideInteger& k, std::string_view typedDigits) {
    // (S - T) / T = (S * 10^k - D) / D: the dividend's digits are those of S - 1, then k - n
    // nines, then the n digits of 10^n - D (D's last digit is nonzero). Division reads n + 19 of
    // them at most; past n + 40 nines the rest only says that more follows.
    const auto n = static_cast<std::int64_t>(typedDigits.size());
    const std::int64_t written = 2 * n + 40;
    const std::optional<std::int64_t> whole = k.Within(written);
    ScaledDigits e{Decremented(storedDigits)};
    e.Digits.append(static_cast<std::size_t>(whole ? *whole - n : n + 40), '9');
    if (whole) {
        for (std::size_t i = 0; i + 1 < typedDigits.size(); ++i) e.Digits += static_cast<char>('9' - (typedDigits[i] - '0'));
        e.Digits += static_cast<char>('0' + 10 - (typedDigits.back() - '0'));
    }
    e.MoreBelow = !whole;
    e.Digits.erase(0, e.Digits.find_first_not_of('0'));
    const LeadingDigits r = RelativeDigits(e, ScaledDigits{std::string(typedDigits), 0, false});
    // The digits not written weigh 10^(k - written part) each.
    const WideInteger unwritten = whole ? WideInteger(0) : k - (n + 40);
    return WriteRelativeText(true, r.Digits, unwritten + r.Exponent);
}

std::string RoundedRelativeText(bool negative, const LeadingDigits& rounded) {
    return WriteRelativeText(negative, rounded.Digits, WideInteger(rounded.Exponent));
}

}  // namespace pexabit
