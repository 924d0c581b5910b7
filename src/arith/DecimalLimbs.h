#pragma once
// Unsigned big integers in base 10^9, the working form of the exact expansions: nine decimal
// digits per 32-bit limb, least significant limb first. Base 10^9 keeps every product of two
// limbs (< 10^18) and its carries inside 64 bits, and turns into digit text without division
// by anything but constants. The products scale from a significand times a tabled power to the
// millions of digits of a long typed hex float's exact value, which Karatsuba's method keeps
// within seconds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "arith/Bits128.h"

namespace pexabit::limbs {

using Limbs = std::vector<std::uint32_t>;
using LimbSpan = std::span<const std::uint32_t>;

inline constexpr std::uint32_t LimbBase = 1'000'000'000;  // 10^9
inline constexpr std::size_t LimbDigits = 9;

// Every operand and result is normalised: at least one limb, each below LimbBase, no zero limb
// on top unless the value is 0 ({0}). The debug and sanitizer builds assert it.

// x = x * mul + add, in place; mul and add below 2^32. Grows x as needed.
void MultiplyAdd(Limbs& x, std::uint32_t mul, std::uint32_t add);

// a * b written over `result` (its storage reused), which must not hold a or b: by columns when
// the shorter operand has at most 16 limbs (every significand of every format), schoolbook below
// 32, above that Karatsuba's three half-size products (a lopsided product in pieces as long as
// the shorter operand). Multiply({2}, {500000000}, r) makes r {0, 1}.
void Multiply(LimbSpan a, LimbSpan b, Limbs& result);

// The same into a new vector, for callers that keep no storage to reuse.
inline Limbs Multiply(LimbSpan a, LimbSpan b) {
    Limbs product;
    Multiply(a, b, product);
    return product;
}

// A value below 2^128 as limbs on the stack, for the significands that the expansions multiply by
// a power: 2^128 < 10^39, so five limbs always suffice. Below 2^64 (every significand up to the
// extended format's) the divisions are 64-bit ones, which the compiler turns into
// multiplications; a 128-bit division is a library call. Sparing the heap vector of a Limbs pays:
// with one, the exact expansion of the Double 0.1 took 118 ns instead of 79, of 1.0 53 instead
// of 34, of the largest Double 314 instead of 258 (bench/DecimalBench, median of 10).
// Limbs128(1'000'000'007).View() views {7, 1}.
class Limbs128 {
public:
    explicit Limbs128(Bits128 v) {
        for (; (v >> 64) != 0; v /= LimbBase) limbs_[count_++] = static_cast<std::uint32_t>(v % LimbBase);
        auto low = static_cast<std::uint64_t>(v);
        do {
            limbs_[count_++] = static_cast<std::uint32_t>(low % LimbBase);
            low /= LimbBase;
        } while (low != 0);
    }
    LimbSpan View() const { return {limbs_.data(), count_}; }

private:
    std::array<std::uint32_t, 5> limbs_{};
    std::size_t count_ = 0;
};

// Number of decimal digits of x without leading zeros; 1 for zero.
std::size_t DecimalLength(LimbSpan x);

// Writes x into out[0, width) right-aligned, left-padded with '0'. width >= DecimalLength(x).
// WriteDigits({5}, out, 3) writes "005".
void WriteDigits(LimbSpan x, char* out, std::size_t width);

// The integer of a run of hex digits, either case ("" is 0), converted by halves: the high half
// times 16^(length of the low half) plus the low half. FromHexDigits("1f") == {31}.
Limbs FromHexDigits(std::string_view digits);

}  // namespace pexabit::limbs
