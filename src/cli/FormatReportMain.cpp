// pexabit-cli --format: its options and the run over the inputs, with the same streaming, exit
// statuses and error handling as the seed report.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/FormatReportCommand.h"
#include "cli/Streams.h"
#include "report/FormatReportText.h"

namespace pexabit {

namespace {

constexpr int ExitConverted = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

}  // namespace

namespace {

// One report serves every input: its texts keep their storage for the next.
bool ReportOne(std::string_view input, const FormatReportOptions& options, InputReport& report,
               OutputBuffer& output) {
    BuildReport(input, options.Request, report);
    if (options.Json) AppendFormatReportJson(output.Text(), input, options.Request, report);
    else AppendFormatReportText(output.Text(), input, options.Request, report);
    output.FlushIfLarge();
    return report.Refusal.empty();
}

}  // namespace

int RunFormatReport(const FormatReportOptions& options) {
    OutputBuffer output;
    InputReport report;
    bool allConverted = true;
    if (!options.Texts.empty()) {
        for (std::string_view text : options.Texts) allConverted &= ReportOne(text, options, report, output);
    } else {
        LineReader reader(output);
        std::string line;
        while (reader.Next(line)) allConverted &= ReportOne(line, options, report, output);
        if (reader.ReadError() != 0) {
            output.Flush();
            std::fprintf(stderr, "pexabit-cli: standard input cannot be read: %s\n", std::strerror(reader.ReadError()));
            return ExitUsage;
        }
    }
    if (!output.Flush()) {
        std::fprintf(stderr, "pexabit-cli: the output cannot be written: %s\n", std::strerror(errno));
        return ExitUsage;
    }
    return allConverted ? ExitConverted : ExitRefused;
}

}  // namespace pexabit
