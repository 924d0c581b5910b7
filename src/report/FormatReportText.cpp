// The readable form of the every-format report: per format a block of labelled lines, the same
// names as the JSON keys; lines that do not apply to the value are left out, and so are those
// that hold none of the chosen keys; a format that cannot hold the input has its name and a
// "cannot hold:" line alone.
#include "report/FormatReportText.h"

#include "format/TypedNumber.h"
#include "report/CutDigits.h"
#include "report/PatternFields.h"
#include "text/TerminalText.h"

namespace pexabit {

namespace {

constexpr std::size_t LabelWidth = 18;

void Line(std::string& out, std::string_view label, std::string_view value) {
    out += label;
    out.append(label.size() < LabelWidth ? LabelWidth - label.size() : 1, ' ');
    out += value;
    out += '\n';
}

void OptionalLine(std::string& out, std::string_view label, const std::optional<std::string>& value) {
    if (value) Line(out, label, *value);
}

// "-4 (biased 11)", or only the field where the exponent has no unbiased meaning.
std::string ExponentText(const FloatFormat& format, const StoredValue& v) {
    const std::string biased = std::to_string(v.BiasedExponent);
    const std::optional<int> unbiased = UnbiasedExponent(format, v);
    return unbiased ? std::to_string(*unbiased) + " (biased " + biased + ")" : "biased " + biased;
}

// "266 = 1001100110": the fraction field in hex and in binary; extended's integer bit first.
std::string FractionText(const FloatFormat& format, const StoredValue& v) {
    std::string text;
    if (format.StoredIntegerBit) text.append("integer bit ").append(v.IntegerBit ? "1, " : "0, ");
    AppendHexText(text, v.Fraction, (format.FractionBits + 3) / 4);
    text += " = ";
    AppendBitsText(text, v.Fraction, format.FractionBits);
    return text;
}

std::string FlagsText(const RoundingFlags& flags) {
    std::string text;
    if (flags.Inexact) text += "inexact ";
    if (flags.Underflow) text += "underflow ";
    if (flags.Overflow) text += "overflow ";
    if (text.empty()) return "none";
    text.pop_back();
    return text;
}

// The line of an exact text, cut to `digits` significant digits (whole for 0).
void ExactLine(std::string& out, std::string_view label, std::string_view exact, std::size_t digits, int base = 10) {
    if (digits == 0) Line(out, label, exact);
    else Line(out, label, CutDigits(exact, digits, base).Text);
}

void AppendFormat(std::string& out, const FormatReport& r, const ReportRequest& request) {
    const FloatFormat& f = *r.Format;
    const StoredValue& v = r.Value;
    const ReportKeys keys = request.Keys;
    const auto wants = [keys](std::initializer_list<ReportKey> any) { return keys.HasAny(any); };
    if (r.Refusal) {  // the name alone, then why this format has no value to show
        out.append(f.Name).append("\n");
        Line(out, "  cannot hold:", *r.Refusal);
        return;
    }
    if (wants({ReportKey::Pattern})) Line(out, f.Name, HexText(v.Pattern, f.HexDigits()));
    else out.append(f.Name).append("\n");
    if (wants({ReportKey::BytesLe})) {
        std::string bytes;
        AppendBytesLe(bytes, f, v.Pattern);
        Line(out, "  bytes_le", bytes);
    }
    if (wants({ReportKey::Class})) Line(out, "  class", ClassName(v.Class));
    if (wants({ReportKey::Sign})) Line(out, "  sign", v.Negative ? "1" : "0");
    if (wants({ReportKey::Exponent, ReportKey::BiasedExponent})) Line(out, "  exponent", ExponentText(f, v));
    if (wants({ReportKey::IntegerBit, ReportKey::FractionHex, ReportKey::FractionBits})) {
        Line(out, "  fraction", FractionText(f, v));
    }
    if (const std::optional<Bits128> payload = NanPayload(f, v); payload && wants({ReportKey::NanPayload})) {
        std::string hex;
        AppendHexDigits(hex, *payload);
        Line(out, "  nan_payload", hex);
    }
    if (wants({ReportKey::Exact})) ExactLine(out, "  exact", r.Exact, request.Digits);
    if (wants({ReportKey::ExactBinary})) ExactLine(out, "  exact_binary", r.ExactBinary, request.Digits, 2);
    OptionalLine(out, "  shortest", r.Shortest);
    OptionalLine(out, "  hexfloat", r.HexFloat);
    if (r.NextUp) Line(out, "  next_up", HexText(*r.NextUp, f.HexDigits()));
    if (r.NextDown) Line(out, "  next_down", HexText(*r.NextDown, f.HexDigits()));
    if (r.Ulp) ExactLine(out, "  ulp", *r.Ulp, request.Digits);
    if (const std::optional<std::string> error = ErrorShown(r); error && wants({ReportKey::Error})) {
        ExactLine(out, "  error", *error, request.Digits);
    }
    if (wants({ReportKey::RelativeError})) OptionalLine(out, "  relative_error", r.RelativeError);
    if (!request.Pattern && wants({ReportKey::Inexact, ReportKey::Underflow, ReportKey::Overflow})) {
        Line(out, "  flags", FlagsText(r.Flags));
    }
}

}  // namespace

std::optional<std::string> ErrorShown(const FormatReport& r) {
    if (!r.ErrorTooLong) return r.Error;
    const std::string bound = std::to_string(MaxExactDigits) + " (4 MiB) Pexabit writes out";
    if (!r.ErrorDigits) return "not written: too many significant digits to count, far more than the " + bound;
    return "not written: " + r.ErrorDigits->MagnitudeText() + " significant digits, more than the " + bound;
}

void AppendFormatReportText(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report) {
    // What was typed is shown, not obeyed: a control character or a stray byte is written out.
    // A refusal quotes the character at fault, which may be a C1 control.
    Line(out, "Input:", EscapeForTerminal(input));
    if (report.Offset) Line(out, "Offset:", std::to_string(*report.Offset));
    if (!report.Refusal.empty()) {
        Line(out, "Refused:", EscapeForTerminal(report.Refusal));
    } else {
        if (!request.Pattern) Line(out, "Round:", RoundingModeName(request.Mode));
        for (const FormatReport& r : report.Formats) AppendFormat(out, r, request);
    }
    out += '\n';
}

}  // namespace pexabit
