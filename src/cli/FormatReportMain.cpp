// pexabit-cli --format: the every-format report of each input, run by the loop both reports
// share.
#include "cli/FormatReportCommand.h"
#include "report/FormatReportBrief.h"
#include "report/FormatReportText.h"

namespace pexabit {

int RunFormatReport(const FormatReportOptions& options, const InputStreams& streams) {
    InputReport report;  // one report serves every input: its texts keep their storage
    return RunInputs(streams, [&](std::string_view input, std::string& out) {
        BuildReport(input, options.Request, report);
        if (options.Json) AppendFormatReportJson(out, input, options.Request, report);
        else if (options.Brief) AppendFormatReportBrief(out, input, options.Request, report);
        else AppendFormatReportText(out, input, options.Request, report);
        return !AnyRefusal(report);  // a format that cannot hold the input makes the status 1 too
    });
}

}  // namespace pexabit
