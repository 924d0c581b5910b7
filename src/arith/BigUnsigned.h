#pragma once
// Unsigned big integers in base 2^64, least significant word first: the exact arithmetic behind
// the reading of texts whose value no 128-bit approximation settles (long digit strings, values
// next to a rounding boundary). Schoolbook operations: the readers bound the operands to some
// tens of thousands of bits.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "arith/Bits128.h"

namespace pexabit {

class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(Bits128 value);

    // The integer of a run of decimal digits ("" is 0). FromDecimal("18446744073709551616") is 2^64.
    static BigUnsigned FromDecimal(std::string_view digits);
    // The integer of a run of hex digits, either case ("" is 0). FromHex("1f") is 31.
    static BigUnsigned FromHex(std::string_view digits);

    bool IsZero() const { return words_.empty(); }
    // Bits up to the highest set one: 0 for zero, 1 for one.
    std::size_t BitLength() const;
    // Bits [low, low + count) as a number, count <= 128; bits beyond the top read as zero.
    Bits128 Extract(std::size_t low, int count) const;
    // Zero bits below the lowest set one (0 for zero).
    std::size_t TrailingZeroBits() const;
    // Whether any bit below `bit` is set.
    bool AnyBitBelow(std::size_t bit) const;

    void MultiplySmall(std::uint64_t factor);
    // this = floor(this / divisor), divisor nonzero; returns the remainder.
    std::uint64_t DivideSmall(std::uint64_t divisor);
    void AddSmall(std::uint64_t addend);
    void ShiftLeft(std::size_t bits);
    void ShiftRight(std::size_t bits);
    // this -= other; other <= this.
    void Subtract(const BigUnsigned& other);
    // Drops the low `count` words; returns whether any of them was nonzero.
    bool DropLowWords(std::size_t count);
    std::size_t WordCount() const { return words_.size(); }

    friend BigUnsigned Multiply(const BigUnsigned& a, const BigUnsigned& b);
    // -1, 0 or 1 as a <, ==, > b.
    friend int Compare(const BigUnsigned& a, const BigUnsigned& b);

private:
    void Trim();
    std::vector<std::uint64_t> words_;
};

// floor(numerator / denominator), numerator left holding the remainder. Precondition: the
// quotient is below 2^128 and the denominator nonzero. 100 / 7 gives 14, numerator 2.
Bits128 DivideWithSmallQuotient(BigUnsigned& numerator, const BigUnsigned& denominator);

// M * 2^Exponent: a bound below or above an exact value too long to hold, kept to a few words.
struct ScaledInteger {
    BigUnsigned M;
    std::int64_t Exponent = 0;
};

// x cut to its top `words` words, rounded down or up: a bound below or above x.
void KeepWords(ScaledInteger& x, std::size_t words, bool roundUp);

}  // namespace pexabit
