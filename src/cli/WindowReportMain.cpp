// pexabit-cli without --format: the window report of each input, run by the loop both reports
// share.
#include "cli/Reports.h"
#include "cli/StrictInput.h"

namespace pexabit {
namespace {

// One result serves every input: each starts afresh in it, and the long texts of the last one
// leave their storage for the next. Under --strict a refused text is answered with its reason
// in place of the window's conversion; the answer names the input as it was given.
bool ReportOne(std::string_view input, const CliMode& mode, bool strict, OperationResult& result, std::string& out) {
    StrictDecimal checked{input, {}};
    if (strict) checked = CheckStrictDecimal(input);
    if (checked.Error.empty()) {
        RunOperation(checked.Text, mode, result);
    } else {
        result.Result.Kind = Outcome::Refused;
        result.Result.Message = std::move(checked.Error);
    }
    if (mode.Json) AppendJsonReport(out, input, result);
    else AppendTextReport(out, input, result);
    return result.Result.Kind != Outcome::Refused;
}

}  // namespace

int RunWindowReport(const CliMode& mode, bool strict, const InputStreams& streams) {
    OperationResult result;
    return RunInputs(streams, [&](std::string_view input, std::string& out) {
        return ReportOne(input, mode, strict, result, out);
    });
}

}  // namespace pexabit
