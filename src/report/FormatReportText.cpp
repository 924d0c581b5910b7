// The readable form of the every-format report: per format a block of labelled lines, the same
// names as the JSON keys; lines that do not apply to the value are left out, and so are those
// that hold none of the chosen keys; a format that cannot hold the input has its name and a
// "cannot hold:" line alone.
#include "report/FormatReportText.h"

#include <charconv>

#include "format/TypedNumber.h"
#include "report/CutDigits.h"
#include "report/PatternFields.h"
#include "text/TerminalText.h"

namespace pexabit {

namespace {

constexpr std::size_t LabelWidth = 18;
// A format's block without its long texts at its longest (quad's fraction line, 112 bits and
// 28 hex digits, its bytes and hex float): under 700 characters.
constexpr std::size_t FormatBlockRoom = 768;
constexpr std::size_t InputRoom = 64;           // "Input:", "Offset:", "Round:" and the mode
constexpr std::size_t EscapedByteRoom = 4;      // an input byte shown as \xNN

// The label and the blanks up to the values' column: the caller writes the value and "\n".
void Label(std::string& out, std::string_view label) {
    out += label;
    out.append(label.size() < LabelWidth ? LabelWidth - label.size() : 1, ' ');
}

void Line(std::string& out, std::string_view label, std::string_view value) {
    Label(out, label);
    out += value;
    out += '\n';
}

void OptionalLine(std::string& out, std::string_view label, const std::optional<std::string>& value) {
    if (value) Line(out, label, *value);
}

void AppendInteger(std::string& out, int value) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// "  exponent        -4 (biased 11)", or only the field where the exponent has no unbiased meaning.
void ExponentLine(std::string& out, const FloatFormat& format, const StoredValue& v) {
    Label(out, "  exponent");
    const std::optional<int> unbiased = UnbiasedExponent(format, v);
    if (unbiased) {
        AppendInteger(out, *unbiased);
        out += " (";
    }
    out += "biased ";
    AppendInteger(out, v.BiasedExponent);
    out += unbiased ? ")\n" : "\n";
}

// "  fraction        266 = 1001100110": the fraction field in hex and in binary; extended's
// integer bit first.
void FractionLine(std::string& out, const FloatFormat& format, const StoredValue& v) {
    Label(out, "  fraction");
    if (format.StoredIntegerBit) out.append("integer bit ").append(v.IntegerBit ? "1, " : "0, ");
    AppendHexText(out, v.Fraction, (format.FractionBits + 3) / 4);
    out += " = ";
    AppendBitsText(out, v.Fraction, format.FractionBits);
    out += '\n';
}

// "  flags           inexact underflow", or "none".
void FlagsLine(std::string& out, const RoundingFlags& flags) {
    Label(out, "  flags");
    const std::size_t start = out.size();
    if (flags.Inexact) out += "inexact ";
    if (flags.Underflow) out += "underflow ";
    if (flags.Overflow) out += "overflow ";
    if (out.size() == start) out += "none ";
    out.back() = '\n';
}

// A line of a pattern (the format's own line) or a neighbour: its hex digits.
void PatternLine(std::string& out, std::string_view label, const FloatFormat& format, Bits128 pattern) {
    Label(out, label);
    AppendHexText(out, pattern, format.HexDigits());
    out += '\n';
}

// The line of an exact text, cut to `digits` significant digits (whole for 0).
void ExactLine(std::string& out, std::string_view label, std::string_view exact, std::size_t digits, int base = 10) {
    if (digits == 0) Line(out, label, exact);
    else Line(out, label, CutDigits(exact, digits, base).Text);
}

// The error's line: its text, or why it is not written (see ErrorShown); none without an error.
void ErrorLine(std::string& out, const FormatReport& r, std::size_t digits) {
    if (!r.ErrorTooLong) {
        if (r.Error) ExactLine(out, "  error", *r.Error, digits);
        return;
    }
    ExactLine(out, "  error", *ErrorShown(r), digits);
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
    if (wants({ReportKey::Pattern})) PatternLine(out, f.Name, f, v.Pattern);
    else out.append(f.Name).append("\n");
    if (wants({ReportKey::BytesLe})) {
        Label(out, "  bytes_le");
        AppendBytesLe(out, f, v.Pattern);
        out += '\n';
    }
    if (wants({ReportKey::Class})) Line(out, "  class", ClassName(v.Class));
    if (wants({ReportKey::Sign})) Line(out, "  sign", v.Negative ? "1" : "0");
    if (wants({ReportKey::Exponent, ReportKey::BiasedExponent})) ExponentLine(out, f, v);
    if (wants({ReportKey::IntegerBit, ReportKey::FractionHex, ReportKey::FractionBits})) FractionLine(out, f, v);
    if (const std::optional<Bits128> payload = NanPayload(f, v); payload && wants({ReportKey::NanPayload})) {
        Label(out, "  nan_payload");
        AppendHexDigits(out, *payload);
        out += '\n';
    }
    if (wants({ReportKey::Exact})) ExactLine(out, "  exact", r.Exact, request.Digits);
    if (wants({ReportKey::ExactBinary})) ExactLine(out, "  exact_binary", r.ExactBinary, request.Digits, 2);
    OptionalLine(out, "  shortest", r.Shortest);
    OptionalLine(out, "  hexfloat", r.HexFloat);
    if (r.NextUp) PatternLine(out, "  next_up", f, *r.NextUp);
    if (r.NextDown) PatternLine(out, "  next_down", f, *r.NextDown);
    if (r.Ulp) ExactLine(out, "  ulp", *r.Ulp, request.Digits);
    if (wants({ReportKey::Error})) ErrorLine(out, r, request.Digits);
    if (wants({ReportKey::RelativeError})) OptionalLine(out, "  relative_error", r.RelativeError);
    if (!request.Pattern && wants({ReportKey::Inexact, ReportKey::Underflow, ReportKey::Overflow})) FlagsLine(out, r.Flags);
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
    // The block is written with one allocation where the output has no room for it yet.
    out.reserve(out.size() + InputRoom + EscapedByteRoom * input.size() + FormatBlockRoom * report.Formats.size() +
                LongTextLength(report));
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
