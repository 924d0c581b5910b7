// pexabit-cli: the window report (the convert operation and the two hex buttons of the window)
// or the every-format report on a terminal, run on the standard streams. Each TEXT (or each
// line of standard input) is one input, run from a fresh state.

#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/FormatReportCommand.h"
#include "cli/Operation.h"
#include "cli/Options.h"
#include "cli/Reports.h"
#include "pexabit/Version.h"

namespace {

using namespace pexabit;

// The user's decimal separator for the displayed values; "." when the locale gives none.
std::string UserDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        conventions->decimal_point[0] == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

// The mode of the window report's operation from the options.
CliMode WindowReportMode(const CliOptions& options) {
    CliMode mode;
    mode.Json = options.Json;
    if (options.Input == CliInput::SingleHex) mode.Hex = PatternFormat::Single;
    if (options.Input == CliInput::DoubleHex) mode.Hex = PatternFormat::Double;
    mode.DecimalSeparator = UserDecimalSeparator();
    return mode;
}

// The every-format report's request from the options.
FormatReportOptions FormatReportOptionsOf(const CliOptions& options) {
    FormatReportOptions report;
    report.Request.Formats = options.Formats;
    report.Request.Mode = options.Round;
    report.Request.Pattern = options.Pattern;
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
void HintOnTerminal(const CliOptions& options) {
    if (!options.Texts.empty() || options.File || isatty(STDIN_FILENO) == 0) return;
    const bool patterns = options.Pattern || options.From != nullptr || options.Input != CliInput::Decimal;
    std::fputs(patterns ? "pexabit-cli: type one hex pattern per line; Ctrl-D ends\n"
                        : "pexabit-cli: type one number per line; Ctrl-D ends\n",
               stderr);
}

}  // namespace

int main(int argc, char** argv) {
    const CliParse parse = ParseCliOptions({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
    const CliOptions& options = parse.Options;
    if (!parse.Error.empty()) {
        std::fputs(CliUsageErrorText(parse.Error).c_str(), stderr);
        return ExitFailure;
    }
    if (options.Action != CliAction::Report) {
        const std::string answer = options.Action == CliAction::Help
                                       ? CliHelpText()
                                       : std::string("pexabit-cli ") + SoftwareVersion + "\n";
        if (std::fputs(answer.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return ExitConverted;
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n", std::strerror(errno));
        return ExitFailure;
    }
    FileSource standardInput(STDIN_FILENO);
    FileSink standardOutput(STDOUT_FILENO), standardError(STDERR_FILENO);
    const InputStreams streams{options.Texts, standardInput, standardOutput, standardError};
    HintOnTerminal(options);
    if (!options.Formats.empty()) return RunFormatReport(FormatReportOptionsOf(options), streams);
    return RunWindowReport(WindowReportMode(options), options.Strict, streams);
}
