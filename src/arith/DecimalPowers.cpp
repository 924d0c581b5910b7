#include "arith/DecimalPowers.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

namespace pexabit {

namespace {

constexpr int TableSize = MaxTabledDecimalPower - MinTabledDecimalPower + 1;
constexpr int SignificandBits = 128;
// 2^ReciprocalBits / 5^q keeps at least 128 bits for every tabled q: 5^400 has 929 bits.
constexpr int ReciprocalBits = 1088;

// A nonnegative integer in binary, 32 bits per word, least significant word first: only what
// building the table needs (5^q by repeated multiplication, and one long division per entry).
using BigBinary = std::vector<std::uint32_t>;

void MultiplyBySmall(BigBinary& x, std::uint32_t m) {
    std::uint64_t carry = 0;
    for (auto& w : x) {
        const std::uint64_t t = std::uint64_t{w} * m + carry;
        w = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0) x.push_back(static_cast<std::uint32_t>(carry));
}

// Bits up to the highest set one; the division leaves zero words on top.
int BitLength(const BigBinary& x) {
    std::size_t top = x.size() - 1;
    while (top > 0 && x[top] == 0) --top;
    return static_cast<int>(32 * top) + std::bit_width(x[top]);
}

bool Bit(const BigBinary& x, int i) { return ((x[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1U) != 0; }

// The top 128 bits of x (which has at least 128 bits), and whether any bit below them is set.
Bits128 TopBits(const BigBinary& x, bool& dropped) {
    const int length = BitLength(x);
    Bits128 top = 0;
    for (int i = length - 1; i >= length - SignificandBits; --i) top = (top << 1) | (Bit(x, i) ? 1U : 0U);
    const int below = length - SignificandBits;
    const auto wholeWords = static_cast<std::size_t>(below / 32);
    dropped = (x[wholeWords] & ((1U << (below % 32)) - 1)) != 0;
    for (std::size_t i = 0; i < wholeWords && !dropped; ++i) dropped = x[i] != 0;
    return top;
}

// 10^k = 2^k * 5^k: the top 128 bits of 5^k, padded with zeros while 5^k is shorter.
DecimalPower PositivePower(int k, const BigBinary& fivePower) {
    const int length = BitLength(fivePower);
    if (length <= SignificandBits) {
        Bits128 v = 0;
        for (int i = length - 1; i >= 0; --i) v = (v << 1) | (Bit(fivePower, i) ? 1U : 0U);
        return {v << (SignificandBits - length), k - (SignificandBits - length), true};
    }
    bool dropped = false;
    const Bits128 top = TopBits(fivePower, dropped);
    return {top, k + length - SignificandBits, !dropped};
}

// x = floor(x / 5), word by word from the top.
void DivideByFive(BigBinary& x) {
    std::uint64_t remainder = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        const std::uint64_t t = (remainder << 32) | x[i];
        x[i] = static_cast<std::uint32_t>(t / 5);
        remainder = t % 5;
    }
}

// 10^-q = 2^-q / 5^q, with L the bit length of 5^q: floor(2^(L+127) / 5^q) lies in
// [2^127, 2^128). It is the top of reciprocal = floor(2^ReciprocalBits / 5^q), since
// floor(floor(a) / n) == floor(a / n) for every divisor met on the way.
DecimalPower NegativePower(int q, const BigBinary& fivePower, const BigBinary& reciprocal) {
    const int length = BitLength(fivePower);
    bool dropped = false;
    const Bits128 top = TopBits(reciprocal, dropped);
    assert(BitLength(reciprocal) == ReciprocalBits - length + 1);
    return {top, -q - length - (SignificandBits - 1), false};
}

std::array<DecimalPower, TableSize> BuildTable() {
    std::array<DecimalPower, TableSize> table{};
    BigBinary fivePower{1};
    BigBinary reciprocal(ReciprocalBits / 32 + 1, 0);
    reciprocal.back() = 1;  // 2^ReciprocalBits
    for (int q = 0; q <= MaxTabledDecimalPower || q <= -MinTabledDecimalPower; ++q) {
        if (q <= MaxTabledDecimalPower) table[q - MinTabledDecimalPower] = PositivePower(q, fivePower);
        if (q > 0 && -q >= MinTabledDecimalPower) {
            table[-q - MinTabledDecimalPower] = NegativePower(q, fivePower, reciprocal);
        }
        MultiplyBySmall(fivePower, 5);
        DivideByFive(reciprocal);
    }
    return table;
}

}  // namespace

const DecimalPower& PowerOfTen(int k) {
    assert(k >= MinTabledDecimalPower && k <= MaxTabledDecimalPower);
    static const std::array<DecimalPower, TableSize> table = BuildTable();
    return table[static_cast<std::size_t>(k - MinTabledDecimalPower)];
}

}  // namespace pexabit
