#include "arith/BigUnsigned.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "arith/Powers.h"
#include "text/Characters.h"

namespace pexabit {

namespace {

constexpr int WordBits = 64;
// 19 digits: the largest power of ten below 2^64, one multiplication per chunk.
constexpr int DecimalChunk = 19;

}  // namespace

BigUnsigned::BigUnsigned(Bits128 value) {
    words_ = {static_cast<std::uint64_t>(value), static_cast<std::uint64_t>(value >> WordBits)};
    Trim();
}

void BigUnsigned::Trim() {
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
}

BigUnsigned BigUnsigned::FromDecimal(std::string_view digits) {
    BigUnsigned r;
    r.words_.reserve(digits.size() / DecimalChunk + 2);
    std::size_t at = 0;
    while (at < digits.size()) {
        const std::size_t take = std::min<std::size_t>(DecimalChunk, digits.size() - at);
        std::uint64_t chunk = 0;
        for (std::size_t i = 0; i < take; ++i) chunk = chunk * 10 + static_cast<std::uint64_t>(digits[at + i] - '0');
        r.MultiplySmall(WordPowersOfTen[take]);
        r.AddSmall(chunk);
        at += take;
    }
    return r;
}

BigUnsigned BigUnsigned::FromHex(std::string_view digits) {
    BigUnsigned r;
    r.words_.assign(digits.size() / 16 + 1, 0);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t bit = 4 * (digits.size() - 1 - i);
        r.words_[bit / WordBits] |= static_cast<std::uint64_t>(HexDigitValue(digits[i])) << (bit % WordBits);
    }
    r.Trim();
    return r;
}

std::size_t BigUnsigned::BitLength() const {
    if (words_.empty()) return 0;
    return WordBits * (words_.size() - 1) + static_cast<std::size_t>(std::bit_width(words_.back()));
}

Bits128 BigUnsigned::Extract(std::size_t low, int count) const {
    assert(count >= 0 && count <= 128);
    Bits128 r = 0;
    const std::size_t first = low / WordBits;
    const int offset = static_cast<int>(low % WordBits);
    // Three words cover any 128 bits that start inside the first of them.
    for (std::size_t i = 0; i < 3 && first + i < words_.size(); ++i) {
        const Bits128 w = words_[first + i];
        const int at = static_cast<int>(i) * WordBits - offset;
        if (at < 0) {
            r |= w >> -at;
        } else if (at < 128) {
            r |= w << at;
        }
    }
    return r & LowBits(count);
}

std::size_t BigUnsigned::TrailingZeroBits() const {
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != 0) return WordBits * i + static_cast<std::size_t>(std::countr_zero(words_[i]));
    }
    return 0;
}

bool BigUnsigned::AnyBitBelow(std::size_t bit) const {
    const std::size_t whole = std::min(bit / WordBits, words_.size());
    for (std::size_t i = 0; i < whole; ++i) {
        if (words_[i] != 0) return true;
    }
    const int partial = static_cast<int>(bit % WordBits);
    return whole < words_.size() && partial != 0 && (words_[whole] & ((std::uint64_t{1} << partial) - 1)) != 0;
}

void BigUnsigned::MultiplySmall(std::uint64_t factor) {
    Bits128 carry = 0;
    for (auto& w : words_) {
        carry += Bits128{w} * factor;
        w = static_cast<std::uint64_t>(carry);
        carry >>= WordBits;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint64_t>(carry));
    Trim();
}

std::uint64_t BigUnsigned::DivideSmall(std::uint64_t divisor) {
    assert(divisor != 0);
    Bits128 remainder = 0;
    for (std::size_t i = words_.size(); i-- > 0;) {
        remainder = (remainder << WordBits) | words_[i];
        words_[i] = static_cast<std::uint64_t>(remainder / divisor);
        remainder %= divisor;
    }
    Trim();
    return static_cast<std::uint64_t>(remainder);
}

void BigUnsigned::AddSmall(std::uint64_t addend) {
    Bits128 carry = addend;
    for (std::size_t i = 0; i < words_.size() && carry != 0; ++i) {
        carry += words_[i];
        words_[i] = static_cast<std::uint64_t>(carry);
        carry >>= WordBits;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint64_t>(carry));
}

