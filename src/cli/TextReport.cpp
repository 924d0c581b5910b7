#include "cli/Reports.h"

namespace pexabit {
namespace {

std::string_view ReportText(const ControlTexts& report, std::string_view control) {
    const std::string* text = FindControlText(report, control);
    return text != nullptr ? std::string_view(*text) : std::string_view();
}

void Line(std::string& out, std::string_view label, std::string_view value) {
    out += label;
    if (label.size() < 24) out.append(24 - label.size(), ' ');
    out += value;
    out += '\n';
}

// The texts of `controls` in the report, one `separator` between each two.
std::string Joined(const ControlTexts& report, std::initializer_list<const char*> controls,
                   std::string_view separator) {
    std::string out;
    bool first = true;
    for (const char* control : controls) {
        if (!first) out += separator;
        first = false;
        out += ReportText(report, control);
    }
    return out;
}

// Controls of one format's part of the window.
struct FormatControls {
    const char* Title;
    const char *Pattern, *Sign, *Exponent, *Mantissa, *SignBit, *ExponentBits, *MantissaBits,
        *Display;
};

constexpr FormatControls SingleControls{"Single(32bit Pexabit)=", "Text7", "Label15", "Label16",
                                        "Label17", "Label9", "Label10", "Label11", "Label21"};
constexpr FormatControls DoubleControls{"Double(64bit Pexabit)=", "Text12", "Label18", "Label19",
                                        "Label20", "Text5", "Text4", "Text3", "Label22"};

void AppendFormat(std::string& out, const FormatControls& c, const ControlTexts& report,
                  std::string_view pattern, const std::string (&views)[4]) {
    Line(out, c.Title, pattern);
    Line(out, "  fields", Joined(report, {c.Sign, c.Exponent, c.Mantissa}, "   "));
    Line(out, "  bits", Joined(report, {c.SignBit, c.ExponentBits, c.MantissaBits}, " "));
    Line(out, "  displayed", ReportText(report, c.Display));
    Line(out, "  BIN", views[0]);
    Line(out, "  BIN Exp", views[1]);
    Line(out, "  DEC", views[2]);
    Line(out, "  DEC Exp", views[3]);
}

void AppendConverted(std::string& out, const OperationResult& r) {
    const ConversionState& s = r.State;
    Line(out, "The original number:", s.OriginalNumber);
    const std::string single[4] = {s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci};
    const std::string dbl[4] = {s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci};
    AppendFormat(out, SingleControls, r.Report, s.SingleHex, single);
    AppendFormat(out, DoubleControls, r.Report, s.DoubleHex, dbl);
    Line(out, "Double-Single=", ReportText(r.Report, "Text8"));
    Line(out, "Original-Double=", ReportText(r.Report, "Text10"));
    Line(out, "Original-Single=", ReportText(r.Report, "Text11"));
}

void AppendSpecial(std::string& out, std::string_view input, const OperationResult& r) {
    const ConversionState& s = r.State;
    if (r.Format == PatternFormat::Single) {
        const std::string views[4] = {s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci};
        AppendFormat(out, SingleControls, r.Report, input, views);
    } else {
        const std::string views[4] = {s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci};
        AppendFormat(out, DoubleControls, r.Report, input, views);
    }
}

}  // namespace

void AppendTextReport(std::string& out, std::string_view input, const OperationResult& result) {
    Line(out, "Input:", input);
    switch (result.Outcome) {
        case OperationResult::Kind::Rejected: Line(out, "Rejected:", result.Error); break;
        case OperationResult::Kind::Converted: AppendConverted(out, result); break;
        case OperationResult::Kind::Special: AppendSpecial(out, input, result); break;
    }
    out += '\n';
}

}  // namespace pexabit
