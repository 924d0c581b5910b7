#pragma once
// pexabit-cli --format: the every-format report on a terminal. Its options, its JSON form (the
// readable form is the report's own, report/FormatReportText.h), and its run over the inputs
// through the loop both reports share. Kept apart from the window report's options and operation
// so that either can change without the other.

#include <optional>
#include <string>
#include <string_view>

#include "cli/FileRead.h"
#include "cli/InputLoop.h"
#include "report/FormatReport.h"

namespace pexabit {

struct FormatReportOptions {
    ReportRequest Request;  // formats, rounding mode, pattern input, keys and digits
    bool Json = false;
    bool Brief = false;  // one line per format (report/FormatReportBrief.h) where not Json
    // Set: the inputs are the stored values of this file (of Request.From's format, else of the
    // one format of the list), not texts; each answer carries its byte offset.
    std::optional<FileRead> File;
};

// Answers every input of `streams` with its report and returns the exit status of RunInputs:
// RunFormatReport({{{&HalfFormat}}}, streams) with the TEXT "1.5" writes its readable block
// (half 3E00) and returns 0.
int RunFormatReport(const FormatReportOptions& options, const InputStreams& streams);

// {"input":...,"round":MODE,"formats":[{...},...]} or {"input":...,"error":MESSAGE}, and "\n"; a
// format that cannot hold the input is {"format":NAME,"refusal":MESSAGE} in the list.
void AppendFormatReportJson(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report);

}  // namespace pexabit