void BigUnsigned::ShiftLeft(std::size_t bits) {
    if (words_.empty()) return;
    const std::size_t wordShift = bits / WordBits;
    const int bitShift = static_cast<int>(bits % WordBits);
    if (bitShift != 0) {
        std::uint64_t carry = 0;
        for (auto& w : words_) {
            const std::uint64_t next = w >> (WordBits - bitShift);
            w = (w << bitShift) | carry;
            carry = next;
        }
        if (carry != 0) words_.push_back(carry);
    }
    words_.insert(words_.begin(), wordShift, 0);
}

void BigUnsigned::ShiftRight(std::size_t bits) {
    DropLowWords(std::min(bits / WordBits, words_.size()));
    const int bitShift = static_cast<int>(bits % WordBits);
    if (bitShift == 0 || words_.empty()) return;
    for (std::size_t i = 0; i + 1 < words_.size(); ++i) {
        words_[i] = (words_[i] >> bitShift) | (words_[i + 1] << (WordBits - bitShift));
    }
    words_.back() >>= bitShift;
    Trim();
}

void BigUnsigned::Subtract(const BigUnsigned& other) {
    assert(Compare(*this, other) >= 0);
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const std::uint64_t o = i < other.words_.size() ? other.words_[i] : 0;
        if (o == 0 && borrow == 0 && i >= other.words_.size()) break;
        const std::uint64_t d = words_[i] - o - borrow;
        borrow = (words_[i] < o || (words_[i] == o && borrow != 0)) ? 1 : 0;
        words_[i] = d;
    }
    Trim();
}

bool BigUnsigned::DropLowWords(std::size_t count) {
    count = std::min(count, words_.size());
    const bool nonzero = std::any_of(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(count),
                                     [](std::uint64_t w) { return w != 0; });
    words_.erase(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(count));
    return nonzero;
}

BigUnsigned Multiply(const BigUnsigned& a, const BigUnsigned& b) {
    BigUnsigned r;
    if (a.IsZero() || b.IsZero()) return r;
    r.words_.assign(a.words_.size() + b.words_.size(), 0);
    for (std::size_t i = 0; i < a.words_.size(); ++i) {
        Bits128 carry = 0;
        for (std::size_t j = 0; j < b.words_.size(); ++j) {
            // < (2^64 - 1)^2 + 2 (2^64 - 1) < 2^128: the sum cannot overflow.
            carry += Bits128{a.words_[i]} * b.words_[j] + r.words_[i + j];
            r.words_[i + j] = static_cast<std::uint64_t>(carry);
            carry >>= WordBits;
        }
        r.words_[i + b.words_.size()] = static_cast<std::uint64_t>(carry);
    }
    r.Trim();
    return r;
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
    for (std::size_t i = a.words_.size(); i-- > 0;) {
        if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    }
    return 0;
}

Bits128 DivideWithSmallQuotient(BigUnsigned& numerator, const BigUnsigned& denominator) {
    assert(!denominator.IsZero());
    const std::size_t n = numerator.BitLength(), d = denominator.BitLength();
    if (n < d) return 0;
    if (n <= 128) {  // both fit the machine's 128-bit division
        const Bits128 a = numerator.Extract(0, 128), b = denominator.Extract(0, 128);
        numerator = BigUnsigned(a % b);
        return a / b;
    }
    const std::size_t shift = n - d;
    assert(shift < 128);
    BigUnsigned step = denominator;
    step.ShiftLeft(shift);
    Bits128 quotient = 0;
    for (std::size_t i = shift + 1; i-- > 0;) {
        if (Compare(numerator, step) >= 0) {
            numerator.Subtract(step);
            quotient |= Bits128{1} << i;
        }
        step.ShiftRight(1);
    }
    return quotient;
}

void KeepWords(ScaledInteger& x, std::size_t words, bool roundUp) {
    if (x.M.WordCount() <= words) return;
    const std::size_t drop = x.M.WordCount() - words;
    const bool dropped = x.M.DropLowWords(drop);
    x.Exponent += static_cast<std::int64_t>(WordBits * drop);
    if (roundUp && dropped) x.M.AddSmall(1);
}

}  // namespace pexabit
