#pragma once
// The every-format report in brief: one line per format with its name, its pattern, the shortest
// text that gives the pattern back and the exact stored value, for a reader who wants the answer
// and not the anatomy.

#include <string>
#include <string_view>

#include "report/FormatReport.h"

namespace pexabit {

// Appends one line per format of `report`, the names and patterns in columns as wide as the
// longest of the request's formats:
//   "single  3DCCCCCD  0.1  (exact 0.100000001490116119384765625)\n"
// the exact text cut to request.Digits significant digits by CutDigits (whole for 0); a NaN has
// no shortest text and shows "nan" in its place. A format that cannot hold the input gives
// "e4m3  cannot hold: MESSAGE"; a refused input one line "refused  INPUT  (MESSAGE)", what was
// typed written out as the readable report's Input: line writes it. A value read from a file
// (report.Offset set) begins each of its lines with "at OFFSET  ", its byte offset in decimal.
void AppendFormatReportBrief(std::string& out, std::string_view input, const ReportRequest& request,
                             const InputReport& report);

}  // namespace pexabit
