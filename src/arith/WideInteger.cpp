#include "arith/WideInteger.h"

#include <algorithm>

namespace pexabit {

namespace {

// Digit values ('0' to '9' as 0 to 9) least significant first.
void DropTopZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == 0) digits.pop_back();
}

// -1, 0 or 1 as |a| <, ==, > |b|.
int CompareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

std::string AddMagnitudes(const std::string& a, const std::string& b) {
    std::string sum(std::max(a.size(), b.size()) + 1, 0);
    int carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        const int d = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0) + carry;
        sum[i] = static_cast<char>(d % 10);
        carry = d / 10;
    }
    DropTopZeros(sum);
    return sum;
}

// |a| - |b| for |a| >= |b|.
std::string SubtractMagnitudes(std::string a, const std::string& b) {
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = a[i] - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        a[i] = static_cast<char>(d + 10 * borrow);
        if (i >= b.size() && borrow == 0) break;
    }
    DropTopZeros(a);
    return a;
}

}  // namespace

WideInteger::WideInteger(std::int64_t value) : negative_(value < 0) {
    // The magnitude as unsigned, so that the most negative value has one too.
    std::uint64_t m = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    for (; m != 0; m /= 10) digits_ += static_cast<char>(m % 10);
}

WideInteger WideInteger::FromDigits(bool negative, std::string_view digits) {
    WideInteger r;
    r.digits_.reserve(digits.size());
    for (std::size_t i = digits.size(); i-- > 0;) r.digits_ += static_cast<char>(digits[i] - '0');
    DropTopZeros(r.digits_);
    r.negative_ = negative && !r.digits_.empty();
    return r;
}

std::optional<std::int64_t> WideInteger::Within(std::int64_t limit) const {
    constexpr std::size_t MaxDigits = 19;  // 10^19 > 2^63: fewer digits fit 64 bits unsigned
    if (digits_.size() >= MaxDigits + 1) return std::nullopt;
    std::uint64_t m = 0;
    for (std::size_t i = digits_.size(); i-- > 0;) m = m * 10 + static_cast<std::uint64_t>(digits_[i]);
    if (m > static_cast<std::uint64_t>(limit)) return std::nullopt;
    return negative_ ? -static_cast<std::int64_t>(m) : static_cast<std::int64_t>(m);
}

std::string WideInteger::MagnitudeText() const {
    if (digits_.empty()) return "0";
    std::string text(digits_.rbegin(), digits_.rend());
    for (char& c : text) c = static_cast<char>(c + '0');
    return text;
}

WideInteger operator+(const WideInteger& a, const WideInteger& b) {
    WideInteger r;
    if (a.negative_ == b.negative_) {
        r.digits_ = AddMagnitudes(a.digits_, b.digits_);
        r.negative_ = a.negative_;
    } else if (CompareMagnitudes(a.digits_, b.digits_) >= 0) {
        r.digits_ = SubtractMagnitudes(a.digits_, b.digits_);
        r.negative_ = a.negative_;
    } else {
        r.digits_ = SubtractMagnitudes(b.digits_, a.digits_);
        r.negative_ = b.negative_;
    }
    r.negative_ = r.negative_ && !r.digits_.empty();
    return r;
}

}  // namespace pexabit
