#pragma once
// Patterns and significands up to the 128 bits of binary128, held in one unsigned integer so that
// fields are taken apart with shifts and masks whatever the format's width.

#include <bit>
#include <cstdint>

namespace pexabit {

__extension__ typedef unsigned __int128 Bits128;

// A mask of the low `width` bits, 0 <= width <= 128. LowBits(3) == 0b111.
constexpr Bits128 LowBits(int width) {
    return width >= 128 ? ~Bits128{0} : (Bits128{1} << width) - 1;
}

// Bits128 from two 64-bit halves, for constants wider than a literal can be.
constexpr Bits128 MakeBits128(std::uint64_t high, std::uint64_t low) {
    return (Bits128{high} << 64) | low;
}

// Bits of v up to its highest set one (std::bit_width for 128 bits): 0 for 0, 1 for 1.
constexpr int BitWidth128(Bits128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

}  // namespace pexabit
