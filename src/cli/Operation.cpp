#include "cli/Operation.h"

#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

// The convert operation; the command line writes no scratch file.
void Convert(OperationResult& result, std::string_view text, const CliMode& mode) {
    ConvertOutcome outcome = ConvertDecimal(result.State, text, ViewChoice{}, mode.DecimalSeparator, nullptr);
    if (!outcome.Accepted) {
        result.Outcome = OperationResult::Kind::Rejected;
        result.Error = InvalidNumberMessage;
        return;
    }
    result.Outcome = OperationResult::Kind::Converted;
    result.Report = std::move(outcome.Report);
}

}  // namespace

OperationResult RunOperation(std::string_view input, const CliMode& mode) {
    OperationResult result;
    if (!mode.Hex) {
        Convert(result, input, mode);
        return result;
    }
    if (std::optional<HexRejection> rejection = CheckHexPattern(*mode.Hex, input)) {
        result.Error = std::move(rejection->Message);
        return result;
    }
    DecodeOutcome decoded = DecodeHexPattern(result.State, *mode.Hex, input);
    if (decoded.Special) {
        result.Outcome = OperationResult::Kind::Special;
        result.Format = *mode.Hex;
        result.Report = std::move(decoded.Report);
        return result;
    }
    Convert(result, decoded.ExactText, mode);
    return result;
}

}  // namespace pexabit
