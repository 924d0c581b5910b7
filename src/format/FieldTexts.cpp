#include "format/FieldTexts.h"

#include <cassert>

#include "text/Characters.h"

namespace pexabit {

std::string BitsText(Bits128 bits, int count) {
    assert(count >= 0 && count <= 128);
    std::string text(static_cast<std::size_t>(count), '0');
    for (auto i = text.size(); i-- > 0; bits >>= 1) text[i] = static_cast<char>('0' + static_cast<int>(bits & 1));
    return text;
}

std::string HexText(Bits128 value, int digits) {
    assert(digits >= 0 && digits <= 32);
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto i = text.size(); i-- > 0; value >>= 4) text[i] = UpperHexDigits[static_cast<std::size_t>(value & 0xF)];
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
