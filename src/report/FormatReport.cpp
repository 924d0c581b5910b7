#include "report/FormatReport.h"

#include "format/CanonicalValue.h"
#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"
#include "format/TypedNumber.h"
#include "report/ExactError.h"
#include "report/PatternFields.h"
#include "report/PatternInput.h"
#include "report/PlainExactTexts.h"

namespace pexabit {

namespace {

bool IsNan(const StoredValue& value) {
    return value.Class == ValueClass::QuietNan || value.Class == ValueClass::SignallingNan;
}

// What the text forms and the ulp describe: the value itself, or for a pseudo-denormal the
// canonical pattern of the same value; nullopt where the report shows no value (see
// HasFiniteValue: unnormals too, which the x87 since the 80387 refuses).
std::optional<StoredValue> ChooseDescribedValue(const FloatFormat& format, const StoredValue& value) {
    if (value.Class == ValueClass::Noncanonical && !HasFiniteValue(value)) return std::nullopt;
    return CanonicalValue(format, value);
}

void DescribeUlp(const FloatFormat& format, std::optional<int> exponent, FormatReport& out) {
    DecimalExpansion digits;
    if (!exponent) {
        out.Ulp.reset();
    } else if (*exponent != format.MinQuantumExponent()) {
        WritePowerOfTwo(*exponent, digits, out.Ulp.emplace());
    } else {
        if (out.SmallestUlp.empty()) WritePowerOfTwo(*exponent, digits, out.SmallestUlp);
        out.Ulp = out.SmallestUlp;
    }
}

void DescribeTextForms(const FloatFormat& format, const StoredValue& value, FormatReport& out) {
    const std::optional<StoredValue> described = ChooseDescribedValue(format, value);
    out.Shortest.reset();
    out.HexFloat.reset();
    if (!described || IsNan(*described)) {
        out.Ulp.reset();
        return;
    }
    out.Shortest = ShortestText(format, *described);
    out.HexFloat = HexFloatText(format, *described);
    DescribeUlp(format, UlpExponent(format, *described), out);
}

}  // namespace

void DescribeStoredValue(const FloatFormat& format, const StoredValue& value, FormatReport& out,
                         DecimalExpansion& digits) {
    if (out.Format != &format) out.SmallestUlp.clear();  // a slot that served another format
    out.Format = &format;
    out.Value = value;
    out.Flags = {};
    WritePlainDecimal(value, digits, out.Exact);
    WritePlainBinary(value, out.ExactBinary);
    DescribeTextForms(format, value, out);
    const bool noncanonical = value.Class == ValueClass::Noncanonical;
    out.NextUp = noncanonical ? std::nullopt : NextUp(format, value);
    out.NextDown = noncanonical ? std::nullopt : NextDown(format, value);
    out.Error.reset();
    out.RelativeError.reset();
}

namespace {

void ReportPattern(std::string_view input, const ReportRequest& request, InputReport& report) {
    const FloatFormat& format = *request.Formats.front();
    const PatternText read = ReadPatternText(format, input, request.BytesLe);
    if (!read.Pattern) {
        report.Refusal = read.Error;
        report.Formats.clear();
        return;
    }
    report.Formats.resize(1);
    DecimalExpansion digits;
    DescribeStoredValue(format, DecodePattern(format, *read.Pattern), report.Formats[0], digits);
}

// The error of one rounded finite value; the typed magnitude is written on first need.
void DescribeError(const TypedNumber& number, const DecimalExpansion& stored, std::string& typedMagnitude,
                   FormatReport& out) {
    if (typedMagnitude.empty()) WriteTypedMagnitude(number, typedMagnitude);
    const std::string difference = MagnitudeDifference(typedMagnitude, stored);
    WriteErrorText(difference, number.Negative, out.Error.emplace());
    out.RelativeError = RelativeErrorText(difference, typedMagnitude);
}

void ReportNumber(const TypedNumber& number, const ReportRequest& request, InputReport& report) {
    report.Formats.resize(request.Formats.size());
    DecimalExpansion digits;
    std::string typedMagnitude;
    for (std::size_t i = 0; i < request.Formats.size(); ++i) {
        const FloatFormat& format = *request.Formats[i];
        RoundedValue rounded = RoundToFormat(format, number, request.Mode);
        if (!rounded.Error.empty()) {  // a NaN this format cannot carry: refusing beats truncating it
            report.Refusal = rounded.Error;
            if (request.Formats.size() > 1) {
                report.Refusal += "; leave " + std::string(format.Name) + " out of the list to see the others";
            }
            report.Formats.clear();
            return;
        }
        FormatReport& out = report.Formats[i];
        DescribeStoredValue(format, rounded.Value, out, digits);
        out.Flags = rounded.Flags;
        if (number.Type == TypedNumber::Kind::Finite && HasFiniteValue(rounded.Value)) {
            DescribeError(number, digits, typedMagnitude, out);
        }
    }
}

}  // namespace

void BuildReport(std::string_view input, const ReportRequest& request, InputReport& report) {
    report.Refusal.clear();
    if (request.Pattern) {
        ReportPattern(input, request, report);
        return;
    }
    const ParsedText parsed = ParseTypedNumber(input);
    if (!parsed.Number) {
        report.Refusal = parsed.Error;
        report.Formats.clear();
        return;
    }
    ReportNumber(*parsed.Number, request, report);
}

}  // namespace pexabit
