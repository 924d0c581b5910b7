// The relative error (typed - stored) / typed to 17 significant digits, by long division of the
// two exact decimal magnitudes: 18 quotient digits and whether anything is left decide the
// rounding exactly, however long the operands are. A typed value far below the stored one gives
// a dividend of the stored digits, a run of nines that may be billions long, and the typed
// digits' complement: only its first digits are written, and the run stands for the rest.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "arith/WideInteger.h"
#include "report/ExactError.h"
#include "report/FarError.h"

namespace pexabit {

namespace {

constexpr int SignificantDigits = 17;
constexpr int QuotientDigits = SignificantDigits + 1;  // one more to round on

// A nonzero decimal magnitude as an integer of digit values times 10^Exponent, with neither
// leading nor trailing zeros: "+0,0250" gives {2, 5}, exponent -3. MoreBelow: nonzero digits
// follow those held, the value lies above them by less than one unit of the last.
struct ScaledDigits {
    std::vector<std::uint8_t> Digits;
    std::int64_t Exponent = 0;
    bool MoreBelow = false;
};

ScaledDigits Scale(std::string_view decimal) {
    ScaledDigits s;
    const std::size_t comma = decimal.find(',');
    const std::size_t fractionDigits = decimal.size() - comma - 1;
    for (std::size_t i = 1; i < decimal.size(); ++i) {
        if (decimal[i] == ',' || (s.Digits.empty() && decimal[i] == '0')) continue;
        s.Digits.push_back(static_cast<std::uint8_t>(decimal[i] - '0'));
    }
    s.Exponent = -static_cast<std::int64_t>(fractionDigits);
    while (!s.Digits.empty() && s.Digits.back() == 0) {
        s.Digits.pop_back();
        ++s.Exponent;
    }
    return s;
}

// The running remainder of the division, as wide as the divisor plus one digit, most
// significant first.
class Remainder {
public:
    // The remainder starts as the dividend's first |divisor| digits (zeros past its end).
    Remainder(const std::vector<std::uint8_t>& divisor, const std::vector<std::uint8_t>& dividend)
        : divisor_(divisor), digits_(divisor.size() + 1, 0) {
        const std::size_t n = std::min(divisor.size(), dividend.size());
        std::copy(dividend.begin(), dividend.begin() + static_cast<std::ptrdiff_t>(n), digits_.begin() + 1);
    }
    // remainder = remainder * 10 + digit.
    void ShiftIn(std::uint8_t digit) {
        digits_.erase(digits_.begin());
        digits_.push_back(digit);
    }
    // The next quotient digit: how often the divisor still fits, taken off the remainder.
    std::uint8_t DivideStep() {
        std::uint8_t q = 0;
        while (!BelowDivisor()) {
            Subtract();
            ++q;
        }
        return q;
    }
    bool IsZero() const {
        for (const std::uint8_t d : digits_) if (d != 0) return false;
        return true;
    }

private:
    bool BelowDivisor() const {
        if (digits_[0] != 0) return false;
        for (std::size_t i = 0; i < divisor_.size(); ++i) {
            if (digits_[i + 1] != divisor_[i]) return digits_[i + 1] < divisor_[i];
        }
        return false;
    }
    void Subtract() {
        int borrow = 0;
        for (std::size_t i = digits_.size(); i-- > 0;) {
            const int d = digits_[i] - borrow - (i == 0 ? 0 : divisor_[i - 1]);
            borrow = d < 0 ? 1 : 0;
            digits_[i] = static_cast<std::uint8_t>(d + 10 * borrow);
        }
    }
    const std::vector<std::uint8_t>& divisor_;
    std::vector<std::uint8_t> digits_;
};

// QuotientDigits significant digits of e / t (both without leading zeros), the decimal
// exponent of the last of them relative to e / t, and whether anything was left over.
struct Quotient {
    std::vector<std::uint8_t> Digits;
    std::int64_t LastExponent = 0;
    bool Sticky = false;
};

Quotient Divide(const ScaledDigits& e, const ScaledDigits& t) {
    Quotient q;
    // The first |t| digits give a quotient digit below 10; later ones one digit each.
    Remainder r(t.Digits, e.Digits);
    std::size_t consumed = t.Digits.size();
    const auto next = [&] { return consumed < e.Digits.size() ? e.Digits[consumed] : std::uint8_t{0}; };
    for (;;) {
        const std::uint8_t digit = r.DivideStep();
        if (digit != 0 || !q.Digits.empty()) q.Digits.push_back(digit);
        if (q.Digits.size() == QuotientDigits) break;
        r.ShiftIn(next());
        ++consumed;
    }
    q.LastExponent = static_cast<std::int64_t>(e.Digits.size()) - static_cast<std::int64_t>(consumed);
    q.Sticky = !r.IsZero() || consumed < e.Digits.size() || e.MoreBelow;
    return q;
}

// e / t to SignificantDigits digits, nearest with ties to even on the 18th digit and what lies
// beyond it; Exponent is the decimal exponent of the first digit.
struct RoundedDigits {
    std::vector<std::uint8_t> Digits;
    std::int64_t Exponent = 0;
    bool operator==(const RoundedDigits&) const = default;
};

RoundedDigits DivideAndRound(const ScaledDigits& e, const ScaledDigits& t) {
    Quotient q = Divide(e, t);
    RoundedDigits r{std::move(q.Digits), q.LastExponent + e.Exponent - t.Exponent + QuotientDigits - 1};
    const std::uint8_t last = r.Digits.back();
    r.Digits.pop_back();
    if (last > 5 || (last == 5 && (q.Sticky || r.Digits.back() % 2 == 1))) {
        std::size_t i = r.Digits.size();
        while (i > 0 && r.Digits[i - 1] == 9) r.Digits[--i] = 0;
        if (i == 0) {  // 9.99...9 rounded up to 10
            r.Digits.front() = 1;
            ++r.Exponent;
        } else {
            ++r.Digits[i - 1];
        }
    }
    return r;
}

// Operands longer than this are first divided by their leading digits only.
constexpr std::size_t LeadingWindow = 40;

// The leading LeadingWindow digits of x, plus one unit in the last of them when `up`: a bound
// below or above x. x itself when it is no longer.
ScaledDigits Leading(const ScaledDigits& x, bool up) {
    if (x.Digits.size() <= LeadingWindow) return x;
    ScaledDigits r;  // exactly the digits kept, or one unit more: MoreBelow stays behind
    r.Digits.assign(x.Digits.begin(), x.Digits.begin() + LeadingWindow);
    r.Exponent = x.Exponent + static_cast<std::int64_t>(x.Digits.size() - LeadingWindow);
    if (up) {
        std::size_t i = r.Digits.size();
        while (i > 0 && r.Digits[i - 1] == 9) r.Digits[--i] = 0;
        if (i == 0) r.Digits.insert(r.Digits.begin(), 1);
        else ++r.Digits[i - 1];
    }
    while (r.Digits.back() == 0) {  // Divide reads digits past the end as zeros
        r.Digits.pop_back();
        ++r.Exponent;
    }
    return r;
}

// Rounding is monotone: when the quotients of the leading digits taken as bounds below and
// above round alike, so does the exact quotient between them. Only a quotient next to a
// rounding boundary needs every digit of long operands.
RoundedDigits RelativeDigits(const ScaledDigits& e, const ScaledDigits& t) {
    if (e.Digits.size() <= LeadingWindow && t.Digits.size() <= LeadingWindow) return DivideAndRound(e, t);
    const RoundedDigits low = DivideAndRound(Leading(e, false), Leading(t, true));
    const RoundedDigits high = DivideAndRound(Leading(e, true), Leading(t, false));
    return low == high ? low : DivideAndRound(e, t);
}

// "-d.dddddddddddddddde+XX" from 17 digit values and the decimal exponent of the first.
std::string WriteRelativeText(bool negative, const std::vector<std::uint8_t>& digits, const WideInteger& exponent) {
    std::string out(negative ? "-" : "");
    out += static_cast<char>('0' + digits[0]);
    out += '.';
    for (std::size_t i = 1; i < digits.size(); ++i) out += static_cast<char>('0' + digits[i]);
    out += exponent.IsNegative() ? "e-" : "e+";
    const std::string magnitude = exponent.MagnitudeText();
    if (magnitude.size() < 2) out += '0';
    out += magnitude;
    return out;
}

// digits - 1 for a positive decimal integer: "1000" gives "999", "1" gives "0".
std::vector<std::uint8_t> Decremented(std::string_view digits) {
    std::vector<std::uint8_t> d;
    for (const char c : digits) d.push_back(static_cast<std::uint8_t>(c - '0'));
    std::size_t i = d.size();
    while (d[--i] == 0) d[i] = 9;
    --d[i];
    return d;
}

}  // namespace

std::optional<std::string> RelativeErrorText(const std::string& difference, const std::string& typedMagnitude) {
    const ScaledDigits t = Scale(typedMagnitude);
    if (t.Digits.empty()) return std::nullopt;
    const ScaledDigits e = Scale(difference);
    if (e.Digits.empty()) return std::string("0");
    const RoundedDigits r = RelativeDigits(e, t);
    return WriteRelativeText(difference[0] == '-', r.Digits, r.Exponent);
}

std::string FarBelowRelativeText(std::string_view storedDigits, const WideInteger& k, std::string_view typedDigits) {
    // (S - T) / T = (S * 10^k - D) / D: the dividend's digits are those of S - 1, then k - n
    // nines, then the n digits of 10^n - D (D's last digit is nonzero). Division reads n + 19 of
    // them at most; past n + 40 nines the rest only says that more follows.
    const auto n = static_cast<std::int64_t>(typedDigits.size());
    const std::int64_t written = 2 * n + 40;
    const std::optional<std::int64_t> whole = k.Within(written);
    ScaledDigits e{Decremented(storedDigits)};
    e.Digits.insert(e.Digits.end(), static_cast<std::size_t>(whole ? *whole - n : n + 40), 9);
    if (whole) {
        for (std::size_t i = 0; i + 1 < typedDigits.size(); ++i) e.Digits.push_back(static_cast<std::uint8_t>(9 - (typedDigits[i] - '0')));
        e.Digits.push_back(static_cast<std::uint8_t>(10 - (typedDigits.back() - '0')));
    }
    e.MoreBelow = !whole;
    const auto leadingZeros = std::find_if(e.Digits.begin(), e.Digits.end(), [](std::uint8_t d) { return d != 0; });
    e.Digits.erase(e.Digits.begin(), leadingZeros);
    ScaledDigits t;
    for (const char c : typedDigits) t.Digits.push_back(static_cast<std::uint8_t>(c - '0'));
    const RoundedDigits r = RelativeDigits(e, t);
    // The digits not written weigh 10^(k - written part) each.
    const WideInteger unwritten = whole ? WideInteger(0) : k - (n + 40);
    return WriteRelativeText(true, r.Digits, unwritten + r.Exponent);
}

std::string RoundedRelativeText(bool negative, const LeadingDigits& rounded) {
    std::vector<std::uint8_t> digits(SignificantDigits);
    std::uint64_t rest = rounded.Digits;
    for (std::size_t i = digits.size(); i-- > 0; rest /= 10) digits[i] = static_cast<std::uint8_t>(rest % 10);
    return WriteRelativeText(negative, digits, rounded.Exponent);
}

}  // namespace pexabit
