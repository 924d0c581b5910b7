#pragma once
// One input of the command line, run as the window runs it: a decimal text through the convert
// operation, or a hex pattern through the checks and the decoding (and, when finite, the convert
// operation on its exact value). Each input starts from a fresh ConversionState.

#include <optional>
#include <string>
#include <string_view>

#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"
#include "state/ControlTexts.h"
#include "state/ConversionState.h"

namespace pexabit {

struct CliMode {
    bool Json = false;
    std::optional<PatternFormat> Hex;  // nullopt: the inputs are decimal texts
    std::string DecimalSeparator = ".";
};

struct OperationResult {
    enum class Kind { Rejected, Converted, Special } Outcome = Kind::Rejected;
    std::string Error;           // Rejected: the window's message, word for word
    ConversionState State;       // Converted and Special: the fields the operation produced
    // Converted: the display captions and the three differences ("" where not computed).
    ConvertResultTexts Results;
    // The control texts, as the window would apply them: Special always; Converted only for
    // the readable report (the JSON report takes everything from State and Results).
    ControlTexts Report;
    PatternFormat Format = PatternFormat::Single;  // Special: the decoded format
};

// RunOperation("0.1", decimal mode) is Converted with State.SingleHex "3DCCCCCD";
// RunOperation("7F800000", Single hex mode) is Special with State.SingleExact "+Infinity".
OperationResult RunOperation(std::string_view input, const CliMode& mode);

// The same into `result`, which starts afresh (a fresh state, no texts) but keeps the storage of
// its texts: a stream of inputs runs through one result without allocating them anew.
void RunOperation(std::string_view input, const CliMode& mode, OperationResult& result);

}  // namespace pexabit
