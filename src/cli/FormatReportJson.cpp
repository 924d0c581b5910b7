// The JSON form of the every-format report: one object per input and line. Every chosen key of a
// format object is there (all of them unless --keys or --brief chose), null where it does not
// apply, except for a format that cannot hold the input: its object has its name and the refusal
// alone. The texts the report made itself (digits, hex, names) need no escaping and are copied as
// they are.
#include "cli/FormatReportCommand.h"
#include "cli/JsonWriter.h"
#include "report/CutDigits.h"
#include "report/PatternFields.h"

namespace pexabit {

namespace {

// One format's object inside the "formats" array: the request's keys only, each exact text cut to
// its digits; the texts the report made are not escaped.
class FormatObject : public JsonObjectWriter {
public:
    FormatObject(std::string& out, const ReportRequest& request)
        : JsonObjectWriter(out), keys_(request.Keys), digits_(request.Digits) {}
    bool Shows(ReportKey key) const { return keys_.Has(key); }
    // True when `key` is chosen; its name is then written, its value left to the caller.
    bool Wants(ReportKey key) {
        if (!keys_.Has(key)) return false;
        Key(ReportKeyName(key));
        return true;
    }
    void Quoted(std::string_view value) { Out().append("\"").append(value).append("\""); }
    void Text(ReportKey key, std::string_view value) {
        if (Wants(key)) Quoted(value);
    }
    void OptionalText(ReportKey key, const std::optional<std::string>& value) {
        if (!Wants(key)) return;
        if (value) Quoted(*value);
        else Out() += "null";
    }
    // An exact text cut to the request's digits: a cut one ends in "..." (or its exponent) and is
    // followed by "<key>_digits", the count of all its significant digits, a string as error_digits.
    void ExactText(ReportKey key, const std::string* value, int base = 10) {
        if (!Wants(key)) return;
        if (value == nullptr) return void(Out() += "null");
        if (digits_ == 0) return Quoted(*value);
        const CutText cut = CutDigits(*value, digits_, base);
        Quoted(std::string_view(cut.Text).substr(0, cut.NoteAt));
        if (cut.LeftOut == 0) return;
        Key(std::string(ReportKeyName(key)) + "_digits");
        Quoted(std::to_string(digits_ + cut.LeftOut));
    }
    void Integer(ReportKey key, std::optional<int> value) {
        if (!Wants(key)) return;
        char digits[24];
        if (value) Out() += JsonIntegerText(*value, digits);
        else Out() += "null";
    }
    void Boolean(ReportKey key, bool value) {
        if (Wants(key)) Out() += value ? "true" : "false";
    }
    void Hex(ReportKey key, std::optional<Bits128> value, int digits) {
        if (!Wants(key)) return;
        if (!value) return void(Out() += "null");
        Out() += '"';
        if (digits > 0) AppendHexText(Out(), *value, digits);
        else AppendHexDigits(Out(), *value);
        Out() += '"';
    }
    // Ends the object inside the array: appends "}".
    void Close() { Out() += '}'; }

private:
    ReportKeys keys_;
    std::size_t digits_;
};

void AppendFields(FormatObject& json, const FormatReport& r) {
    const FloatFormat& f = *r.Format;
    const StoredValue& v = r.Value;
    json.Text(ReportKey::Format, f.Name);
    json.Hex(ReportKey::Pattern, v.Pattern, f.HexDigits());
    if (json.Wants(ReportKey::BytesLe)) {
        json.Out() += '"';
        AppendBytesLe(json.Out(), f, v.Pattern);
        json.Out() += '"';
    }
    json.Integer(ReportKey::Sign, v.Negative ? 1 : 0);
    json.Integer(ReportKey::BiasedExponent, v.BiasedExponent);
    json.Integer(ReportKey::Exponent, UnbiasedExponent(f, v));
    json.Integer(ReportKey::IntegerBit, f.StoredIntegerBit ? std::optional<int>(v.IntegerBit ? 1 : 0) : std::nullopt);
    json.Hex(ReportKey::FractionHex, v.Fraction, (f.FractionBits + 3) / 4);
    if (json.Wants(ReportKey::FractionBits)) {
        json.Out() += '"';
        AppendBitsText(json.Out(), v.Fraction, f.FractionBits);
        json.Out() += '"';
    }
    json.Text(ReportKey::Class, ClassName(v.Class));
}

void AppendValues(FormatObject& json, const FormatReport& r, bool pattern) {
    const FloatFormat& f = *r.Format;
    json.ExactText(ReportKey::Exact, &r.Exact);
    json.ExactText(ReportKey::ExactBinary, &r.ExactBinary, 2);
    json.OptionalText(ReportKey::Shortest, r.Shortest);
    json.OptionalText(ReportKey::HexFloat, r.HexFloat);
    json.Hex(ReportKey::NextUp, r.NextUp, f.HexDigits());
    json.Hex(ReportKey::NextDown, r.NextDown, f.HexDigits());
    json.ExactText(ReportKey::Ulp, r.Ulp ? &*r.Ulp : nullptr);
    json.ExactText(ReportKey::Error, r.Error ? &*r.Error : nullptr);
    if (r.ErrorTooLong && json.Shows(ReportKey::Error)) {  // a count of any size, a string like every number text
        json.Key("error_digits");
        if (r.ErrorDigits) json.Quoted(r.ErrorDigits->MagnitudeText());
        else json.Out() += "null";
    }
    json.OptionalText(ReportKey::RelativeError, r.RelativeError);
    json.Boolean(ReportKey::Inexact, !pattern && r.Flags.Inexact);
    json.Boolean(ReportKey::Underflow, !pattern && r.Flags.Underflow);
    json.Boolean(ReportKey::Overflow, !pattern && r.Flags.Overflow);
    json.Hex(ReportKey::NanPayload, NanPayload(f, r.Value), 0);
}

// A format object's keys, punctuation and short members at their longest (quad's 112 fraction
// bits, its bytes, hex float and relative error): a little over 700 characters.
constexpr std::size_t FormatObjectRoom = 768;
constexpr std::size_t LineRoom = 128;       // "input", "round", "formats" and the brackets
constexpr std::size_t EscapedByteRoom = 6;  // an input byte written as \u00XX

// Room for one input's line: its long texts at their whole length (a cut one takes less), and
// the rest at its longest, so that the line is written into the output with one allocation.
std::size_t LineRoomFor(std::string_view input, const InputReport& report) {
    return LineRoom + EscapedByteRoom * input.size() + FormatObjectRoom * report.Formats.size() + LongTextLength(report);
}

}  // namespace

void AppendFormatReportJson(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report) {
    out.reserve(out.size() + LineRoomFor(input, report));
    JsonObjectWriter json(out);
    json.String("input", input);
    if (report.Offset) {
        char digits[24];
        json.Key("offset");
        out += JsonIntegerText(static_cast<std::int64_t>(*report.Offset), digits);
    }
    if (!report.Refusal.empty()) {
        json.String("error", report.Refusal);
        return json.End();
    }
    json.Key("round");
    out.append("\"").append(RoundingModeName(request.Mode)).append("\"");
    json.Key("formats");
    out += '[';
    for (std::size_t i = 0; i < report.Formats.size(); ++i) {
        if (i > 0) out += ',';
        FormatObject format(out, request);
        const FormatReport& r = report.Formats[i];
        if (r.Refusal) {
            format.Text(ReportKey::Format, r.Format->Name);
            format.String("refusal", *r.Refusal);
        } else {
            AppendFields(format, r);
            AppendValues(format, r, request.Pattern);
        }
        format.Close();
    }
    out += ']';
    json.End();
}

}  // namespace pexabit
