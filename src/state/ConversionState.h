#pragma once
// The one record of the last conversion or decoding. The window keeps one for its whole life;
// the command line starts every input from a fresh one. Plain data: the functions of decimal/,
// encode/ and decode/ fill it, the front ends read it.

#include <array>
#include <cstdint>
#include <string>

namespace pexabit {

struct ConversionState {
    // Canonical form of the typed number: sign, the typed digits, a "," where one belongs,
    // no exponent ("+0,1" for 0.1). Empty before the first conversion.
    std::string OriginalNumber;

    double DoubleValue = 0.0;  // the typed number as a binary64
    float SingleValue = 0.0F;  // DoubleValue rounded to binary32, ties to even

    std::int16_t DoubleOverflow = 0;  // 1 when the Double of the last conversion overflowed
    std::int16_t SingleOverflow = 0;  // 1 when the Single overflowed (always with the Double)

    // The stored patterns, least significant byte first (index 3 / 7 hold sign and exponent).
    std::array<std::uint8_t, 4> SingleBytes{};
    std::array<std::uint8_t, 8> DoubleBytes{};

    // Pattern fields.
    std::string SingleHex;  // 8 upper-case hex digits, most significant byte first
    std::string DoubleHex;  // 16 upper-case hex digits
    std::int32_t SingleSign = 0;
    std::int32_t SingleExponent = 0;  // biased, 0..255
    std::int32_t DoubleSign = 0;
    std::int32_t DoubleExponent = 0;  // biased, 0..2047
    std::array<double, 3> SingleMantissaBytes{};  // index 0 lowest; top element masked to 7 bits
    std::array<double, 7> DoubleMantissaBytes{};  // index 0 lowest; top element masked to 4 bits
    std::string SingleMantissaHex;   // 6 hex digits
    std::string DoubleMantissaHex;   // 13 hex digits
    std::string SingleMantissaBits;  // 23 characters "0"/"1", most significant first
    std::string DoubleMantissaBits;  // 52 characters

    // Exact values: base 2 (BinaryString), its scientific form, base 10 (DecimalString), its
    // scientific form. Overflows and special patterns put "+Infinity", "-Infinity" or "NANs"
    // into all four texts of a format.
    std::string SingleBinary, SingleBinarySci, SingleExact, SingleExactSci;
    std::string DoubleBinary, DoubleBinarySci, DoubleExact, DoubleExactSci;

    // Carry out of the first fraction digit in the most recent AddFractionDigits.
    std::int16_t FractionCarry = 0;
};

}  // namespace pexabit
