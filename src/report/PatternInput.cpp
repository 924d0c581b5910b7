#include "report/PatternInput.h"

#include <string>

#include "text/Characters.h"

namespace pexabit {

namespace {

constexpr int BitsPerByte = 8;

// The bytes of the pattern in the opposite order: byte i moves to byte (Bytes - 1 - i).
Bits128 ReverseBytes(const FloatFormat& format, Bits128 pattern) {
    Bits128 reversed = 0;
    for (int i = 0; i < format.Bytes(); ++i, pattern >>= BitsPerByte) reversed = (reversed << BitsPerByte) | (pattern & 0xFF);
    return reversed;
}

}  // namespace

PatternText ReadPatternText(const FloatFormat& format, std::string_view text, bool bytesLe) {
    PatternText r;
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (end - begin >= 2 && text[begin] == '0' && (text[begin + 1] == 'x' || text[begin + 1] == 'X')) begin += 2;
    const std::string_view digits = text.substr(begin, end - begin);
    const HexBits read = ReadHexBits(digits);
    if (read.Digits != digits.size()) {
        // Every character before the one named is ASCII, so its byte offset is its position.
        const std::size_t at = begin + read.Digits;
        r.Error = "unexpected " + NameCharacter(text, at) + " at position " + std::to_string(at + 1) +
                  ": expected a hex digit";
        return r;
    }
    const auto width = static_cast<std::size_t>(format.HexDigits());
    if (digits.size() != width) {
        r.Error = std::string(IndefiniteArticle(format.Name)).append(" ").append(format.Name) + " pattern has " +
                  std::to_string(width) + " hex digits, not " + std::to_string(digits.size());
        return r;
    }
    r.Pattern = bytesLe ? ReverseBytes(format, read.Bits) : read.Bits;
    return r;
}

}  // namespace pexabit
