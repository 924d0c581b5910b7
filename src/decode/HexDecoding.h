#pragma once
// The "Single hex" and "Double hex" buttons as data: the checks of a typed pattern, its fields,
// and either the exact value to convert or the report of a named special pattern.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/ControlTexts.h"
#include "state/ConversionState.h"

namespace pexabit {

enum class PatternFormat { Single, Double };

// The value of one or two hex digits, most significant first, blanks around them ignored.
// HexToByte("7F") == 127.
std::uint8_t HexToByte(std::string_view digits);

// A typed pattern that is refused before any work starts.
struct HexRejection {
    std::string Message;                  // the message box text, word for word
    std::optional<std::string> ResetText; // the input box is reset to this after the box closes
};

// Length (in characters, not bytes) and character checks, in that order. nullopt: accepted.
// Single: "hex number must be 8 digits" / "You misspelled hex-number" (reset "00000000");
// Double: "hex число должно иметь 16 цифр" / "ou misspelled hex-number" (reset 16 zeros).
std::optional<HexRejection> CheckHexPattern(PatternFormat format, std::string_view text);

struct DecodeOutcome {
    bool Special = false;  // all-ones exponent: +Infinity, -Infinity or NANs
    // Finite: the exact decimal value that goes into Text2 before the convert operation runs.
    std::string ExactText;
    // Special: the texts of the special path in the order the window applies them (Text2,
    // Text7 or Text12 and the other format's fields cleared, Label21 or Label22 captioned).
    ControlTexts Report;
};

// Decodes a pattern that CheckHexPattern accepted: fills the bytes and fields of that format in
// `state`; a finite pattern is analysed, a special one named in its four value texts.
DecodeOutcome DecodeHexPattern(ConversionState& state, PatternFormat format, std::string_view text);

}  // namespace pexabit
