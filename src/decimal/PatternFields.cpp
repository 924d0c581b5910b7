#include "decimal/PatternFields.h"

#include <cstddef>

namespace pexabit {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// A byte as exactly two upper-case hexadecimal digits.
std::string ByteToHex(std::uint8_t b) { return {HexDigits[b >> 4], HexDigits[b & 0xF]}; }

// The bytes as hexadecimal, most significant (the last in memory) first.
template <std::size_t N>
std::string PatternHex(const std::array<std::uint8_t, N>& bytes) {
    std::string s;
    for (std::size_t i = N; i-- > 0;) s += ByteToHex(bytes[i]);
    return s;
}

// binary32: sign in bit 7 of byte 3; exponent in bits 0-6 of byte 3 and bit 7 of byte 2;
// 23 mantissa bits in bits 0-6 of byte 2, then bytes 1 and 0.
void SingleFields(ConversionState& st) {
    const auto& b = st.SingleBytes;
    st.SingleSign = b[3] >> 7;
    st.SingleExponent = (b[3] & 0x7F) * 2 + (b[2] >> 7);
    st.SingleMantissaBytes = {double(b[0]), double(b[1]), double(b[2] & 0x7F)};
    st.SingleMantissaHex = ByteToHex(b[2] & 0x7F) + ByteToHex(b[1]) + ByteToHex(b[0]);
    st.SingleMantissaBits = ByteToBits(b[2]).substr(1) + ByteToBits(b[1]) + ByteToBits(b[0]);
}

// binary64: sign in bit 7 of byte 7; exponent in bits 0-6 of byte 7 and bits 4-7 of byte 6;
// 52 mantissa bits in bits 0-3 of byte 6, then bytes 5 down to 0.
void DoubleFields(ConversionState& st) {
    const auto& b = st.DoubleBytes;
    st.DoubleSign = b[7] >> 7;
    st.DoubleExponent = (b[7] & 0x7F) * 16 + (b[6] >> 4);
    for (std::size_t i = 0; i < 6; ++i) st.DoubleMantissaBytes[i] = b[i];
    st.DoubleMantissaBytes[6] = b[6] & 0x0F;
    st.DoubleMantissaHex = std::string(1, HexDigits[b[6] & 0x0F]);
    st.DoubleMantissaBits = ByteToBits(b[6]).substr(4);
    for (std::size_t i = 6; i-- > 0;) {
        st.DoubleMantissaHex += ByteToHex(b[i]);
        st.DoubleMantissaBits += ByteToBits(b[i]);
    }
}

}  // namespace

std::string ByteToBits(std::uint8_t b) {
    std::string s(8, '0');
    for (int i = 7; i >= 0; --i) {
        if ((b >> i) & 1) s[static_cast<std::size_t>(7 - i)] = '1';
    }
    return s;
}

void AnalysePatternFields(ConversionState& state) {
    state.SingleHex = PatternHex(state.SingleBytes);
    state.DoubleHex = PatternHex(state.DoubleBytes);
    SingleFields(state);
    DoubleFields(state);
}

}  // namespace pexabit
