// The relative error (typed - stored) / typed to 17 significant digits, by long division of the
// two exact decimal magnitudes: 18 quotient digits and whether anything is left decide the
// rounding exactly, however long the operands are.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "report/ExactError.h"

namespace pexabit {

namespace {

constexpr int SignificantDigits = 17;
constexpr int QuotientDigits = SignificantDigits + 1;  // one more to round on

// A nonzero decimal magnitude as an integer of digit values times 10^Exponent, with neither
// leading nor trailing zeros: "+0,0250" gives {2, 5}, exponent -3.
struct ScaledDigits {
    std::vector<std::uint8_t> Digits;
    std::int64_t Exponent = 0;
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
    q.Sticky = !r.IsZero() || consumed < e.Digits.size();
    return q;
}

}  // namespace

std::optional<std::string> RelativeErrorText(const std::string& difference, const std::string& typedMagnitude) {
    const ScaledDigits t = Scale(typedMagnitude);
    if (t.Digits.empty()) return std::nullopt;
    const ScaledDigits e = Scale(difference);
    if (e.Digits.empty()) return std::string("0");
    Quotient q = Divide(e, t);
    std::int64_t exponent = q.LastExponent + e.Exponent - t.Exponent + QuotientDigits - 1;
    // Nearest, ties to even, on the 18th digit and what lies beyond it.
    const std::uint8_t last = q.Digits.back();
    q.Digits.pop_back();
    if (last > 5 || (last == 5 && (q.Sticky || q.Digits.back() % 2 == 1))) {
        std::size_t i = q.Digits.size();
        while (i > 0 && q.Digits[i - 1] == 9) q.Digits[--i] = 0;
        if (i == 0) {
            q.Digits.insert(q.Digits.begin(), 1);
            q.Digits.pop_back();
            ++exponent;
        } else {
            ++q.Digits[i - 1];
        }
    }
    std::string out(difference[0] == '-' ? "-" : "");
    out += static_cast<char>('0' + q.Digits[0]);
    out += '.';
    for (std::size_t i = 1; i < q.Digits.size(); ++i) out += static_cast<char>('0' + q.Digits[i]);
    out += exponent < 0 ? "e-" : "e+";
    const std::uint64_t magnitude = exponent < 0 ? static_cast<std::uint64_t>(-exponent) : static_cast<std::uint64_t>(exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

}  // namespace pexabit
