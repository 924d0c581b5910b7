#include "cli/JsonWriter.h"
#include "cli/Reports.h"
#include "format/FieldTexts.h"

namespace pexabit {
namespace {

// The keys of one format's fields, spelled out: no key is built while writing.
struct FieldKeys {
    std::string_view Hex, Sign, Exponent, MantissaHex, MantissaBits, Binary, BinarySci, Exact,
        ExactSci, Display;
};

constexpr FieldKeys SingleKeys{"SingleHex", "SingleSign", "SingleExponent", "SingleMantissaHex",
                               "SingleMantissaBits", "SingleBinary", "SingleBinarySci",
                               "SingleExact", "SingleExactSci", "SingleDisplay"};
constexpr FieldKeys DoubleKeys{"DoubleHex", "DoubleSign", "DoubleExponent", "DoubleMantissaHex",
                               "DoubleMantissaBits", "DoubleBinary", "DoubleBinarySci",
                               "DoubleExact", "DoubleExactSci", "DoubleDisplay"};

// One format's fields, the texts written out once for both passes of the writer.
struct FormatFields {
    const FieldKeys& Keys;
    const FormatPart& Part;
    std::string Hex, MantissaHex, MantissaBits;

    FormatFields(const FieldKeys& keys, const FormatPart& part, const FloatFormat& format)
        : Keys(keys), Part(part), Hex(PatternHex(format, part.Stored)),
          MantissaHex(FractionHex(format, part.Stored)), MantissaBits(FractionBitsText(format, part.Stored)) {}
};

template <typename Sink>
void WriteFields(Sink& json, const FormatFields& f, bool withHex) {
    const ExactTexts& t = f.Part.Texts;
    if (withHex) json.MadeText(f.Keys.Hex, f.Hex);
    json.Integer(f.Keys.Sign, f.Part.Stored.Negative ? 1 : 0);
    json.Integer(f.Keys.Exponent, f.Part.Stored.BiasedExponent);
    json.MadeText(f.Keys.MantissaHex, f.MantissaHex);
    json.MadeText(f.Keys.MantissaBits, f.MantissaBits);
    json.MadeText(f.Keys.Binary, t.Binary);
    json.MadeText(f.Keys.BinarySci, t.BinarySci);
    json.MadeText(f.Keys.Exact, t.Exact);
    json.MadeText(f.Keys.ExactSci, t.ExactSci);
}

void WriteConverted(JsonObjectWriter& json, const OperationResult& r) {
    const ConversionState& s = r.State;
    const FormatFields single(SingleKeys, s.Single, SingleFormat), dbl(DoubleKeys, s.Double, DoubleFormat);
    json.Members([&](auto& m) {
        m.MadeText("OriginalNumber", s.OriginalNumber);
        m.Integer("SingleOverflow", s.Single.Stored.Overflow ? 1 : 0);
        m.Integer("DoubleOverflow", s.Double.Stored.Overflow ? 1 : 0);
        WriteFields(m, single, true);
        WriteFields(m, dbl, true);
        m.MadeText("DoubleMinusSingle", r.Result.DoubleMinusSingle);
        m.MadeText("OriginalMinusDouble", r.Result.OriginalMinusDouble);
        m.MadeText("OriginalMinusSingle", r.Result.OriginalMinusSingle);
    });
    json.String(SingleKeys.Display, r.Result.SingleDisplay);
    json.String(DoubleKeys.Display, r.Result.DoubleDisplay);
}

void WriteSpecial(JsonObjectWriter& json, const OperationResult& r) {
    const bool single = r.Result.Decoded == PatternFormat::Single;
    const FormatFields fields(single ? SingleKeys : DoubleKeys, r.State.Part(r.Result.Decoded),
                              FormatOf(r.Result.Decoded));
    json.Members([&](auto& m) { WriteFields(m, fields, false); });
    json.String(fields.Keys.Display, single ? r.Result.SingleDisplay : r.Result.DoubleDisplay);
}

}  // namespace

void AppendJsonReport(std::string& out, std::string_view input, const OperationResult& result) {
    JsonObjectWriter json(out);
    json.String("input", input);
    switch (result.Result.Kind) {
        case Outcome::Refused: json.String("error", result.Result.Message); break;
        case Outcome::Converted: WriteConverted(json, result); break;
        case Outcome::Special: WriteSpecial(json, result); break;
    }
    json.End();
}

}  // namespace pexabit
