#include "format/FieldTexts.h"

#include <array>
#include <cassert>
#include <cstring>

#include "text/Characters.h"

namespace pexabit {

namespace {

// Every byte's eight characters "0"/"1": the bit texts are copied eight at a time.
constexpr std::array<std::array<char, 8>, 256> MakeByteBits() {
    std::array<std::array<char, 8>, 256> table{};
    for (std::size_t b = 0; b < 256; ++b) {
        for (std::size_t i = 0; i < 8; ++i) table[b][i] = ((b >> (7 - i)) & 1) != 0 ? '1' : '0';
    }
    return table;
}
constexpr auto ByteBits = MakeByteBits();

}  // namespace

void AppendBitsText(std::string& out, Bits128 bits, int count) {
    assert(count >= 0 && count <= 128);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(count));
    char* p = out.data() + out.size();
    for (; count >= 8; count -= 8, bits >>= 8) {
        p -= 8;
        std::memcpy(p, ByteBits[static_cast<std::size_t>(bits & 0xFF)].data(), 8);
    }
    for (; count > 0; --count, bits >>= 1) *--p = static_cast<char>('0' + static_cast<int>(bits & 1));
}

std::string BitsText(Bits128 bits, int count) {
    std::string text;
    AppendBitsText(text, bits, count);
    return text;
}

void AppendHexText(std::string& out, Bits128 value, int digits) {
    assert(digits >= 0 && digits <= 32);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(digits));
    for (auto i = out.size(); i-- > at; value >>= 4) out[i] = UpperHexDigits[static_cast<std::size_t>(value & 0xF)];
}

std::string HexText(Bits128 value, int digits) {
    std::string text;
    AppendHexText(text, value, digits);
    return text;
}

std::string PatternHex(const FloatFormat& format, const StoredValue& value) {
    return HexText(value.Pattern, format.HexDigits());
}

std::string FractionHex(const FloatFormat& format, const StoredValue& value) {
    return HexText(value.Fraction, (format.FractionBits + 3) / 4);
}

std::string SignBitText(const StoredValue& value) { return value.Negative ? "1" : "0"; }

std::string ExponentBitsText(const FloatFormat& format, const StoredValue& value) {
    return BitsText(static_cast<Bits128>(value.BiasedExponent), format.ExponentBits);
}

std::string FractionBitsText(const FloatFormat& format, const StoredValue& value) {
    return BitsText(value.Fraction, format.FractionBits);
}

}  // namespace pexabit
