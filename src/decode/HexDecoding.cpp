#include "decode/HexDecoding.h"

#include <algorithm>
#include <array>

#include "decimal/ExactValues.h"
#include "decimal/Formats.h"
#include "decimal/PatternFields.h"
#include "decode/SpecialPattern.h"

namespace pexabit {
namespace {

bool IsBlank(char c) { return c == ' '; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The value of every hex digit, upper or lower case; -1 for every other byte.
constexpr std::array<std::int8_t, 256> MakeHexValues() {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 10; ++d) values['0' + d] = static_cast<std::int8_t>(d);
    for (int d = 0; d < 6; ++d) {
        values['A' + d] = static_cast<std::int8_t>(10 + d);
        values['a' + d] = static_cast<std::int8_t>(10 + d);
    }
    return values;
}
constexpr auto HexValues = MakeHexValues();

bool IsHexDigit(char c) { return HexValues[static_cast<unsigned char>(c)] >= 0; }

// Any other character reads as 0.
int HexDigitValue(char c) { return IsHexDigit(c) ? HexValues[static_cast<unsigned char>(c)] : 0; }

// UTF-8 characters: every byte that does not continue a multi-byte sequence starts one.
std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

// The digit pairs from the left give the bytes from the most significant down: bytes[0] is the
// last pair. Fills digits.size() / 2 bytes, at most N.
template <std::size_t N>
void LittleEndianBytesOfPattern(std::string_view digits, std::array<std::uint8_t, N>& bytes) {
    const std::size_t count = std::min(digits.size() / 2, N);
    for (std::size_t pair = 0; pair < count; ++pair) {
        const char high = digits[2 * pair], low = digits[2 * pair + 1];
        // Two digits, as every checked pattern has, are read at once; HexToByte knows the rest.
        bytes[count - 1 - pair] = IsHexDigit(high) && IsHexDigit(low)
                                      ? static_cast<std::uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low))
                                      : HexToByte(digits.substr(2 * pair, 2));
    }
}

void SetFiniteExactTexts(ConversionState& s, PatternFormat format) {
    if (format == PatternFormat::Single) {
        AssignExactTexts(SingleFormat, s.SingleSign, s.SingleExponent, s.SingleMantissaBits,
                         s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci);
    } else {
        AssignExactTexts(DoubleFormat, s.DoubleSign, s.DoubleExponent, s.DoubleMantissaBits,
                         s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci);
    }
}

}  // namespace

std::uint8_t HexToByte(std::string_view digits) {
    digits = TrimBlanks(digits);
    unsigned result = 0;
    for (char c : digits) result = (result * 16 + static_cast<unsigned>(HexDigitValue(c))) & 0xFFU;
    return static_cast<std::uint8_t>(result);
}

std::optional<HexRejection> CheckHexPattern(PatternFormat format, std::string_view text) {
    const bool single = format == PatternFormat::Single;
    const std::size_t width = single ? 8 : 16;
    if (CountCharacters(text) != width) {
        return HexRejection{single ? "hex number must be 8 digits" : "hex число должно иметь 16 цифр",
                            std::nullopt};
    }
    for (char c : text) {
        if (!IsHexDigit(c)) {
            return HexRejection{single ? "You misspelled hex-number" : "ou misspelled hex-number",
                                std::string(width, '0')};
        }
    }
    return std::nullopt;
}

DecodeOutcome DecodeHexPattern(ConversionState& state, PatternFormat format, std::string_view text) {
    DecodeOutcome outcome;
    if (format == PatternFormat::Single) {
        LittleEndianBytesOfPattern(TrimBlanks(text), state.SingleBytes);
    } else {
        LittleEndianBytesOfPattern(TrimBlanks(text), state.DoubleBytes);
    }
    if (IsAllOnesExponent(state, format)) {
        outcome.Special = true;
        outcome.Report = DecodeSpecialPattern(state, format);
        return outcome;
    }
    // The convert operation that follows recomputes both formats from the exact value; only the
    // decoded format is needed to get there. The other format's bytes are untouched, so its
    // fields and texts still belong to them.
    SetFormatFields(state, format, true);
    SetFiniteExactTexts(state, format);
    outcome.ExactText = format == PatternFormat::Single ? state.SingleExact : state.DoubleExact;
    return outcome;
}

}  // namespace pexabit
