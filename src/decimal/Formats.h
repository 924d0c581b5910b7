#pragma once
// The two IEEE 754 binary interchange formats that the tool shows.

namespace pexabit {

struct FloatFormat {
    int TotalBits;        // width of the whole pattern
    int ExponentBits;     // width of the biased exponent field
    int FractionBits;     // width of the stored mantissa (the leading 1 is implicit)
    int Bias;             // exponent bias: 2^(ExponentBits-1) - 1
    int AllOnesExponent;  // infinities and NaNs: 2^ExponentBits - 1
};

// binary32: 1 sign bit, 8 exponent bits (bias 127), 23 fraction bits.
inline constexpr FloatFormat SingleFormat{32, 8, 23, 127, 255};
// binary64: 1 sign bit, 11 exponent bits (bias 1023), 52 fraction bits.
inline constexpr FloatFormat DoubleFormat{64, 11, 52, 1023, 2047};

}  // namespace pexabit
