#include "report/StoredInput.h"

#include <cctype>

#include "format/FieldTexts.h"
#include "format/HexFloat.h"
#include "format/StoredRounding.h"
#include "report/FormatReportText.h"

namespace pexabit {

namespace {

// "nan(0x2a)", "-snan(0x1)" or "nan": the typed form of a NaN as TypedFromStored reads it.
std::string NanText(const TypedNumber& nan) {
    std::string text = nan.Negative ? "-" : "";
    text += nan.Signalling ? "snan" : "nan";
    if (!nan.Payload) return text;
    text += "(0x";
    for (char c : *nan.Payload) text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text + ")";
}

std::string PatternText(const StoredInput& input) { return HexText(input.Pattern, input.Format->HexDigits()); }

}  // namespace

std::optional<std::string> TypedTextOf(const FloatFormat& format, const StoredValue& value) {
    if (value.Class == ValueClass::Noncanonical) return std::nullopt;
    const TypedNumber typed = TypedFromStored(format, value);
    if (typed.Type == TypedNumber::Kind::Nan) return NanText(typed);
    return HexFloatText(format, value);
}

void BuildStoredReport(const StoredInput& input, const ReportRequest& request, InputReport& report) {
    const FloatFormat& source = *input.Format;
    const StoredValue value = DecodePattern(source, input.Pattern);
    ReportRequest from = request;
    from.From = &source;
    from.Pattern = from.BytesLe = false;
    BuildReport(PatternText(input), from, report);
    for (FormatReport& r : report.Formats) {
        if (r.Format == &source && r.Value.Pattern != input.Pattern) DescribeStoredValue(source, value, r, request.Keys);
    }
}

void AppendStoredReportText(std::string& out, const StoredInput& input, const ReportRequest& request,
                            const InputReport& report) {
    const StoredValue value = DecodePattern(*input.Format, input.Pattern);
    if (const std::optional<std::string> typed = TypedTextOf(*input.Format, value)) {
        ReportRequest typedRequest = request;
        typedRequest.From = nullptr;
        typedRequest.Pattern = typedRequest.BytesLe = false;
        AppendFormatReportText(out, *typed, typedRequest, report);
        return;
    }
    ReportRequest patternRequest;
    patternRequest.Formats = {input.Format};
    patternRequest.Pattern = true;
    patternRequest.Keys = request.Keys;
    patternRequest.Digits = request.Digits;
    InputReport pattern;
    const std::string text = PatternText(input);
    BuildReport(text, patternRequest, pattern);
    AppendFormatReportText(out, text, patternRequest, pattern);
}

}  // namespace pexabit
