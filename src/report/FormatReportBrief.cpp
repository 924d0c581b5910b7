#include "report/FormatReportBrief.h"

#include <algorithm>
#include <string>

#include "format/FieldTexts.h"
#include "report/CutDigits.h"
#include "text/TerminalText.h"

namespace pexabit {

namespace {

constexpr std::size_t ColumnGap = 2;
constexpr std::string_view RefusedName = "refused";

// `text` and the blanks that fill it out to `width`, then the gap to the next column.
void Column(std::string& out, std::string_view text, std::size_t width) {
    out.append(text).append(std::max(width, text.size()) - text.size() + ColumnGap, ' ');
}

}  // namespace

void AppendFormatReportBrief(std::string& out, std::string_view input, const ReportRequest& request,
                             const InputReport& report) {
    std::size_t nameWidth = 0, patternWidth = 0;
    for (const FloatFormat* f : request.Formats) {
        nameWidth = std::max(nameWidth, f->Name.size());
        patternWidth = std::max(patternWidth, static_cast<std::size_t>(f->HexDigits()));
    }
    // A value read from a file is known by where it lies: each of its lines begins "at OFFSET".
    const std::string at = report.Offset ? "at " + std::to_string(*report.Offset) + std::string(ColumnGap, ' ') : "";
    if (!report.Refusal.empty()) {
        out.append(at);
        Column(out, RefusedName, nameWidth);
        out.append(EscapeForTerminal(input)).append("  (").append(EscapeForTerminal(report.Refusal)).append(")\n");
        return;
    }
    for (const FormatReport& r : report.Formats) {
        out.append(at);
        Column(out, r.Format->Name, nameWidth);
        if (r.Refusal) {
            out.append("cannot hold: ").append(*r.Refusal).append("\n");
            continue;
        }
        const std::size_t at = out.size();
        AppendHexText(out, r.Value.Pattern, r.Format->HexDigits());
        out.append(patternWidth + at - out.size() + ColumnGap, ' ');
        out.append(r.Shortest ? *r.Shortest : r.Exact).append("  (exact ");
        out.append(request.Digits == 0 ? r.Exact : CutDigits(r.Exact, request.Digits).Text).append(")\n");
    }
}

}  // namespace pexabit
