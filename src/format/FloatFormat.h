#pragma once
// One descriptor for every binary floating-point format the tool knows: the layout of its
// pattern (sign, biased exponent, optional stored integer bit, fraction) and how its all-ones
// exponent is read, and the names the command line, its help and its JSON answers know it by.
// Everything that takes a pattern apart, rounds into a format or writes one out is driven by a
// descriptor, never by a format's name.

#include <array>
#include <span>
#include <string_view>

#include "text/Characters.h"

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
    std::string_view Name;  // "half": the name reports write and --format takes, in any case
    int TotalBits;          // width of the whole pattern
    int ExponentBits;       // width of the biased exponent field
    int FractionBits;       // stored bits after the leading bit
    int Bias;               // 2^(ExponentBits-1) - 1
    int AllOnesExponent;    // 2^ExponentBits - 1
    bool StoredIntegerBit;  // the leading bit is part of the pattern (x87 extended)
    SpecialEncoding Specials;
    // Further names --format takes for the format (in any case, as Name) and --help lists; reports
    // always write Name.
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

// The other names of each format: the IEEE 754 interchange names, the short ones of numeric
// libraries and languages (fp16, f16, float16, bf16; float for C's binary32), x87's, and the OCP
// 8-bit formats' names in machine-learning libraries (float8_e4m3fn: "fn" for finite values
// and NaN only, no infinities).
inline constexpr std::string_view HalfAliases[] = {"binary16", "fp16", "f16", "float16"};
inline constexpr std::string_view Bfloat16Aliases[] = {"bf16"};
inline constexpr std::string_view SingleAliases[] = {"binary32", "fp32", "f32", "float", "float32"};
inline constexpr std::string_view DoubleAliases[] = {"binary64", "fp64", "f64", "float64"};
inline constexpr std::string_view ExtendedAliases[] = {"x87", "float80", "fp80"};
inline constexpr std::string_view QuadAliases[] = {"binary128", "fp128", "f128", "float128"};
inline constexpr std::string_view E5M2Aliases[] = {"fp8-e5m2", "float8_e5m2"};
inline constexpr std::string_view E4M3Aliases[] = {"fp8-e4m3", "float8_e4m3fn"};

// binary16: 5 exponent bits (bias 15), 10 fraction bits.
inline constexpr FloatFormat HalfFormat = MakeFloatFormat("half", 5, 10, false, SpecialEncoding::Ieee, HalfAliases);
// bfloat16: binary32's exponent (bias 127) with 7 fraction bits.
inline constexpr FloatFormat Bfloat16Format =
    MakeFloatFormat("bfloat16", 8, 7, false, SpecialEncoding::Ieee, Bfloat16Aliases);
// binary32: 8 exponent bits (bias 127), 23 fraction bits.
inline constexpr FloatFormat SingleFormat =
    MakeFloatFormat("single", 8, 23, false, SpecialEncoding::Ieee, SingleAliases);
// binary64: 11 exponent bits (bias 1023), 52 fraction bits.
inline constexpr FloatFormat DoubleFormat =
    MakeFloatFormat("double", 11, 52, false, SpecialEncoding::Ieee, DoubleAliases);
// x87 80-bit extended: 15 exponent bits (bias 16383), a stored integer bit, 63 fraction bits.
inline constexpr FloatFormat ExtendedFormat =
    MakeFloatFormat("extended", 15, 63, true, SpecialEncoding::Ieee, ExtendedAliases);
// binary128: 15 exponent bits (bias 16383), 112 fraction bits.
inline constexpr FloatFormat QuadFormat =
    MakeFloatFormat("quad", 15, 112, false, SpecialEncoding::Ieee, QuadAliases);
// OCP 8-bit E5M2: IEEE-style, 5 exponent bits (bias 15), 2 fraction bits.
inline constexpr FloatFormat E5M2Format = MakeFloatFormat("e5m2", 5, 2, false, SpecialEncoding::Ieee, E5M2Aliases);
// OCP 8-bit E4M3: 4 exponent bits (bias 7), 3 fraction bits, no infinities, largest value 448.
inline constexpr FloatFormat E4M3Format =
    MakeFloatFormat("e4m3", 4, 3, false, SpecialEncoding::NanOnlyAllOnes, E4M3Aliases);

// Every format, in the order reports list them.
inline constexpr std::array<const FloatFormat*, 8> AllFormats{
    &HalfFormat, &Bfloat16Format, &SingleFormat, &DoubleFormat,
    &ExtendedFormat, &QuadFormat, &E5M2Format, &E4M3Format};

// The format whose Name or one of whose Aliases is `name` in any case, or nullptr:
// FindFormat("e4m3") and FindFormat("BF16") are &E4M3Format and &Bfloat16Format,
// FindFormat("all") is nullptr.
constexpr const FloatFormat* FindFormat(std::string_view name) {
    for (const FloatFormat* f : AllFormats) {
        if (EqualIgnoringCase(f->Name, name)) return f;
        for (std::string_view alias : f->Aliases) {
            if (EqualIgnoringCase(alias, name)) return f;
        }
    }
    return nullptr;
}

}  // namespace pexabit
