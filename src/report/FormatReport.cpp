#include "report/FormatReport.h"

#include <algorithm>
#include <map>

#include "format/CanonicalValue.h"
#include "format/ExactDigitBound.h"
#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"
#include "format/StoredRounding.h"
#include "format/TypedNumber.h"
#include "report/ExactError.h"
#include "report/FarError.h"
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

// The ulp of a format's zeros and subnormals, 2^MinQuantumExponent (16,494 digits in quad):
// written once per thread and format, for every report after, fresh ones too.
const std::string& SmallestUlp(const FloatFormat& format) {
    thread_local std::map<const FloatFormat*, std::string> kept;
    std::string& text = kept[&format];
    if (text.empty()) WritePowerOfTwo(format.MinQuantumExponent(), text);
    return text;
}

void DescribeUlp(const FloatFormat& format, std::optional<int> exponent, FormatReport& out) {
    if (!exponent) {
        out.Ulp.reset();
    } else if (*exponent != format.MinQuantumExponent()) {
        WritePowerOfTwo(*exponent, out.Ulp.emplace());
    } else {
        out.Ulp = SmallestUlp(format);
    }
}

void DescribeTextForms(const FloatFormat& format, const StoredValue& value, ReportKeys keys, FormatReport& out) {
    out.Shortest.reset();
    out.HexFloat.reset();
    out.Ulp.reset();
    if (!keys.HasAny({ReportKey::Shortest, ReportKey::HexFloat, ReportKey::Ulp})) return;
    const std::optional<StoredValue> described = ChooseDescribedValue(format, value);
    if (!described || IsNan(*described)) return;
    if (keys.Has(ReportKey::Shortest)) out.Shortest = ShortestText(format, *described);
    if (keys.Has(ReportKey::HexFloat)) out.HexFloat = HexFloatText(format, *described);
    if (keys.Has(ReportKey::Ulp)) DescribeUlp(format, UlpExponent(format, *described), out);
}

}  // namespace

void DescribeStoredValue(const FloatFormat& format, const StoredValue& value, FormatReport& out, ReportKeys keys) {
    out.Format = &format;
    out.Refusal.reset();
    out.Value = value;
    out.Flags = {};
    out.Exact.clear();
    out.ExactBinary.clear();
    // The error is measured against the exact text itself.
    if (keys.HasAny({ReportKey::Exact, ReportKey::Error, ReportKey::RelativeError})) WritePlainDecimal(value, out.Exact);
    if (keys.Has(ReportKey::ExactBinary)) WritePlainBinary(value, out.ExactBinary);
    DescribeTextForms(format, value, keys, out);
    const bool noncanonical = value.Class == ValueClass::Noncanonical;
    out.NextUp = noncanonical || !keys.Has(ReportKey::NextUp) ? std::nullopt : NextUp(format, value);
    out.NextDown = noncanonical || !keys.Has(ReportKey::NextDown) ? std::nullopt : NextDown(format, value);
    out.Error.reset();
    out.RelativeError.reset();
    out.ErrorTooLong = false;
    out.ErrorDigits.reset();
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
    DescribeStoredValue(format, DecodePattern(format, *read.Pattern), report.Formats[0], request.Keys);
}

// The error of one rounded finite value, written out; the typed magnitude is written on first need.
void WriteError(const TypedNumber& number, DecimalParts stored, std::string& typedMagnitude, FormatReport& out) {
    if (typedMagnitude.empty()) WriteTypedMagnitude(number, typedMagnitude);
    const std::string difference = MagnitudeDifference(typedMagnitude, stored);
    out.RelativeError = RelativeErrorText(difference, typedMagnitude);
    const std::int64_t digits = SignificantDigitCount(difference);
    if (digits > MaxExactDigits) {
        out.ErrorTooLong = true;
        out.ErrorDigits = digits;
        return;
    }
    WriteErrorText(difference, number.Negative, out.Error.emplace());
}

// The error of a typed value too long to write out (`far`): measured, and written only where it
// is short.
void DescribeError(const TypedNumber& number, bool far, const StoredValue& value, DecimalParts stored,
                   std::string& typedMagnitude, FormatReport& out) {
    if (!far) return WriteError(number, stored, typedMagnitude, out);
    FarErrorSize size = MeasureFarError(number, value, stored);
    if (!size.Digits || !size.Digits->Within(MaxExactDigits)) {
        out.ErrorTooLong = true;
        out.ErrorDigits = std::move(size.Digits);
        out.RelativeError = std::move(size.RelativeError);
    } else if (size.Error) {
        out.Error = std::move(size.Error);
        out.RelativeError = std::move(size.RelativeError);
    } else {
        WriteError(number, stored, typedMagnitude, out);
    }
}

