#pragma once
// The window report: the two output forms of one input, a JSON object on one line or a readable
// report laid out like the window (patterns, fields and bits, the values as displayed, the exact
// values, the three differences), and its run over the inputs.

#include <string>
#include <string_view>

#include "cli/InputLoop.h"
#include "cli/Operation.h"

namespace pexabit {

// {"input":..., "error":...} for a refused input; otherwise "input", OriginalNumber, the two
// overflow flags, the nine fields of the Single and of the Double (Hex, Sign, Exponent,
// MantissaHex, MantissaBits, Binary, BinarySci, Exact, ExactSci), DoubleMinusSingle,
// OriginalMinusDouble, OriginalMinusSingle ("" where not computed), SingleDisplay and
// DoubleDisplay. A special pattern gives only the fields its path writes: Sign, Exponent,
// MantissaHex, MantissaBits, the four value texts and the display caption of its format.
void AppendJsonReport(std::string& out, std::string_view input, const OperationResult& result);

// The readable report, ending with a blank line.
void AppendTextReport(std::string& out, std::string_view input, const OperationResult& result);

// Answers every input of `streams` in the form `mode` asks for and returns the exit status of
// RunInputs. Under `strict` (--strict) an input that is not a plain decimal number is refused
// with the reason. With the TEXT "0.1" and
// the decimal mode it writes the readable report (Single 3DCCCCCD) and returns 0.
int RunWindowReport(const CliMode& mode, bool strict, const InputStreams& streams);

}  // namespace pexabit
