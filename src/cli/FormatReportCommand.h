#pragma once
// pexabit-cli --format: the every-format report on a terminal. Its options, its JSON form (the
// readable form is the report's own, report/FormatReportText.h), and the run over the arguments
// or standard input. Kept apart from the window report's
// options and operation so that either can change without the other.

#include <string>
#include <string_view>
#include <vector>

#include "report/FormatReport.h"

namespace pexabit {

struct FormatReportOptions {
    ReportRequest Request;                // formats, rounding mode, pattern input
    bool Json = false;
    std::vector<std::string_view> Texts;  // empty: every line of standard input is one input
};

// Runs every input and writes its report to standard output. Returns the exit status: 0 when
// every input was converted, 1 when any was refused, 2 when standard input cannot be read or the
// output cannot be written (said on standard error).
int RunFormatReport(const FormatReportOptions& options);

// {"input":...,"round":MODE,"formats":[{...},...]} or {"input":...,"error":MESSAGE}, and "\n".
void AppendFormatReportJson(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report);


}  // namespace pexabit
