#pragma once
// One descriptor for every binary floating-point format the tool knows: the layout of its
// pattern (sign, biased exponent, optional stored integer bit, fraction) and how its all-ones
// exponent is read, and the names the command line, its help and its JSON answers know it by.
// Everything that takes a pattern apart, rounds into a format or writes one out is driven by a
// descriptor, never by a format's name.

#include <array>
#include <span>
#include <string_view>

namespace pexabit {

// How the all-ones exponent is read.
enum class SpecialEncoding {
    // IEEE 754: fraction zero is an infinity, anything else a NaN whose top fraction bit set
    // means quiet.
    Ieee,
    // No infinities (OCP E4M3): only the all-ones fraction is a NaN; the other fractions of the
    // all-ones exponent are finite numbers.
    NanOnlyAllOnes,
};

struct FloatFormat {
    std::string_view Name;  // "half": the name reports write and --format takes
    int TotalBits;          // width of the whole pattern
    int ExponentBits;       // width of the biased exponent field
    int FractionBits;       // stored bits after the leading bit
    int Bias;               // 2^(ExponentBits-1) - 1
    int AllOnesExponent;    // 2^ExponentBits - 1
    bool StoredIntegerBit;  // the leading bit is part of the pattern (x87 extended)
    SpecialEncoding Specials;
    // Further names --format takes for the format, which reports never write; none so far.
    std::span<const std::string_view> Aliases = {};

    // Bits of the significand, the leading bit included: 24 for binary32.
    constexpr int Precision() const { return FractionBits + 1; }
    // Unbiased exponent of the smallest normal number (emin): -126 for binary32.
    constexpr int MinExponent() const { return 1 - Bias; }
    // Largest biased exponent of a finite number.
    constexpr int MaxFiniteBiasedExponent() const {
        return Specials == SpecialEncoding::Ieee ? AllOnesExponent - 1 : AllOnesExponent;
    }
    // Unbiased exponent of the largest finite number (emax): 127 for binary32, 8 for E4M3.
    constexpr int MaxExponent() const { return MaxFiniteBiasedExponent() - Bias; }
    // Weight of the last significand bit of a subnormal: 2^-149 for binary32.
    constexpr int MinQuantumExponent() const { return MinExponent() - FractionBits; }
    constexpr bool HasInfinities() const { return Specials == SpecialEncoding::Ieee; }
    // Hex digits of the whole pattern (20 for extended) and its bytes (10 for extended).
    constexpr int HexDigits() const { return (TotalBits + 3) / 4; }
    constexpr int Bytes() const { return (TotalBits + 7) / 8; }
};

// A descriptor from the widths; the bias and the all-ones exponent follow from the exponent width.
constexpr FloatFormat MakeFloatFormat(std::string_view name, int exponentBits, int fractionBits,
                                      bool storedIntegerBit, SpecialEncoding specials,
                                      std::span<const std::string_view> aliases = {}) {
    const int total = 1 + exponentBits + (storedIntegerBit ? 1 : 0) + fractionBits;
    return {name, total, exponentBits, fractionBits, (1 << (exponentBits - 1)) - 1,
            (1 << exponentBits) - 1, storedIntegerBit, specials, aliases};
}

// binary16: 5 exponent bits (bias 15), 10 fraction bits.
inline constexpr FloatFormat HalfFormat = MakeFloatFormat("half", 5, 10, false, SpecialEncoding::Ieee);
// bfloat16: binary32's exponent (bias 127) with 7 fraction bits.
inline constexpr FloatFormat Bfloat16Format = MakeFloatFormat("bfloat16", 8, 7, false, SpecialEncoding::Ieee);
// binary32: 8 exponent bits (bias 127), 23 fraction bits.
inline constexpr FloatFormat SingleFormat = MakeFloatFormat("single", 8, 23, false, SpecialEncoding::Ieee);
// binary64: 11 exponent bits (bias 1023), 52 fraction bits.
inline constexpr FloatFormat DoubleFormat = MakeFloatFormat("double", 11, 52, false, SpecialEncoding::Ieee);
// x87 80-bit extended: 15 exponent bits (bias 16383), a stored integer bit, 63 fraction bits.
inline constexpr FloatFormat ExtendedFormat = MakeFloatFormat("extended", 15, 63, true, SpecialEncoding::Ieee);
// binary128: 15 exponent bits (bias 16383), 112 fraction bits.
inline constexpr FloatFormat QuadFormat = MakeFloatFormat("quad", 15, 112, false, SpecialEncoding::Ieee);
// OCP 8-bit E5M2: IEEE-style, 5 exponent bits (bias 15), 2 fraction bits.
inline constexpr FloatFormat E5M2Format = MakeFloatFormat("e5m2", 5, 2, false, SpecialEncoding::Ieee);
// OCP 8-bit E4M3: 4 exponent bits (bias 7), 3 fraction bits, no infinities, largest value 448.
inline constexpr FloatFormat E4M3Format = MakeFloatFormat("e4m3", 4, 3, false, SpecialEncoding::NanOnlyAllOnes);

// Every format, in the order reports list them.
inline constexpr std::array<const FloatFormat*, 8> AllFormats{
    &HalfFormat, &Bfloat16Format, &SingleFormat, &DoubleFormat,
    &ExtendedFormat, &QuadFormat, &E5M2Format, &E4M3Format};

// The format whose Name or one of whose Aliases is `name`, or nullptr: FindFormat("e4m3") is
// &E4M3Format, FindFormat("all") is nullptr.
constexpr const FloatFormat* FindFormat(std::string_view name) {
    for (const FloatFormat* f : AllFormats) {
        if (f->Name == name) return f;
        for (std::string_view alias : f->Aliases) {
            if (alias == name) return f;
        }
    }
    return nullptr;
}

}  // namespace pexabit
