#pragma once
// The fast paths of decimal reading: a significand below 2^64 (up to 19 digits) times a power of
// ten, read into a GuardedSignificand with 128-bit arithmetic, or nullopt where that cannot
// settle it and the exact path must (MagnitudeReading). Inline: short texts are read through
// here once per value, and a call boundary would send the 32-byte result through memory.

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <optional>

#include "arith/Powers.h"
#include "format/MagnitudeReading.h"

namespace pexabit {

inline constexpr int MaxShortDigits = 19;         // 10^19 - 1 < 2^64
inline constexpr int MaxDivisionPowerOfTen = 19;  // 10^19 < 2^64: a one-word divisor
inline constexpr int MaxDivisionPrecision = 62;   // the quotient keeps at least 63 bits

// The bytes of the word (the first character in the lowest byte) that are no ASCII digit, as
// nonzero bytes: a digit's high nibble is 3, and adding 6 to its low nibble does not carry out of
// it. A carry out of a byte that is no digit may disturb the bytes above it, so only the lowest
// nonzero byte is sure: the first character that is no digit.
inline std::uint64_t NonDigitBytes(std::uint64_t v) {
    return ((v & 0xF0F0F0F0F0F0F0F0ULL) | (((v + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) >> 4)) ^
           0x3333333333333333ULL;
}

// Eight ASCII digits in a word, the first in the lowest byte, as their value: pairs, then
// quadruples, then the whole, each step one multiply-and-shift that keeps the partial values in
// separate lanes.
inline std::uint64_t WordDigitsValue(std::uint64_t v) {
    static_assert(std::endian::native == std::endian::little, "the first digit must land in the lowest byte");
    v -= 0x3030303030303030ULL;
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;            // 4 lanes of two digits
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;          // 2 lanes of four digits
    return (v * 10000 + (v >> 32)) & 0x00000000FFFFFFFFULL;     // eight digits
}

// The value of the eight ASCII digits from p.
inline std::uint64_t EightDigitsValue(const char* p) {
    std::uint64_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return WordDigitsValue(v);
}

// Eisel-Lemire: digits * 10^exponent from one 64 x 128-bit product with the tabled power.
// Preconditions: digits != 0, exponent within the table, precision <= MaxGuardedPrecision.
// ReadDecimalByPowerTable(1, -1, 53) is 0x66666666666666 * 2^-58, sticky.
inline std::optional<GuardedSignificand> ReadDecimalByPowerTable(std::uint64_t digits, int exponent, int precision) {
    assert(digits != 0 && precision <= MaxGuardedPrecision);
    assert(exponent >= MinTabledDecimalPower && exponent <= MaxTabledDecimalPower);
    const DecimalPower& power = PowerOfTen(exponent);
    const int leadingZeros = std::countl_zero(digits);
    const std::uint64_t w = digits << leadingZeros;
    // w * Significand = high * 2^64 + low in 192 bits, high of 127 or 128 bits.
    const Bits128 lowProduct = Bits128{w} * static_cast<std::uint64_t>(power.Significand);
    const Bits128 highProduct = Bits128{w} * static_cast<std::uint64_t>(power.Significand >> 64);
    const Bits128 high = highProduct + (lowProduct >> 64);
    const auto low = static_cast<std::uint64_t>(lowProduct);
    const int exponentOfHigh = power.BinaryExponent - leadingZeros + 64;
    if (power.Exact) return GuardedSignificand{high, exponentOfHigh, low != 0};
    // The true product lies strictly between high * 2^64 + low and that plus w: strictly above
    // high, and below high + 1 unless low + w carries. Only a carry that can reach the kept bits
    // (the dropped ones all ones) leaves them undecided.
    // The carry is tested first: it is rare, and the 128-bit mask of the dropped bits is only
    // needed after it.
    const int dropped = BitWidth128(high) - GuardedBits(precision);
    if (low + w < low) [[unlikely]] {
        if ((high & LowBits(dropped)) == LowBits(dropped)) return std::nullopt;
    }
    return GuardedSignificand{high >> dropped, exponentOfHigh + dropped, true};
}

// digits * 10^exponent, -19 <= exponent < 0, as the exact 128-bit quotient digits * 2^j / 10^-exponent
// and its remainder; precision <= MaxDivisionPrecision. Settles what the table cannot, such as the
// exact 0.5 or 1.25.
inline GuardedSignificand ReadDecimalByDivision(std::uint64_t digits, int exponent, [[maybe_unused]] int precision) {
    assert(digits != 0 && exponent < 0 && -exponent <= MaxDivisionPowerOfTen);
    assert(precision <= MaxDivisionPrecision);
    const std::uint64_t divisor = WordPowersOfTen[static_cast<std::size_t>(-exponent)];
    // digits * 2^shift in [2^126, 2^127) over a divisor below 2^63.2 leaves a quotient of at
    // least 63 bits, and the remainder says exactly whether anything is left below it.
    const int shift = 127 - std::bit_width(digits);
    const Bits128 numerator = Bits128{digits} << shift;
    const Bits128 quotient = numerator / divisor;
    return {quotient, -shift, numerator % divisor != 0};
}

// The table first, then the division; nullopt where neither applies or settles the value.
inline std::optional<GuardedSignificand> ReadShortDecimal(std::uint64_t digits, std::int64_t exponent, int precision) {
    if (exponent >= MinTabledDecimalPower && exponent <= MaxTabledDecimalPower) {
        if (auto read = ReadDecimalByPowerTable(digits, static_cast<int>(exponent), precision)) return read;
    }
    if (exponent < 0 && exponent >= -MaxDivisionPowerOfTen && precision <= MaxDivisionPrecision) {
        return ReadDecimalByDivision(digits, static_cast<int>(exponent), precision);
    }
    return std::nullopt;
}

}  // namespace pexabit
