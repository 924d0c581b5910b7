#pragma once
// The readable form of the every-format report: an "Input:" line, the rounding mode for a typed
// text, then per format a block of labelled lines named as the JSON keys. Both front ends write
// the same text from the same typed report.

#include <string>
#include <string_view>

#include "report/FormatReport.h"

namespace pexabit {

// Appends the block of one input, ending with a blank line: for a refused input its "Refused:"
// line; for single 1.0 typed as "1" a "single" block with "pattern           3F800000"; for a
// format that cannot hold the input its name and "  cannot hold:    " with the message.
void AppendFormatReportText(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report);

}  // namespace pexabit
