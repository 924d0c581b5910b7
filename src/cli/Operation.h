#pragma once
// One input of the command line, run as the window runs it: a decimal text through the convert
// operation, or a hex pattern through the checks and either the special path or the convert
// operation on its bits. Each input starts from a fresh ConversionState.

#include <optional>
#include <string>
#include <string_view>

#include "window_report/ConversionState.h"
#include "window_report/ConvertReport.h"

namespace pexabit {

struct CliMode {
    bool Json = false;
    std::optional<PatternFormat> Hex;  // nullopt: the inputs are decimal texts
    std::string DecimalSeparator = ".";
};

// The typed result of one input: the formats' parts in State, the rest in Result.
struct OperationResult {
    ConversionState State;
    ConvertResult Result;
};

// Runs one input into `result`, which starts afresh (a fresh state) but keeps the storage of its
// texts: a stream of inputs runs through one result without allocating them anew.
// RunOperation("0.1", decimal mode, r) makes r Converted with State.Single's pattern 3DCCCCCD;
// RunOperation("7F800000", Single hex mode, r) makes it Special with State.Single.Texts.Exact
// "+Infinity".
void RunOperation(std::string_view input, const CliMode& mode, OperationResult& result);

}  // namespace pexabit
