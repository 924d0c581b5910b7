#pragma once
// The convert operation ("Pexabit" button) and its typed result, from a typed text or from a
// decoded pattern's bits. Each format's part (stored value, overflow, exact texts) is left in
// the state; the result holds the rest of the report: the outcome, the two displayed values and
// the three differences. The front ends decide where each piece goes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "arith/Bits128.h"
#include "window_report/ConversionState.h"

namespace pexabit {

inline constexpr std::string_view InvalidNumberMessage =
    "You entered an invalid value of the initial number";

enum class Outcome {
    Converted,  // both formats' parts and the whole report are new
    Refused,    // Message says why; the state is untouched
    Special,    // a decoded all-ones exponent: only that format's part and display are new
};

struct ConvertResult {
    Outcome Kind = Outcome::Refused;
    std::string Message;                            // Refused: the message, word for word
    PatternFormat Decoded = PatternFormat::Single;  // Special: the format that was decoded
    // Converted: each format's value as the platform displays it, or its overflow
    // ("Single number displayed in the  Windows F=0,1"). Special: the decoded format's caption
    // ("The number displayed in the  Windows F=+1,#INF"), the other empty.
    std::string SingleDisplay, DoubleDisplay;
    // Converted: |Double| - |Single|, |Original| - |Double|, |Original| - |Single|, each in
    // scientific notation; empty where not computed (Double-Single needs both formats finite,
    // each Original- difference its own format finite).
    std::string DoubleMinusSingle, OriginalMinusDouble, OriginalMinusSingle;
    // Set when ss.dat could not be written: why, for the user. The report is right regardless.
    std::optional<std::string> ScratchError;
};

struct ConvertSettings {
    std::string_view DecimalSeparator = ".";  // the user's, for the displayed values
    // ss.dat is written here by every conversion; nullptr: no scratch file.
    const std::filesystem::path* ScratchDirectory = nullptr;
};

// The check that comes before any work, so that the window can answer a refused text before
// entering its busy state: the characters (CheckDecimalText) and the length of the canonical
// text (at most MaxCanonicalLength characters). ConvertText accepts exactly these texts.
bool AcceptDecimalText(std::string_view text);

// The convert operation on `text` as typed: normalised (OriginalNumber), read as the nearest
// Double, rounded to the Single; a format beyond its range overflows to its infinity of the
// typed sign, and the infinity sign alone overflows both. `result` is written over (its
// storage reused). For "0.1": Converted, state.Single.Texts.Exact
// "+0,100000001490116119384765625", result.OriginalMinusDouble
// "-5,5511151231257827021181583404541015625e-18". For "1 2": Refused with InvalidNumberMessage.
void ConvertText(ConversionState& state, std::string_view text, const ConvertSettings& settings,
                 ConvertResult& result);

// The convert operation on a finite pattern of `format`, straight from its bits, with the
// report that typing its exact value would give: OriginalNumber is that exact value, the other
// format its rounding (the Single) or widening (the Double), and the differences are computed
// from the significands. Single 3DCCCCCD: DoubleMinusSingle "+0,0", the Double 3FB99999A0000000.
void ConvertPattern(ConversionState& state, PatternFormat format, Bits128 pattern,
                    const ConvertSettings& settings, ConvertResult& result);

// The text an exact-value box shows, by the view table: Binary, BinarySci, Exact or ExactSci.
const std::string& ExactView(const ExactTexts& texts, bool binary, bool scientific);

// ss.dat in `directory`: bytes 0..3 the Single, 4..7 zeros, 8..15 the Double, little-endian.
// Created when missing; a longer existing file keeps its bytes beyond 15. nullopt on success,
// else why it failed.
std::optional<std::string> WriteScratchFile(const std::filesystem::path& directory,
                                            float singleValue, double doubleValue);

}  // namespace pexabit
