#include "cli/Operation.h"

#include "window_report/HexDecoding.h"

namespace pexabit {
namespace {

// A fresh state whose texts keep their storage: copying a blank state assigns every field its
// initial value, and an empty text copied over a long one leaves its buffer in place.
void StartFresh(ConversionState& state) {
    static const ConversionState Blank;
    state = Blank;
}

}  // namespace

void RunOperation(std::string_view input, const CliMode& mode, OperationResult& result) {
    StartFresh(result.State);
    const ConvertSettings settings{mode.DecimalSeparator, nullptr};  // no scratch file here
    if (!mode.Hex) {
        ConvertText(result.State, input, settings, result.Result);
        return;
    }
    if (std::optional<HexRejection> rejection = CheckHexPattern(*mode.Hex, input)) {
        result.Result.Kind = Outcome::Refused;
        result.Result.Message = std::move(rejection->Message);
        return;
    }
    const Bits128 pattern = ReadHexPattern(input);
    if (IsSpecialPattern(*mode.Hex, pattern)) {
        DecodeSpecialPattern(result.State, *mode.Hex, pattern, result.Result);
    } else {
        ConvertPattern(result.State, *mode.Hex, pattern, settings, result.Result);
    }
}

}  // namespace pexabit