// A format that cannot hold the typed NaN: its name and why, nothing of a value.
void DescribeRefusal(const FloatFormat& format, std::string message, FormatReport& out) {
    out = FormatReport{};
    out.Format = &format;
    out.Refusal = std::move(message);
}

// No format of the list holds the input: it is refused with the first format's message.
void RefuseWhole(const ReportRequest& request, InputReport& report) {
    report.Refusal = std::move(*report.Formats.front().Refusal);
    if (request.Formats.size() > 1) {
        report.Refusal.append("; leave ").append(request.Formats.front()->Name).append(" out of the list to see the others");
    }
    report.Formats.clear();
}

// Each format of the list from `round(format)`, its error measured against `number`, the exact
// value it was rounded from.
template <typename RoundInto>
void ReportRounded(const TypedNumber& number, const ReportRequest& request, InputReport& report, RoundInto round) {
    report.Formats.resize(request.Formats.size());
    std::string typedMagnitude;
    std::size_t refused = 0;
    const bool far = number.Type == TypedNumber::Kind::Finite && PlainDigitsExceed(number, MaxWrittenTypedDigits);
    for (std::size_t i = 0; i < request.Formats.size(); ++i) {
        const FloatFormat& format = *request.Formats[i];
        RoundedValue rounded = round(format);
        FormatReport& out = report.Formats[i];
        if (!rounded.Error.empty()) {  // a NaN this format cannot carry: refusing beats truncating it
            DescribeRefusal(format, std::move(rounded.Error), out);
            ++refused;
            continue;
        }
        DescribeStoredValue(format, rounded.Value, out, request.Keys);
        out.Flags = rounded.Flags;
        if (number.Type == TypedNumber::Kind::Finite && HasFiniteValue(rounded.Value) &&
            request.Keys.HasAny({ReportKey::Error, ReportKey::RelativeError})) {
            DescribeError(number, far, rounded.Value, PlainParts(out.Exact), typedMagnitude, out);
        }
    }
    if (refused > 0 && refused == request.Formats.size()) RefuseWhole(request, report);
}

void ReportNumber(const TypedNumber& number, const ReportRequest& request, InputReport& report) {
    ReportRounded(number, request, report,
                  [&](const FloatFormat& format) { return RoundToFormat(format, number, request.Mode); });
}

// A pattern of request.From rounded into each format of the list, as its exact value typed would
// be (a pattern with no value as "nan").
void ReportFromPattern(std::string_view input, const ReportRequest& request, InputReport& report) {
    const FloatFormat& source = *request.From;
    const PatternText read = ReadPatternText(source, input, request.BytesLe);
    if (!read.Pattern) {
        report.Refusal = read.Error;
        report.Formats.clear();
        return;
    }
    report.Refusal.clear();
    const StoredValue value = DecodePattern(source, *read.Pattern);
    const TypedNumber number = TypedFromStored(source, value);
    ReportRounded(number, request, report, [&](const FloatFormat& format) {
        return RoundStoredValue(source, value, format, request.Mode);
    });
}

}  // namespace

bool AnyRefusal(const InputReport& report) {
    if (!report.Refusal.empty()) return true;
    return std::any_of(report.Formats.begin(), report.Formats.end(),
                       [](const FormatReport& r) { return r.Refusal.has_value(); });
}

std::size_t LongTextLength(const InputReport& report) {
    std::size_t length = report.Refusal.size();
    for (const FormatReport& r : report.Formats) {
        length += r.Exact.size() + r.ExactBinary.size();
        if (r.Ulp) length += r.Ulp->size();
        if (r.Error) length += r.Error->size();
        if (r.Refusal) length += r.Refusal->size();
    }
    return length;
}

void BuildReport(std::string_view input, const ReportRequest& request, InputReport& report) {
    report.Refusal.clear();
    if (request.Pattern) {
        ReportPattern(input, request, report);
        return;
    }
    if (request.From) {
        ReportFromPattern(input, request, report);
        return;
    }
    ParseTypedNumber(input, report.Typed);
    if (!report.Typed.Number) {
        report.Refusal = report.Typed.Error;
        report.Formats.clear();
        return;
    }
    ReportNumber(*report.Typed.Number, request, report);
}

}  // namespace pexabit
