#include "cli/RunCli.h"

#include <string>

#include "cli/FormatReportCommand.h"
#include "cli/InputLoop.h"
#include "cli/Operation.h"
#include "cli/Options.h"
#include "cli/Reports.h"
#include "pexabit/Version.h"

namespace pexabit {
namespace {

// The mode of the window report's operation from the options.
CliMode WindowReportMode(const CliOptions& options, const CliSurroundings& surroundings) {
    CliMode mode;
    mode.Json = options.Json;
    if (options.Input == CliInput::SingleHex) mode.Hex = PatternFormat::Single;
    if (options.Input == CliInput::DoubleHex) mode.Hex = PatternFormat::Double;
    mode.DecimalSeparator = surroundings.DecimalSeparator();
    return mode;
}

// The every-format report's request from the options.
FormatReportOptions FormatReportOptionsOf(const CliOptions& options) {
    FormatReportOptions report;
    report.Request.Formats = options.Formats;
    report.Request.Mode = options.Round;
    report.Request.BytesLe = options.BytesLe;
    report.Request.Keys = options.Keys;
    report.Request.Digits = options.Digits;
    report.Brief = options.Brief;
    report.Request.From = options.From;
    report.Request.Pattern = options.Pattern || (options.File && options.From == nullptr);  // a file holds patterns
    report.File = options.File;
    report.Json = options.Json;
    return report;
}

// Without TEXT on a terminal the program waits for typed lines: a one-line hint on standard error
// says what to type and how to end, for a user who expected an answer at once.
void HintOnTerminal(const CliOptions& options, const CliStreams& streams, const CliSurroundings& surroundings) {
    if (!options.Texts.empty() || options.File || !surroundings.InputIsTerminal()) return;
    const bool patterns = options.Pattern || options.From != nullptr || options.Input != CliInput::Decimal;
    streams.Messages.Write(patterns ? "pexabit-cli: type one hex pattern per line; Ctrl-D ends\n"
                                    : "pexabit-cli: type one number per line; Ctrl-D ends\n");
}

}  // namespace

int RunCli(std::span<const char* const> arguments, const CliStreams& streams, const CliSurroundings& surroundings) {
    const CliParse parse = ParseCliOptions(arguments);
    const CliOptions& options = parse.Options;
    if (!parse.Error.empty()) {
        streams.Messages.Write(CliUsageErrorText(parse.Error));
        return ExitFailure;
    }
    if (options.Action != CliAction::Report) {
        const std::string answer = options.Action == CliAction::Help
                                       ? CliHelpText()
                                       : std::string("pexabit-cli ") + SoftwareVersion + "\n";
        const int error = streams.Output.Write(answer);
        return error == 0 ? ExitConverted : Failed(streams.Messages, "the output cannot be written", error);
    }
    const InputStreams inputs{options.Texts, streams.Input, streams.Output, streams.Messages};
    HintOnTerminal(options, streams, surroundings);
    if (!options.Formats.empty()) return RunFormatReport(FormatReportOptionsOf(options), inputs);
    return RunWindowReport(WindowReportMode(options, surroundings), options.Strict, inputs);
}

}  // namespace pexabit
