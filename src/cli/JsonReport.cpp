#include "cli/JsonWriter.h"
#include "cli/Reports.h"

namespace pexabit {
namespace {

std::string_view ReportText(const ControlTexts& report, std::string_view control) {
    const std::string* text = FindControlText(report, control);
    return text != nullptr ? std::string_view(*text) : std::string_view();
}

struct FormatFields {
    std::string_view Prefix;  // "Single" or "Double"
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
    return {"Single", s.SingleHex, s.SingleSign, s.SingleExponent, s.SingleMantissaHex,
            s.SingleMantissaBits, s.SingleBinary, s.SingleBinarySci, s.SingleExact, s.SingleExactSci};
}

FormatFields DoubleFields(const ConversionState& s) {
    return {"Double", s.DoubleHex, s.DoubleSign, s.DoubleExponent, s.DoubleMantissaHex,
            s.DoubleMantissaBits, s.DoubleBinary, s.DoubleBinarySci, s.DoubleExact, s.DoubleExactSci};
}

void WriteFields(JsonObjectWriter& json, const FormatFields& f, bool withHex) {
    std::string key(f.Prefix);
    const auto name = [&](std::string_view field) -> const std::string& {
        key.resize(f.Prefix.size());
        key += field;
        return key;
    };
    if (withHex) json.MadeText(name("Hex"), f.Hex);
    json.Integer(name("Sign"), f.Sign);
    json.Integer(name("Exponent"), f.Exponent);
    json.MadeText(name("MantissaHex"), f.MantissaHex);
    json.MadeText(name("MantissaBits"), f.MantissaBits);
    json.MadeText(name("Binary"), f.Binary);
    json.MadeText(name("BinarySci"), f.BinarySci);
    json.MadeText(name("Exact"), f.Exact);
    json.MadeText(name("ExactSci"), f.ExactSci);
}

void WriteConverted(JsonObjectWriter& json, const OperationResult& r) {
    const ConversionState& s = r.State;
    json.MadeText("OriginalNumber", s.OriginalNumber);
    json.Integer("SingleOverflow", s.SingleOverflow);
    json.Integer("DoubleOverflow", s.DoubleOverflow);
    WriteFields(json, SingleFields(s), true);
    WriteFields(json, DoubleFields(s), true);
    json.MadeText("DoubleMinusSingle", ReportText(r.Report, "Text8"));
    json.MadeText("OriginalMinusDouble", ReportText(r.Report, "Text10"));
    json.MadeText("OriginalMinusSingle", ReportText(r.Report, "Text11"));
    json.String("SingleDisplay", ReportText(r.Report, "Label21"));
    json.String("DoubleDisplay", ReportText(r.Report, "Label22"));
}

void WriteSpecial(JsonObjectWriter& json, const OperationResult& r) {
    if (r.Format == PatternFormat::Single) {
        WriteFields(json, SingleFields(r.State), false);
        json.String("SingleDisplay", ReportText(r.Report, "Label21"));
    } else {
        WriteFields(json, DoubleFields(r.State), false);
        json.String("DoubleDisplay", ReportText(r.Report, "Label22"));
    }
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
