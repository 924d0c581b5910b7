#pragma once
// Any text through the every-format report, in the rounding mode its first byte picks (the rest
// is the text). Properties: a text is either refused with a message, or every format that holds
// it (a NaN some format cannot hold is refused by that format alone) has the pattern
// and flags that MPFR and GMP give for the typed value (signed zeros, infinities, E4M3's NaN
// and NaN kinds by their rules), the exact text is the stored value, the error is the typed value
// minus it, and the JSON answer is one line. Far values (see IsFar) are checked against a stand-in.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "../tests/format/RoundingReference.h"
#include "FuzzSupport.h"
#include "GmpMemory.h"
#include "cli/FormatReportCommand.h"
#include "format/ExactDigitBound.h"
#include "format/TypedNumber.h"
#include "report/FarError.h"

namespace pexabit::fuzz {

inline constexpr int RoundingModes = 5;
// Typed values whose exact text needs more digits than about this are left to the unit tests and
// the timing runs: with the sanitizers their exact errors (and the references' rationals) take
// minutes, which the fuzzer would report as hangs.
inline constexpr std::int64_t FuzzedDigits = 100000;

// A bound on the digits of the typed value's exact text: a hex digit adds at most 5 of them
// (16 < 10^1.21, and a power of five for each fraction bit), a binary or decimal exponent one.
inline bool WithinFuzzedSize(const TypedNumber& n) {
    if (n.Type != TypedNumber::Kind::Finite) return true;
    const std::int64_t exponent = n.Exponent < 0 ? -n.Exponent : n.Exponent;
    const auto digits = static_cast<std::int64_t>(n.Digits.size()) * (n.Hex ? 5 : 1);
    return exponent <= FuzzedDigits && digits + exponent <= FuzzedDigits;
}

// Typed values whose plain digits pass MaxWrittenTypedDigits (1e-99999999999), which the report
// measures instead of writing out. GMP cannot hold them, but out there, beyond every format's
// range, each format rounds them as any value that far out on the same side: a stand-in of
// 10^+-FarStandInExponent with their sign is the reference for the value and the flags (their
// errors are the unit tests' part). Inputs between FuzzedDigits and this are left out.
inline constexpr long FarStandInExponent = 6000;

// A far hex float below one has about 0.7 |exponent| significant digits (2^-k = 5^k / 10^k);
// where they fit MaxExactDigits and it rounds to zero, the report writes its error of millions of
// digits out after all, which takes minutes with the sanitizers (0x1p-5506082 to nearest): such
// inputs are left out with the others. Beyond this exponent they exceed MaxExactDigits.
inline constexpr std::int64_t FarHexWrittenExponent = 6100000;  // > MaxExactDigits / log10(5)

inline bool IsFar(const TypedNumber& n) {
    if (n.Type != TypedNumber::Kind::Finite || !PlainDigitsExceed(n, MaxWrittenTypedDigits)) return false;
    return !n.Hex || n.FarExponent || n.Exponent >= 0 || -n.Exponent > FarHexWrittenExponent;
}

// The stand-in, or nullopt when the value is not that far out (long digits, a moderate exponent).
inline std::optional<mpq_class> FarStandIn(const TypedNumber& n) {
    // The order of magnitude: the exponent plus the digits' own, in decimal or binary places.
    const auto digits = static_cast<std::int64_t>(n.Digits.size()) * (n.Hex ? 4 : 1);
    const std::int64_t order = n.Exponent + digits;
    const std::int64_t beyond = n.Hex ? 4 * FarStandInExponent : FarStandInExponent;
    if (order < beyond + digits && order > -beyond) return std::nullopt;
    const mpq_class magnitude = testing::PowerOfTen(order > 0 ? FarStandInExponent : -FarStandInExponent);
    return n.Negative ? mpq_class(-magnitude) : magnitude;
}

// The typed finite value as a rational, from the parsed digits and exponent.
inline mpq_class TypedValue(const TypedNumber& n) {
    const mpq_class digits(mpz_class(n.Digits.empty() ? "0" : n.Digits, n.Hex ? 16 : 10));
    const mpq_class value = digits * (n.Hex ? testing::PowerOfTwo(n.Exponent) : testing::PowerOfTen(n.Exponent));
    return n.Negative ? mpq_class(-value) : value;
}

inline mpq_class StoredRational(const StoredValue& v) {
    mpz_class significand;
    const auto low = static_cast<std::uint64_t>(v.Significand), high = static_cast<std::uint64_t>(v.Significand >> 64);
    significand = (mpz_class(static_cast<unsigned long>(high)) << 64) + static_cast<unsigned long>(low);
    const mpq_class value = mpq_class(significand) * testing::PowerOfTwo(v.Exponent);
    return v.Negative ? mpq_class(-value) : value;
}

// What the typed zeros and infinities give without rounding, in the references' notation.
inline std::string SpecialExpected(const FloatFormat& f, const TypedNumber& n) {
    const std::string sign = n.Negative ? "-" : "+";
    if (n.Type == TypedNumber::Kind::Finite) return sign + "0" + testing::FlagsText(false, false, false);
    if (f.HasInfinities()) return sign + "inf" + testing::FlagsText(false, false, false);
    return sign + "nan" + testing::FlagsText(true, false, true);  // E4M3: its NaN, as an overflow
}

// `typed` is the typed value, computed once for every format of the report, or a far value's
// stand-in (`far`), whose error is not checked.
inline void CheckFormat(const TypedNumber& n, const mpq_class& typed, bool far, const FormatReport& r, RoundingMode mode) {
    const FloatFormat& f = *r.Format;
    const std::string actual = testing::ActualRounding(f, RoundedValue{r.Value, r.Flags, ""});
    if (n.Type == TypedNumber::Kind::Nan) {
        Require(r.Value.Class == (n.Signalling ? ValueClass::SignallingNan : ValueClass::QuietNan) || !f.HasInfinities(),
                "a typed NaN gives a NaN of its kind", actual);
        return;
    }
    const bool zero = n.Type == TypedNumber::Kind::Finite && n.Digits.empty();
    const std::string expected = n.Type == TypedNumber::Kind::Finite && !zero
                                     ? testing::ExpectedRounding(f, typed, mode)
                                     : SpecialExpected(f, n);
    if (actual != expected) {  // the message only for a failure: four strings per format otherwise
        Require(false, "the value and flags are the references'", std::string(f.Name) + " " + actual + " vs " + expected);
    }
    if (!r.Error) return;
    const mpq_class stored = StoredRational(r.Value);
    Require(testing::ReadPlain(r.Exact) == stored, "the exact text is the stored value", r.Exact);
    Require(far || testing::ReadPlain(*r.Error) == typed - stored, "the error is typed minus stored", *r.Error);
}

inline void CheckFormatReport(const std::uint8_t* data, std::size_t size, InputSizes sizes) {
    if (size == 0) return;
    const auto mode = static_cast<RoundingMode>(data[0] % RoundingModes);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const ParsedText parsed = ParseTypedNumber(text);
    const bool far = parsed.Number && !WithinFuzzedSize(*parsed.Number) && IsFar(*parsed.Number);
    if (parsed.Number && !WithinFuzzedSize(*parsed.Number) && !far) return;
    const std::optional<mpq_class> standIn = far ? FarStandIn(*parsed.Number) : std::nullopt;
    if (far && !standIn) return;
    const bool everyday = !parsed.Number || WithinEverydaySize(*parsed.Number);
    if (!Takes(sizes, everyday)) return;
    const ReportRequest request{{AllFormats.begin(), AllFormats.end()}, mode, false, false};
    // The everyday target makes a report for each input: one kept from input to input (as the
    // command line's stream keeps it, which CommandLineFuzz runs) leaves some inputs with more
    // mallocs than frees, and libFuzzer runs each of those again to look for a leak, which cost
    // it a third of its runs. The Huge one keeps it: there the exact texts of extended's and
    // quad's tiny and huge values (thousands of digits) are written over the kept storage.
    static InputReport kept;
    InputReport fresh;
    InputReport& report = sizes == InputSizes::Huge ? kept : fresh;
    BuildReport(text, request, report);
    std::string json;
    AppendFormatReportJson(json, text, request, report);
    Require(!json.empty() && json.find('\n') == json.size() - 1, "the JSON answer is one line", std::string_view(json).substr(0, 200));
    Require(parsed.Number.has_value() || !report.Refusal.empty(), "a text the parser refuses is refused", report.Refusal);
    if (!report.Refusal.empty()) {
        Require(report.Formats.empty(), "a refusal has no formats");
        for (const FloatFormat* f : AllFormats) {
            Require(!parsed.Number || !RoundToFormat(*f, *parsed.Number, mode).Error.empty(),
                    "a number is refused whole only when no format holds it", f->Name);
        }
        return;
    }
    Require(report.Formats.size() == AllFormats.size(), "a report has every format");
    const TypedNumber& n = *parsed.Number;
    const mpq_class typed = far ? *standIn : n.Type == TypedNumber::Kind::Finite ? TypedValue(n) : mpq_class(0);
    for (const FormatReport& r : report.Formats) {
        if (r.Refusal) {  // a NaN this format cannot hold, in the rounding's own words
            Require(*r.Refusal == RoundToFormat(*r.Format, *parsed.Number, mode).Error,
                    "a format refuses as its rounding does", *r.Refusal);
            continue;
        }
        CheckFormat(n, typed, far, r, mode);
    }
}

}  // namespace pexabit::fuzz
