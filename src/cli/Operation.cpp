#include "cli/Operation.h"

namespace pexabit {
namespace {

// A fresh state whose texts keep their storage: copying a blank state assigns every field its
// initial value, and an empty text copied over a long one leaves its buffer in place.
void StartFresh(ConversionState& state) {
    static const ConversionState Blank;
    state = Blank;
}

void StartFresh(OperationResult& result) {
    result.Outcome = OperationResult::Kind::Rejected;
    result.Error.clear();
    StartFresh(result.State);
    result.Results.Label21.clear();
    result.Results.Label22.clear();
    result.Results.Text8.clear();
    result.Results.Text10.clear();
    result.Results.Text11.clear();
    result.Report.clear();
    result.Format = PatternFormat::Single;
}

// The convert operation; the command line writes no scratch file.
void Convert(OperationResult& result, std::string_view text, const CliMode& mode) {
    std::optional<std::string> scratchError;
    if (!ConvertDecimalResults(result.State, text, mode.DecimalSeparator, nullptr, result.Results,
                               scratchError)) {
        result.Outcome = OperationResult::Kind::Rejected;
        result.Error = InvalidNumberMessage;
        return;
    }
    result.Outcome = OperationResult::Kind::Converted;
    if (!mode.Json) result.Report = AssembleConvertReport(result.State, ViewChoice{}, result.Results);
}

}  // namespace

OperationResult RunOperation(std::string_view input, const CliMode& mode) {
    OperationResult result;
    RunOperation(input, mode, result);
    return result;
}

void RunOperation(std::string_view input, const CliMode& mode, OperationResult& result) {
    StartFresh(result);
    if (!mode.Hex) {
        Convert(result, input, mode);
        return;
    }
    if (std::optional<HexRejection> rejection = CheckHexPattern(*mode.Hex, input)) {
        result.Error = std::move(rejection->Message);
        return;
    }
    DecodeOutcome decoded = DecodeHexPattern(result.State, *mode.Hex, input);
    if (decoded.Special) {
        result.Outcome = OperationResult::Kind::Special;
        result.Format = *mode.Hex;
        result.Report = std::move(decoded.Report);
        return;
    }
    Convert(result, decoded.ExactText, mode);
}

}  // namespace pexabit
