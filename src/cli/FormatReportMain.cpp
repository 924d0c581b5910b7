// pexabit-cli --format: the every-format report of each input, run by the loop both reports
// share.
#include "cli/FormatReportCommand.h"
#include "report/FormatReportBrief.h"
#include "cli/FileValues.h"
#include "report/FormatReportText.h"

namespace pexabit {

namespace {

// The report of each stored value of the file, or of where the file ends short.
int RunFileReport(const FormatReportOptions& options, const InputStreams& streams) {
    const ReportRequest& request = options.Request;
    const FloatFormat& stored = request.From != nullptr ? *request.From : *request.Formats.front();
    InputReport report;
    return RunFileValues(*options.File, stored.Bytes(), streams.Lines, streams.Output, streams.Messages,
                         [&](const FileValue& value, std::string& out) {
                             if (value.Short.empty()) {
                                 BuildReport(value.Hex, request, report);
                             } else {
                                 report.Refusal = value.Short;
                                 report.Formats.clear();
                             }
                             report.Offset = value.Offset;
                             if (options.Json) AppendFormatReportJson(out, value.Hex, request, report);
                             else if (options.Brief) AppendFormatReportBrief(out, value.Hex, request, report);
                             else AppendFormatReportText(out, value.Hex, request, report);
                             return !AnyRefusal(report);
                         });
}

}  // namespace

int RunFormatReport(const FormatReportOptions& options, const InputStreams& streams) {
    InputReport report;  // one report serves every input: its texts keep their storage
    if (options.File) return RunFileReport(options, streams);
    return RunInputs(streams, [&](std::string_view input, std::string& out) {
        BuildReport(input, options.Request, report);
        if (options.Json) AppendFormatReportJson(out, input, options.Request, report);
        else if (options.Brief) AppendFormatReportBrief(out, input, options.Request, report);
        else AppendFormatReportText(out, input, options.Request, report);
        return !AnyRefusal(report);  // a format that cannot hold the input makes the status 1 too
    });
}

}  // namespace pexabit
