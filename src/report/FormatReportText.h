#pragma once
// The readable form of the every-format report: an "Input:" line, the rounding mode for a typed
// text, then per format a block of labelled lines named as the JSON keys. Both front ends write
// the same text from the same typed report.

#include <optional>
#include <string>
#include <string_view>

#include "report/FormatReport.h"

namespace pexabit {

// Appends the block of one input, ending with a blank line: for a refused input its "Refused:"
// line; for single 1.0 typed as "1" a "single" block with "pattern           3F800000"; for a
// format that cannot hold the input its name and "  cannot hold:    " with the message.
void AppendFormatReportText(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report);

// The error as a reader is shown it: its text, or for one too long to write out why and how many
// digits it has ("not written: 99999999676 significant digits, more than the 4194304 (4 MiB)
// Pexabit writes out"); nullopt where there is none.
std::optional<std::string> ErrorShown(const FormatReport& r);

}  // namespace pexabit
