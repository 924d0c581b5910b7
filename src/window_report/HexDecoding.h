#pragma once
// The "Single hex" and "Double hex" buttons as data: the checks of a typed pattern, its bits,
// and the special path of the all-ones exponent. A finite pattern goes on to ConvertPattern.

#include <optional>
#include <string>
#include <string_view>

#include "arith/Bits128.h"
#include "window_report/ConversionState.h"
#include "window_report/ConvertReport.h"

namespace pexabit {

// A typed pattern that is refused before any work starts.
struct HexRejection {
    std::string Message;                   // the message box text, word for word
    std::optional<std::string> ResetText;  // the input box is reset to this after the box closes
};

// Length (in characters, not bytes) and character checks, in that order. nullopt: accepted.
// Single: "hex number must be 8 digits" / "You misspelled hex-number" (reset "00000000");
// Double: "hex число должно иметь 16 цифр" / "ou misspelled hex-number" (reset 16 zeros).
std::optional<HexRejection> CheckHexPattern(PatternFormat format, std::string_view text);

// The pattern of a text that CheckHexPattern accepted: ReadHexPattern("3f800000") == 0x3F800000.
Bits128 ReadHexPattern(std::string_view text);

// True for the all-ones exponent (255, 2047): the infinities and NaNs, which the hex buttons
// name themselves instead of converting.
bool IsSpecialPattern(PatternFormat format, Bits128 pattern);

// The special path: the decoded format's part gets the stored pattern and its name ("NANs"
// for any nonzero mantissa, else "-Infinity"/"+Infinity" by the sign) in its four texts;
// `result` becomes Special with that format's display caption ("The number displayed in the
// Windows F=+1,#INF", two blanks after "the"). Nothing of the other format changes.
void DecodeSpecialPattern(ConversionState& state, PatternFormat format, Bits128 pattern, ConvertResult& result);

}  // namespace pexabit
