#pragma once
// Unsigned big integers in base 10^9, the working form of the exact expansions: nine decimal
// digits per 32-bit limb, least significant limb first. Base 10^9 keeps every product of two
// limbs (< 10^18) and its carries inside 64 bits, and turns into digit text without division
// by anything but constants.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pexabit::limbs {

using Limbs = std::vector<std::uint32_t>;
using LimbSpan = std::span<const std::uint32_t>;

inline constexpr std::uint32_t LimbBase = 1'000'000'000;  // 10^9
inline constexpr std::size_t LimbDigits = 9;

// v as limbs on the stack, for the significands of the exact expansions: 2^64 < 10^27, so three
// limbs always suffice. Uint64Limbs(12345678901).View() == {345678901, 12}; zero is {0}.
class Uint64Limbs {
public:
    explicit Uint64Limbs(std::uint64_t v) {
        do {
            limbs_[count_++] = static_cast<std::uint32_t>(v % LimbBase);
            v /= LimbBase;
        } while (v != 0);
    }
    LimbSpan View() const { return {limbs_.data(), count_}; }

private:
    std::array<std::uint32_t, 3> limbs_{};
    std::size_t count_ = 0;
};

// x = x * mul + add, in place; mul and add below 2^32. Grows x as needed.
void MultiplyAdd(Limbs& x, std::uint32_t mul, std::uint32_t add);

// a * b, schoolbook. Both normalised (no zero limb on top unless the value is 0).
Limbs Multiply(LimbSpan a, LimbSpan b);

// Number of decimal digits of x without leading zeros; 1 for zero.
std::size_t DecimalLength(LimbSpan x);

// Writes x into out[0, width) right-aligned, left-padded with '0'. width >= DecimalLength(x).
// WriteDigits({5}, out, 3) writes "005".
void WriteDigits(LimbSpan x, char* out, std::size_t width);

// Writes v as decimal digits without leading zeros ("0" for 0); returns the count written.
// out must hold 20 characters.
std::size_t WriteUint64(std::uint64_t v, char* out);

}  // namespace pexabit::limbs
