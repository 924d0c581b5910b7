// pexabit-cli: the convert operation and the two hex buttons of the window on a terminal.
// Each TEXT (or each line of standard input) is one input, run from a fresh state.

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FormatReportCommand.h"
#include "cli/Operation.h"
#include "cli/Options.h"
#include "cli/Reports.h"
#include "cli/Streams.h"
#include "cli/StrictInput.h"
#include "pexabit/Version.h"

namespace {

using namespace pexabit;

constexpr int ExitConverted = 0;
constexpr int ExitRejected = 1;
constexpr int ExitUsage = 2;

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

// One result serves every input: each starts afresh in it, and the long texts of the last one
// leave their storage for the next. Under --strict a refused text is answered with its reason
// in place of the window's conversion; the answer names the input as it was given.
bool ReportOne(std::string_view input, const CliMode& mode, bool strict, OperationResult& result,
               OutputBuffer& output) {
    StrictDecimal checked{input, {}};
    if (strict) checked = CheckStrictDecimal(input);
    if (checked.Error.empty()) {
        RunOperation(checked.Text, mode, result);
    } else {
        result.Result.Kind = Outcome::Refused;
        result.Result.Message = std::move(checked.Error);
    }
    if (mode.Json) AppendJsonReport(output.Text(), input, result);
    else AppendTextReport(output.Text(), input, result);
    output.FlushIfLarge();
    return result.Result.Kind != Outcome::Refused;
}

// The mode of the seed report's operation from the options.
CliMode SeedMode(const CliOptions& options) {
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
    report.Json = options.Json;
    report.Texts = options.Texts;
    return report;
}

}  // namespace

int main(int argc, char** argv) {
    const CliParse parse = ParseCliOptions({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
    const CliOptions& options = parse.Options;
    if (!parse.Error.empty()) {
        std::fputs(CliUsageErrorText(parse.Error).c_str(), stderr);
        return ExitUsage;
    }
    if (options.Action != CliAction::Report) {
        const std::string answer = options.Action == CliAction::Help
                                       ? CliHelpText()
                                       : std::string("pexabit-cli ") + SoftwareVersion + "\n";
        if (std::fputs(answer.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return ExitConverted;
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n", std::strerror(errno));
        return ExitUsage;
    }
    if (!options.Formats.empty()) return RunFormatReport(FormatReportOptionsOf(options));
    const CliMode mode = SeedMode(options);
    OutputBuffer output;
    OperationResult result;
    bool allConverted = true;
    if (!options.Texts.empty()) {
        for (std::string_view text : options.Texts) allConverted &= ReportOne(text, mode, options.Strict, result, output);
    } else {
        LineReader reader(output);
        std::string line;
        for (bool first = true; reader.Next(line); first = false) {
            // A byte order mark belongs to the stream, not to its first input.
            const std::string_view input = options.Strict && first ? WithoutByteOrderMark(line) : line;
            allConverted &= ReportOne(input, mode, options.Strict, result, output);
        }
        if (reader.ReadError() != 0) {
            output.Flush();
            std::fprintf(stderr, "pexabit-cli: standard input cannot be read: %s\n",
                         std::strerror(reader.ReadError()));
            return ExitUsage;
        }
    }
    if (!output.Flush()) {
        // Without this line a full disk or a closed pipe would pass unnoticed by the user.
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n",
                     std::strerror(output.WriteError()));
        return ExitUsage;
    }
    return allConverted ? ExitConverted : ExitRejected;
}
