#pragma once
// Any bytes as a pattern of the every-format report (--pattern), of any format, in either byte
// order: the first byte picks the format and the order, the rest is the text. Properties: a text
// is refused with a message and no format, or read as one pattern whose class is the one its
// fields give (classified here from the raw bits); the report equals, key by key, the report of
// the pattern's canonical form written as plain hex and read back most significant byte first
// (for a pseudo-denormal, the value keys equal those of its canonical pattern).
// The everyday target takes the patterns of every format whose value lies within a few hundred
// binary places of the Double's range; the Huge one takes extended's and quad's far ones.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "format/CanonicalValue.h"
#include "report/FormatReport.h"
#include "report/PatternFields.h"
#include "report/PatternInput.h"

namespace pexabit::fuzz {

namespace pattern_check {

constexpr unsigned BytesLeFlag = 8;  // the bit of the first byte that asks for the bytes reversed

// The pattern as the format's count of hex digits, most significant first.
inline std::string PlainHex(const FloatFormat& f, Bits128 pattern) {
    std::string hex(static_cast<std::size_t>(f.HexDigits()), '0');
    for (auto i = hex.size(); i-- > 0; pattern >>= 4) hex[i] = "0123456789ABCDEF"[static_cast<unsigned>(pattern & 15)];
    return hex;
}

// The class the fields give, read from the raw bits by the IEEE 754 rules, OCP E4M3's and the
// x87's (whose integer bit must be set exactly when the exponent is not zero).
inline ValueClass ClassOfBits(const FloatFormat& f, Bits128 pattern) {
    const Bits128 fraction = pattern & ((Bits128{1} << f.FractionBits) - 1);
    const bool integerBit = f.StoredIntegerBit && ((pattern >> f.FractionBits) & 1) != 0;
    const int fieldShift = f.FractionBits + (f.StoredIntegerBit ? 1 : 0);
    const auto exponent = static_cast<int>((pattern >> fieldShift) & static_cast<unsigned>(f.AllOnesExponent));
    if (f.StoredIntegerBit && integerBit != (exponent != 0)) return ValueClass::Noncanonical;
    if (exponent == 0) return fraction == 0 ? ValueClass::Zero : ValueClass::Subnormal;
    if (exponent != f.AllOnesExponent) return ValueClass::Normal;
    if (!f.HasInfinities()) {
        return fraction == (Bits128{1} << f.FractionBits) - 1 ? ValueClass::QuietNan : ValueClass::Normal;
    }
    if (fraction == 0) return ValueClass::Infinite;
    const bool quiet = ((fraction >> (f.FractionBits - 1)) & 1) != 0;
    return quiet ? ValueClass::QuietNan : ValueClass::SignallingNan;
}

// The keys that describe the value rather than its bits.
inline bool SameValueKeys(const FormatReport& a, const FormatReport& b) {
    return a.Value.Negative == b.Value.Negative && a.Exact == b.Exact && a.ExactBinary == b.ExactBinary &&
           a.Shortest == b.Shortest && a.HexFloat == b.HexFloat && a.Ulp == b.Ulp;
}

inline bool SameKeys(const FormatReport& a, const FormatReport& b) {
    const auto value = [](const StoredValue& v) {
        return std::tie(v.Pattern, v.Negative, v.BiasedExponent, v.Significand, v.Exponent, v.Class);
    };
    return value(a.Value) == value(b.Value) && SameValueKeys(a, b) && a.NextUp == b.NextUp &&
           a.NextDown == b.NextDown && !a.Error && !b.Error && !a.Flags.Inexact && !a.Flags.Underflow &&
           !a.Flags.Overflow;
}

// The report of `text` into `report`, which keeps its storage from input to input as a stream's
// does: the exact texts of extended and quad (thousands of digits) are written over it.
inline const InputReport& Report(const FloatFormat& f, std::string_view text, bool bytesLe, InputReport& report) {
    BuildReport(text, ReportRequest{{&f}, RoundingMode::NearestEven, true, bytesLe}, report);
    return report;
}

// The weight of the last bit beyond which a finite pattern is the Huge target's: a few hundred
// places beyond the Double's range (2^-1074 to 2^1024), well within extended's and quad's
// (2^-16494 to 2^16384), whose far values have exact texts of thousands of digits and cost a
// report ten times an everyday one under the sanitizers.
inline constexpr int EverydayPatternExponent = 2200;

inline bool WithinEverydaySize(const FloatFormat& f, Bits128 pattern) {
    const StoredValue v = DecodePattern(f, pattern);
    return !HasFiniteValue(v) || (v.Exponent <= EverydayPatternExponent && v.Exponent >= -EverydayPatternExponent);
}

// One report slot per format, for the input and for its canonical form read back.
inline std::array<InputReport, AllFormats.size()> inputs, readBack;

}  // namespace pattern_check

inline void CheckEveryFormatPattern(const std::uint8_t* data, std::size_t size, InputSizes sizes) {
    using namespace pattern_check;
    if (size == 0) return;
    const std::size_t index = data[0] % AllFormats.size();
    const FloatFormat& f = *AllFormats[index];
    const bool bytesLe = (data[0] & BytesLeFlag) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const PatternText read = ReadPatternText(f, text, bytesLe);
    const bool everyday = !read.Pattern || WithinEverydaySize(f, *read.Pattern);
    if (!Takes(sizes, everyday)) return;
    const InputReport& report = Report(f, text, bytesLe, inputs[index]);
    if (!read.Pattern) {
        Require(report.Refusal == read.Error && !report.Refusal.empty() && report.Formats.empty(),
                "a text that is no pattern is refused with the reader's message", report.Refusal);
        return;
    }
    Require(report.Refusal.empty() && report.Formats.size() == 1, "a pattern has one format's report", report.Refusal);
    const FormatReport& r = report.Formats[0];
    Require(r.Value.Pattern == *read.Pattern && (f.TotalBits == 128 || (*read.Pattern >> f.TotalBits) == 0), "the report holds the pattern read");
    Require(r.Value.Class == ClassOfBits(f, r.Value.Pattern), "the class agrees with the fields", PlainHex(f, r.Value.Pattern));
    // The report gives a value to pseudo-denormals, not to unnormals (which x87s since the 80387
    // refuse), pseudo-infinities or pseudo-NaNs: those are compared with themselves read back.
    const auto canonical = HasFiniteValue(r.Value) ? CanonicalValue(f, r.Value) : std::nullopt;
    const Bits128 canonicalPattern = canonical ? canonical->Pattern : r.Value.Pattern;
    const InputReport& back = Report(f, PlainHex(f, canonicalPattern), false, readBack[index]);
    Require(back.Refusal.empty() && back.Formats.size() == 1, "the canonical form reads back", back.Refusal);
    const FormatReport& b = back.Formats[0];
    if (canonicalPattern == r.Value.Pattern) {
        Require(SameKeys(r, b), "the pattern's keys equal those of its plain hex read back", PlainHex(f, canonicalPattern));
    } else {
        Require(r.Value.Class == ValueClass::Noncanonical, "only a noncanonical pattern has another canonical form");
        Require(SameValueKeys(r, b), "a noncanonical pattern's value keys equal its canonical pattern's",
                PlainHex(f, r.Value.Pattern) + " vs " + PlainHex(f, canonicalPattern));
    }
}

}  // namespace pexabit::fuzz
