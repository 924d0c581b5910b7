#include "cli/JsonWriter.h"
#include "cli/Reports.h"

namespace pexabit {
namespace {

// The keys of one format's fields, spelled out: no key is built while writing.
struct FieldKeys {
    std::string_view Hex, Sign, Exponent, MantissaHex, MantissaBits, Binary, BinarySci, Exact,
        ExactSci;
};

constexpr FieldKeys SingleKeys{"SingleHex",    "SingleSign",   "SingleExponent",
                               "SingleMantissaHex", "SingleMantissaBits", "SingleBinary",
                               "SingleBinarySci",   "SingleExact",        "SingleExactSci"};
constexpr FieldKeys DoubleKeys{"DoubleHex",    "DoubleSign",   "DoubleExponent",
                               "DoubleMantissaHex", "DoubleMantissaBits", "DoubleBinary",
                               "DoubleBinarySci",   "DoubleExact",        "DoubleExactSci"};

struct FormatFields {
    const FieldKeys& Keys;
    const std::string& Hex;
    std::int32_t Sign;
    std::int32_t Exponent;
    const std::string& MantissaHex;
    const std::string& MantissaBits;
    const std::string& Binary;
    const std::string& BinarySci;
    const std::string& Exact;
    const std::string& ExactSci;
};

FormatFields SingleFields(const ConversionState& s) {
    return {SingleKeys, s.SingleHex, s.SingleSign, s.SingleExponent, s.SingleMantissaHex,
            s.SingleMantissaBits, s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci};
}

FormatFields DoubleFields(const ConversionState& s) {
    return {DoubleKeys, s.DoubleHex, s.DoubleSign, s.DoubleExponent, s.DoubleMantissaHex,
            s.DoubleMantissaBits, s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci};
}

template <typename Sink>
void WriteFields(Sink& json, const FormatFields& f, bool withHex) {
    if (withHex) json.MadeText(f.Keys.Hex, f.Hex);
    json.Integer(f.Keys.Sign, f.Sign);
    json.Integer(f.Keys.Exponent, f.Exponent);
    json.MadeText(f.Keys.MantissaHex, f.MantissaHex);
    json.MadeText(f.Keys.MantissaBits, f.MantissaBits);
    json.MadeText(f.Keys.Binary, f.Binary);
    json.MadeText(f.Keys.BinarySci, f.BinarySci);
    json.MadeText(f.Keys.Exact, f.Exact);
    json.MadeText(f.Keys.ExactSci, f.ExactSci);
}

std::string_view ReportText(const ControlTexts& report, std::string_view control) {
    const std::string* text = FindControlText(report, control);
    return text != nullptr ? std::string_view(*text) : std::string_view();
}

void WriteConverted(JsonObjectWriter& json, const OperationResult& r) {
    const ConversionState& s = r.State;
    json.Members([&](auto& m) {
        m.MadeText("OriginalNumber", s.OriginalNumber);
        m.Integer("SingleOverflow", s.SingleOverflow);
        m.Integer("DoubleOverflow", s.DoubleOverflow);
        WriteFields(m, SingleFields(s), true);
        WriteFields(m, DoubleFields(s), true);
        m.MadeText("DoubleMinusSingle", r.Results.Text8);
        m.MadeText("OriginalMinusDouble", r.Results.Text10);
        m.MadeText("OriginalMinusSingle", r.Results.Text11);
    });
    json.String("SingleDisplay", r.Results.Label21);
    json.String("DoubleDisplay", r.Results.Label22);
}

void WriteSpecial(JsonObjectWriter& json, const OperationResult& r) {
    const bool single = r.Format == PatternFormat::Single;
    const FormatFields fields = single ? SingleFields(r.State) : DoubleFields(r.State);
    json.Members([&](auto& m) { WriteFields(m, fields, false); });
    if (single) json.String("SingleDisplay", ReportText(r.Report, "Label21"));
    else json.String("DoubleDisplay", ReportText(r.Report, "Label22"));
}

}  // namespace

void AppendJsonReport(std::string& out, std::string_view input, const OperationResult& result) {
    JsonObjectWriter json(out);
    json.String("input", input);
    switch (result.Outcome) {
        case OperationResult::Kind::Rejected: json.String("error", result.Error); break;
        case OperationResult::Kind::Converted: WriteConverted(json, result); break;
        case OperationResult::Kind::Special: WriteSpecial(json, result); break;
    }
    json.End();
}

}  // namespace pexabit
