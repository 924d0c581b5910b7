#include "decimal/ExactExpansion.h"

#include <array>
#include <cstdint>

#include "decimal/DecimalLimbs.h"
#include "decimal/PowerTables.h"

namespace pexabit {

namespace {

using limbs::Limbs;
using limbs::LimbSpan;

// v in base-10^9 limbs on the stack: 2^128 < 10^39, so five limbs always suffice.
class Uint128Limbs {
public:
    explicit Uint128Limbs(Bits128 v) {
        do {
            limbs_[count_++] = static_cast<std::uint32_t>(v % limbs::LimbBase);
            v /= limbs::LimbBase;
        } while (v != 0);
    }
    LimbSpan View() const { return {limbs_.data(), count_}; }

private:
    std::array<std::uint32_t, 5> limbs_{};
    std::size_t count_ = 0;
};

void WriteAll(LimbSpan x, std::string& out) {
    out.assign(limbs::DecimalLength(x), '0');
    limbs::WriteDigits(x, out.data(), out.size());
}

}  // namespace

void ExpandExact(Bits128 significand, int exponent, DecimalExpansion& out) {
    out.Fraction.clear();
    if (significand == 0) {
        out.Integer.assign("0");
        return;
    }
    // An odd M leaves no trailing zero bit, so a fraction F / 2^k (F odd) has exactly k digits,
    // the last of them a 5: F * 5^k written in k places needs no trimming.
    while ((significand & 1) == 0) {
        significand >>= 1;
        ++exponent;
    }
    Limbs scratch;
    if (exponent >= 0) {
        const Limbs integer = limbs::Multiply(
            Uint128Limbs(significand).View(), limbs::PowerOfTwoLimbs(static_cast<std::size_t>(exponent), scratch));
        WriteAll(integer, out.Integer);
        return;
    }
    const auto k = static_cast<std::size_t>(-exponent);
    constexpr std::size_t Width = 128;
    const Bits128 integer = k >= Width ? 0 : significand >> k;
    const Bits128 fractionBits = k >= Width ? significand : significand & LowBits(static_cast<int>(k));
    WriteAll(Uint128Limbs(integer).View(), out.Integer);
    if (fractionBits == 0) return;
    const Limbs fraction = limbs::Multiply(Uint128Limbs(fractionBits).View(), limbs::PowerOfFive(k, scratch));
    out.Fraction.assign(k, '0');
    limbs::WriteDigits(fraction, out.Fraction.data(), k);
}

}  // namespace pexabit
