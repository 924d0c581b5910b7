#pragma once
// Patterns and significands up to the 128 bits of binary128, held in one unsigned integer so that
// fields are taken apart with shifts and masks whatever the format's width.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/Characters.h"

namespace pexabit {

__extension__ typedef unsigned __int128 Bits128;

// A mask of the low `width` bits of a Word (64 or 128 bits), 0 <= width <= its size.
// LowBitsOf<std::uint64_t>(3) == 0b111.
template <class Word>
constexpr Word LowBitsOf(int width) {
    constexpr int Size = static_cast<int>(sizeof(Word) * 8);
    return width >= Size ? ~Word{0} : (Word{1} << width) - 1;
}

// A mask of the low `width` bits, 0 <= width <= 128. LowBits(3) == 0b111.
constexpr Bits128 LowBits(int width) { return LowBitsOf<Bits128>(width); }

// Bits128 from two 64-bit halves, for constants wider than a literal can be.
constexpr Bits128 MakeBits128(std::uint64_t high, std::uint64_t low) {
    return (Bits128{high} << 64) | low;
}

// Bits of v up to its highest set one (std::bit_width for 128 bits): 0 for 0, 1 for 1.
constexpr int BitWidth128(Bits128 v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

// A run of hex digits (either case) at the start of `text`, read as one word: Digits counts them,
// so that Digits == text.size() when every character is one and text[Digits] is otherwise the
// first that is not; Bits is their value. Of a run longer than 32 digits only the last 32 count:
// the caller bounds the run. ReadHexBits("3f80") gives {0x3F80, 4}; ReadHexBits("1G0") {0x1, 1}.
struct HexBits {
    Bits128 Bits = 0;
    std::size_t Digits = 0;
};
constexpr HexBits ReadHexBits(std::string_view text) {
    HexBits read;
    for (; read.Digits < text.size(); ++read.Digits) {
        const int value = HexDigitValue(text[read.Digits]);
        if (value < 0) break;
        read.Bits = (read.Bits << 4) | static_cast<unsigned>(value);
    }
    return read;
}

}  // namespace pexabit
