#include "cli/Reports.h"
#include "format/FieldTexts.h"
#include "text/TerminalText.h"
#include "window_report/FieldCaptions.h"

namespace pexabit {
namespace {

void Line(std::string& out, std::string_view label, std::string_view value) {
    out += label;
    if (label.size() < 24) out.append(24 - label.size(), ' ');
    out += value;
    out += '\n';
}

// One format's part of the window: its pattern (`pattern`, which a special path shows as typed),
// the field captions, the bits, the value as displayed and the four exact-value views.
void AppendFormat(std::string& out, PatternFormat which, const FormatPart& part, std::string_view pattern,
                  std::string_view display) {
    const FloatFormat& format = FormatOf(which);
    const StoredValue& v = part.Stored;
    Line(out, which == PatternFormat::Single ? "Single(32bit Pexabit)=" : "Double(64bit Pexabit)=", pattern);
    Line(out, "  fields", SignCaption(v.Negative) + "   " + ExponentCaption(v.BiasedExponent) + "   " +
                              MantissaCaption(FractionHex(format, v)));
    Line(out, "  bits", SignBitText(v) + " " + ExponentBitsText(format, v) + " " + FractionBitsText(format, v));
    Line(out, "  displayed", display);
    Line(out, "  BIN", part.Texts.Binary);
    Line(out, "  BIN Exp", part.Texts.BinarySci);
    Line(out, "  DEC", part.Texts.Exact);
    Line(out, "  DEC Exp", part.Texts.ExactSci);
}

void AppendConverted(std::string& out, const OperationResult& r) {
    const ConversionState& s = r.State;
    Line(out, "The original number:", s.OriginalNumber);
    AppendFormat(out, PatternFormat::Single, s.Single, PatternHex(SingleFormat, s.Single.Stored), r.Result.SingleDisplay);
    AppendFormat(out, PatternFormat::Double, s.Double, PatternHex(DoubleFormat, s.Double.Stored), r.Result.DoubleDisplay);
    Line(out, "Double-Single=", r.Result.DoubleMinusSingle);
    Line(out, "Original-Double=", r.Result.OriginalMinusDouble);
    Line(out, "Original-Single=", r.Result.OriginalMinusSingle);
}

void AppendSpecial(std::string& out, std::string_view input, const OperationResult& r) {
    const PatternFormat which = r.Result.Decoded;
    AppendFormat(out, which, r.State.Part(which), input,
                 which == PatternFormat::Single ? r.Result.SingleDisplay : r.Result.DoubleDisplay);
}

}  // namespace

void AppendTextReport(std::string& out, std::string_view input, const OperationResult& result) {
    Line(out, "Input:", EscapeForTerminal(input));  // a typed ESC or line break shown, not obeyed
    switch (result.Result.Kind) {
        case Outcome::Refused: Line(out, "Rejected:", result.Result.Message); break;
        case Outcome::Converted: AppendConverted(out, result); break;
        case Outcome::Special: AppendSpecial(out, input, result); break;
    }
    out += '\n';
}

}  // namespace pexabit
