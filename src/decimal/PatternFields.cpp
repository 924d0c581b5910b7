#include "decimal/PatternFields.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace pexabit {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

constexpr int SingleFractionBits = 23;
constexpr int DoubleFractionBits = 52;

// Every byte's eight characters "0"/"1": the bit texts are copied eight at a time.
constexpr std::array<std::array<char, 8>, 256> MakeBitTexts() {
    std::array<std::array<char, 8>, 256> table{};
    for (std::size_t b = 0; b < 256; ++b) {
        for (std::size_t i = 0; i < 8; ++i) table[b][i] = (b >> (7 - i)) & 1 ? '1' : '0';
    }
    return table;
}
constexpr auto BitTexts = MakeBitTexts();

// The low `count` bits of `bits` as "0"/"1", most significant first; `text` becomes exactly that
// (its storage is reused).
void AssignBits(std::string& text, std::uint64_t bits, std::size_t count) {
    text.resize(count);
    char* p = text.data() + count;
    for (; count >= 8; count -= 8, bits >>= 8) {
        p -= 8;
        std::memcpy(p, BitTexts[bits & 0xFF].data(), 8);
    }
    for (; count > 0; --count, bits >>= 1) *--p = static_cast<char>('0' + (bits & 1));
}

// The low `count` hex digits of `value`, upper case, most significant first.
void AssignHex(std::string& text, std::uint64_t value, std::size_t count) {
    text.resize(count);
    for (std::size_t i = count; i-- > 0; value >>= 4) text[i] = HexDigits[value & 0xF];
}

// The pattern as one integer: the bytes are stored least significant first.
template <std::size_t N>
std::uint64_t PatternBits(const std::array<std::uint8_t, N>& bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = N; i-- > 0;) bits = (bits << 8) | bytes[i];
    return bits;
}

}  // namespace

std::string ByteToBits(std::uint8_t b) { return std::string(BitTexts[b].data(), 8); }

// binary32: sign in bit 7 of byte 3; exponent in bits 0-6 of byte 3 and bit 7 of byte 2;
// 23 mantissa bits in bits 0-6 of byte 2, then bytes 1 and 0.
void SetSingleFields(ConversionState& st) {
    const auto& b = st.SingleBytes;
    const std::uint64_t mantissa = PatternBits(st.SingleBytes) & ((1U << SingleFractionBits) - 1);
    st.SingleSign = b[3] >> 7;
    st.SingleExponent = (b[3] & 0x7F) * 2 + (b[2] >> 7);
    st.SingleMantissaBytes = {double(b[0]), double(b[1]), double(b[2] & 0x7F)};
    AssignHex(st.SingleMantissaHex, mantissa, 6);
    AssignBits(st.SingleMantissaBits, mantissa, SingleFractionBits);
}

// binary64: sign in bit 7 of byte 7; exponent in bits 0-6 of byte 7 and bits 4-7 of byte 6;
// 52 mantissa bits in bits 0-3 of byte 6, then bytes 5 down to 0.
void SetDoubleFields(ConversionState& st) {
    const auto& b = st.DoubleBytes;
    const std::uint64_t mantissa = PatternBits(st.DoubleBytes) & ((std::uint64_t{1} << DoubleFractionBits) - 1);
    st.DoubleSign = b[7] >> 7;
    st.DoubleExponent = (b[7] & 0x7F) * 16 + (b[6] >> 4);
    for (std::size_t i = 0; i < 6; ++i) st.DoubleMantissaBytes[i] = b[i];
    st.DoubleMantissaBytes[6] = b[6] & 0x0F;
    AssignHex(st.DoubleMantissaHex, mantissa, 13);
    AssignBits(st.DoubleMantissaBits, mantissa, DoubleFractionBits);
}

void SetSingleHex(ConversionState& state) { AssignHex(state.SingleHex, PatternBits(state.SingleBytes), 8); }

void SetDoubleHex(ConversionState& state) { AssignHex(state.DoubleHex, PatternBits(state.DoubleBytes), 16); }

void AnalysePatternFields(ConversionState& state) {
    SetSingleHex(state);
    SetDoubleHex(state);
    SetSingleFields(state);
    SetDoubleFields(state);
}

}  // namespace pexabit
