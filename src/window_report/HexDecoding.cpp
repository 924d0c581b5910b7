#include "window_report/HexDecoding.h"

#include "text/Characters.h"
#include "window_report/ExactTexts.h"

namespace pexabit {
namespace {

struct HexMessages {
    std::size_t Digits;
    const char* Length;
    const char* Spelling;
};

constexpr HexMessages SingleMessages{8, "hex number must be 8 digits", "You misspelled hex-number"};
constexpr HexMessages DoubleMessages{16, "hex число должно иметь 16 цифр", "ou misspelled hex-number"};

// The caption of the display label, which the platform gave an infinity or a NaN.
const char* SpecialCaption(const StoredValue& value) {
    if (value.Class == ValueClass::Infinite) {
        return value.Negative ? "The number displayed in the  Windows F=-1,#INF"
                              : "The number displayed in the  Windows F=+1,#INF";
    }
    return "The number displayed in the  Windows F= Overflow";
}

}  // namespace

std::optional<HexRejection> CheckHexPattern(PatternFormat format, std::string_view text) {
    const HexMessages& m = format == PatternFormat::Single ? SingleMessages : DoubleMessages;
    if (CountCharacters(text) != m.Digits) return HexRejection{m.Length, std::nullopt};
    if (ReadHexBits(text).Digits != text.size()) {
        return HexRejection{m.Spelling, std::string(m.Digits, '0')};
    }
    return std::nullopt;
}

Bits128 ReadHexPattern(std::string_view text) { return ReadHexBits(text).Bits; }

bool IsSpecialPattern(PatternFormat format, Bits128 pattern) {
    const FloatFormat& f = FormatOf(format);
    return DecodePattern(f, pattern).BiasedExponent == f.AllOnesExponent;
}

void DecodeSpecialPattern(ConversionState& state, PatternFormat format, Bits128 pattern, ConvertResult& result) {
    FormatPart& part = state.Part(format);
    part.Stored = DecodePattern(FormatOf(format), pattern);
    WriteExactTexts(FormatOf(format), part.Stored, part.Texts);
    result.Kind = Outcome::Special;
    result.Decoded = format;
    result.SingleDisplay.clear();
    result.DoubleDisplay.clear();
    (format == PatternFormat::Single ? result.SingleDisplay : result.DoubleDisplay) = SpecialCaption(part.Stored);
}

}  // namespace pexabit
