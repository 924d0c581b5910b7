// The JSON form of the every-format report: one object per input and line. Every key of a format
// object is always there, null where it does not apply, except for a format that cannot hold the
// input: its object has its name and the refusal alone. The texts the report made itself
// (digits, hex, names) need no escaping and are copied as they are.
#include "cli/FormatReportCommand.h"
#include "cli/JsonWriter.h"
#include "report/PatternFields.h"

namespace pexabit {

namespace {

// One format's object inside the "formats" array; the texts the report made are not escaped.
class FormatObject : public JsonObjectWriter {
public:
    using JsonObjectWriter::JsonObjectWriter;
    void Text(std::string_view key, std::string_view value) {
        Key(key);
        Out().append("\"").append(value).append("\"");
    }
    void OptionalText(std::string_view key, const std::optional<std::string>& value) {
        if (value) Text(key, *value);
        else Null(key);
    }
    void Integer(std::string_view key, std::int64_t value) {
        char digits[24];
        Key(key);
        Out() += JsonIntegerText(value, digits);
    }
    void Integer(std::string_view key, std::optional<int> value) {
        if (value) Integer(key, *value);
        else Null(key);
    }
    void Boolean(std::string_view key, bool value) {
        Key(key);
        Out() += value ? "true" : "false";
    }
    void Hex(std::string_view key, std::optional<Bits128> value, int digits) {
        if (!value) return Null(key);
        Key(key);
        Out() += '"';
        if (digits > 0) AppendHexText(Out(), *value, digits);
        else AppendHexDigits(Out(), *value);
        Out() += '"';
    }
    void Null(std::string_view key) {
        Key(key);
        Out() += "null";
    }
    // Ends the object inside the array: appends "}".
    void Close() { Out() += '}'; }
};

void AppendFields(FormatObject& json, const FormatReport& r) {
    const FloatFormat& f = *r.Format;
    const StoredValue& v = r.Value;
    json.Text("format", f.Name);
    json.Hex("pattern", v.Pattern, f.HexDigits());
    json.Key("bytes_le");
    json.Out() += '"';
    AppendBytesLe(json.Out(), f, v.Pattern);
    json.Out() += '"';
    json.Integer("sign", v.Negative ? 1 : 0);
    json.Integer("biased_exponent", v.BiasedExponent);
    json.Integer("exponent", UnbiasedExponent(f, v));
    json.Integer("integer_bit", f.StoredIntegerBit ? std::optional<int>(v.IntegerBit ? 1 : 0) : std::nullopt);
    json.Hex("fraction_hex", v.Fraction, (f.FractionBits + 3) / 4);
    json.Key("fraction_bits");
    json.Out() += '"';
    AppendBitsText(json.Out(), v.Fraction, f.FractionBits);
    json.Out() += '"';
    json.Text("class", ClassName(v.Class));
}

void AppendValues(FormatObject& json, const FormatReport& r, bool pattern) {
    const FloatFormat& f = *r.Format;
    json.Text("exact", r.Exact);
    json.Text("exact_binary", r.ExactBinary);
    json.OptionalText("shortest", r.Shortest);
    json.OptionalText("hexfloat", r.HexFloat);
    json.Hex("next_up", r.NextUp, f.HexDigits());
    json.Hex("next_down", r.NextDown, f.HexDigits());
    json.OptionalText("ulp", r.Ulp);
    json.OptionalText("error", r.Error);
    if (r.ErrorTooLong) {  // a count of any size, as a string like every number text here
        if (r.ErrorDigits) json.Text("error_digits", r.ErrorDigits->MagnitudeText());
        else json.Null("error_digits");
    }
    json.OptionalText("relative_error", r.RelativeError);
    json.Boolean("inexact", !pattern && r.Flags.Inexact);
    json.Boolean("underflow", !pattern && r.Flags.Underflow);
    json.Boolean("overflow", !pattern && r.Flags.Overflow);
    json.Hex("nan_payload", NanPayload(f, r.Value), 0);
}

}  // namespace

void AppendFormatReportJson(std::string& out, std::string_view input, const ReportRequest& request,
                            const InputReport& report) {
    JsonObjectWriter json(out);
    json.String("input", input);
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
        FormatObject format(out);
        const FormatReport& r = report.Formats[i];
        if (r.Refusal) {
            format.Text("format", r.Format->Name);
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
