#include "format/MagnitudeReading.h"

#include <algorithm>
#include <bit>
#include <string>
#include <cassert>

#include "format/BigUnsigned.h"
#include "format/DecimalPowers.h"

namespace pexabit {

namespace {

constexpr int MaxFastDigits = 19;             // 10^19 - 1 < 2^64
constexpr int MaxDivisionPowerOfTen = 19;     // 10^19 < 2^64: a one-word divisor
constexpr int MaxDivisionPrecision = 62;      // the quotient below keeps at least 63 bits
constexpr int MaxGuardedPrecision = 124;      // Precision + 2 guarded bits and a spare within 128
constexpr int HexDigitsTaken = 31;            // 124 bits: at least Precision + 1 after a leading digit's zeros

// Significant bits every reader delivers: the precision, the rounding bit, and one more so that
// a carry into a new leading bit still leaves the rounding bit known.
int GuardedBits(int precision) { return precision + 2; }

std::uint64_t Mul64High(std::uint64_t a, std::uint64_t b, std::uint64_t& low) {
    const Bits128 p = Bits128{a} * b;
    low = static_cast<std::uint64_t>(p);
    return static_cast<std::uint64_t>(p >> 64);
}

// The two values every text beyond the range stands for: 2^(emax+2) overflows in every mode;
// a sticky value below 2^(MinQuantum-2) rounds to zero or to the smallest subnormal, and is tiny.
GuardedSignificand BeyondOverflow(const FloatFormat& format) {
    const int bits = GuardedBits(format.Precision());
    return {Bits128{1} << (bits - 1), format.MaxExponent() + 2 - (bits - 1), false};
}

GuardedSignificand BelowHalfSubnormal(const FloatFormat& format) {
    const int bits = GuardedBits(format.Precision());
    return {Bits128{1} << (bits - 1), format.MinQuantumExponent() - 3 - (bits - 1), true};
}

std::uint64_t DigitsValue(std::string_view digits) {
    std::uint64_t v = 0;
    for (char c : digits) v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

}  // namespace

std::int64_t SignificantDigitBound(const FloatFormat& format) {
    // Upper bounds 0.30103 > log10(2) and 0.69898 > log10(5). A midpoint or value below 1 is
    // m * 2^-k with m < 2^(Precision+2) and k <= 1 - MinQuantum: the digits of m * 5^k. One above
    // 1 is an integer below 2^(emax+2).
    const std::int64_t small = (std::int64_t{GuardedBits(format.Precision())} * 30103 +
                                std::int64_t{1 - format.MinQuantumExponent()} * 69898) / 100000;
    const std::int64_t large = std::int64_t{format.MaxExponent() + 2} * 30103 / 100000;
    return std::max(small, large) + 3;
}

std::optional<GuardedSignificand> ReadDecimalByPowerTable(std::uint64_t digits, int exponent, int precision) {
    assert(digits != 0 && precision <= MaxGuardedPrecision);
    assert(exponent >= MinTabledDecimalPower && exponent <= MaxTabledDecimalPower);
    const DecimalPower& power = PowerOfTen(exponent);
    const int leadingZeros = std::countl_zero(digits);
    const std::uint64_t w = digits << leadingZeros;
    // w * Significand = high * 2^64 + low in 192 bits.
    std::uint64_t lowOfLow = 0, lowOfHigh = 0;
    const std::uint64_t highOfLow = Mul64High(w, static_cast<std::uint64_t>(power.Significand), lowOfLow);
    const std::uint64_t highOfHigh = Mul64High(w, static_cast<std::uint64_t>(power.Significand >> 64), lowOfHigh);
    const Bits128 high = (Bits128{highOfHigh} << 64) + lowOfHigh + highOfLow;
    const std::uint64_t low = lowOfLow;
    const int exponentOfHigh = power.BinaryExponent - leadingZeros + 64;
    if (power.Exact) return GuardedSignificand{high, exponentOfHigh, low != 0};
    // The true product lies strictly between high * 2^64 + low and that plus w: strictly above
    // high, and below high + 1 unless low + w carries. Only a carry that can reach the kept bits
    // (the dropped ones all ones) leaves them undecided.
    const int dropped = BitWidth128(high) - GuardedBits(precision);
    const Bits128 droppedBits = high & LowBits(dropped);
    const bool carryPossible = low + w < low;
    if (carryPossible && droppedBits == LowBits(dropped)) return std::nullopt;
    return GuardedSignificand{high >> dropped, exponentOfHigh + dropped, true};
}

GuardedSignificand ReadDecimalByDivision(std::uint64_t digits, int exponent, [[maybe_unused]] int precision) {
    assert(digits != 0 && exponent < 0 && -exponent <= MaxDivisionPowerOfTen);
    assert(precision <= MaxDivisionPrecision);
    std::uint64_t divisor = 1;
    for (int i = 0; i < -exponent; ++i) divisor *= 10;
    // digits * 2^shift in [2^126, 2^127) over a divisor below 2^63.2 leaves a quotient of at
    // least 63 bits, and the remainder says exactly whether anything is left below it.
    const int shift = 127 - std::bit_width(digits);
    const Bits128 numerator = Bits128{digits} << shift;
    const Bits128 quotient = numerator / divisor;
    const bool remainder = numerator % divisor != 0;
    return {quotient, -shift, remainder};
}

GuardedSignificand ReadDecimalExactly(std::string_view digits, std::int64_t exponent, int precision) {
    assert(!digits.empty() && precision <= MaxGuardedPrecision);
    const int wanted = GuardedBits(precision);
    BigUnsigned value = BigUnsigned::FromDecimal(digits);
    if (exponent >= 0) {
        // digits * 10^e = (digits * 5^e) * 2^e: keep the top `wanted` bits of the product.
        value = Multiply(value, BigUnsigned::PowerOfFive(static_cast<std::uint64_t>(exponent)));
        const auto length = static_cast<int>(value.BitLength());
        if (length <= 128) return {value.Extract(0, 128), static_cast<int>(exponent), false};
        const auto cut = static_cast<std::size_t>(length - wanted);
        return {value.Extract(cut, wanted), static_cast<int>(exponent) + length - wanted, value.AnyBitBelow(cut)};
    }
    // digits * 10^-F = digits * 2^-F / 5^F: a quotient of wanted to wanted + 1 bits, scaled by 2^j.
    const auto f = static_cast<std::uint64_t>(-exponent);
    BigUnsigned denominator = BigUnsigned::PowerOfFive(f);
    const std::int64_t j = wanted + static_cast<std::int64_t>(denominator.BitLength()) -
                           static_cast<std::int64_t>(value.BitLength());
    if (j >= 0) value.ShiftLeft(static_cast<std::size_t>(j));
    if (j < 0) denominator.ShiftLeft(static_cast<std::size_t>(-j));
    const Bits128 quotient = DivideWithSmallQuotient(value, denominator);
    return {quotient, static_cast<int>(-j + exponent), !value.IsZero()};
}

GuardedSignificand ReadDecimalMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent) {
    assert(!digits.empty() && digits[0] != '0');
    const int precision = format.Precision();
    // digits * 10^exponent lies in [10^(top-1), 10^top). 3.3219 < log2(10) < 3.3220: beyond
    // these bounds the value is surely above 2^(emax+2) or below 2^(MinQuantum-2).
    constexpr std::int64_t Far = 1'000'000;
    const std::int64_t top = std::clamp<std::int64_t>(static_cast<std::int64_t>(digits.size()) + exponent, -Far, Far);
    if ((top - 1) * 33219 >= std::int64_t{format.MaxExponent() + 2} * 10000) return BeyondOverflow(format);
    if (top * 33219 <= std::int64_t{format.MinQuantumExponent() - 2} * 10000) return BelowHalfSubnormal(format);
    if (digits.size() <= MaxFastDigits) {
        const std::uint64_t value = DigitsValue(digits);
        if (exponent >= MinTabledDecimalPower && exponent <= MaxTabledDecimalPower) {
            if (auto fast = ReadDecimalByPowerTable(value, static_cast<int>(exponent), precision)) return *fast;
        }
        if (exponent < 0 && -exponent <= MaxDivisionPowerOfTen && precision <= MaxDivisionPrecision) {
            return ReadDecimalByDivision(value, static_cast<int>(exponent), precision);
        }
    }
    // Past the digit bound the rest only says "more than the kept digits": one nonzero digit
    // stands for it.
    const std::int64_t bound = SignificantDigitBound(format);
    if (static_cast<std::int64_t>(digits.size()) <= bound) return ReadDecimalExactly(digits, exponent, precision);
    const auto kept = static_cast<std::size_t>(bound);
    std::string shortened(digits.substr(0, kept));
    const bool rest = digits.find_first_not_of('0', kept) != std::string_view::npos;
    if (rest) shortened.push_back('1');
    const std::int64_t dropped = static_cast<std::int64_t>(digits.size() - shortened.size());
    return ReadDecimalExactly(shortened, exponent + dropped, precision);
}

GuardedSignificand ReadHexMagnitude(const FloatFormat& format, std::string_view digits, std::int64_t exponent) {
    assert(!digits.empty());
    const int first = digits[0] <= '9' ? digits[0] - '0' : (digits[0] | 0x20) - 'a' + 10;
    assert(first != 0);
    // The leading bit's weight, 2^lead, decides the far ranges without touching the digits.
    constexpr std::int64_t Far = 1'000'000;
    const std::int64_t lead = std::clamp<std::int64_t>(
        exponent + 4 * static_cast<std::int64_t>(digits.size() - 1) + std::bit_width(static_cast<unsigned>(first)) - 1, -Far, Far);
    if (lead >= format.MaxExponent() + 2) return BeyondOverflow(format);
    if (lead <= format.MinQuantumExponent() - 3) return BelowHalfSubnormal(format);
    const std::size_t taken = std::min<std::size_t>(digits.size(), HexDigitsTaken);
    Bits128 bits = 0;
    for (std::size_t i = 0; i < taken; ++i) {
        const char c = digits[i];
        bits = (bits << 4) | static_cast<unsigned>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    const bool rest = digits.find_first_not_of('0', taken) != std::string_view::npos;
    return {bits, static_cast<int>(exponent + 4 * static_cast<std::int64_t>(digits.size() - taken)), rest};
}

}  // namespace pexabit
