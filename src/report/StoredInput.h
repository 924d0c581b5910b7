#pragma once
// A stored pattern of one format as the current value of a report: the text that types it, its
// every-format report, and what the command line prints for it. The formats window's bit clicks,
// pattern edits and steps make such a value; every other format rounds from the pattern's exact
// value as `pexabit-cli --format LIST --from FORMAT PATTERN` rounds it.

#include <optional>
#include <string>

#include "report/FormatReport.h"

namespace pexabit {

struct StoredInput {
    const FloatFormat* Format = nullptr;
    Bits128 Pattern = 0;
};

// The text that, typed, gives exactly this stored value in its format and the same answers in
// every other: the hex float of a canonical finite value (single BDCCCCCD gives
// "-0x1.99999ap-4"), "inf" or "-inf", a NaN as "nan(0x1)" or "-snan(0x2a)" with its payload, or
// "nan" without one (a zero payload, e4m3's NaN). nullopt for extended's noncanonical patterns,
// which no text gives back.
std::optional<std::string> TypedTextOf(const FloatFormat& format, const StoredValue& value);

// The report of `input` in request.Formats (request.From, Pattern and BytesLe are not read):
// each format as --from rounds the pattern, except that the source format's own entry describes
// the pattern itself as --pattern does wherever rounding would give another one (a noncanonical
// pattern; an unnormal, which has no value, gives the others "nan" as --from does).
void BuildStoredReport(const StoredInput& input, const ReportRequest& request, InputReport& report);

// What the command line prints for the same state, as AppendFormatReportText writes it: for a
// pattern that TypedTextOf types, `--format LIST --round MODE TEXT`, whose report is `report`;
// for one without, `--format F --pattern P` of the source format.
void AppendStoredReportText(std::string& out, const StoredInput& input, const ReportRequest& request,
                            const InputReport& report);

}  // namespace pexabit
