// Placeholders for the parser, the rounding and the text forms until their branches are merged:
// just enough to drive the report (a decimal read as a double, then cut to the format).
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <string>

#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Rounding.h"
#include "format/Shortest.h"

namespace pexabit {

std::optional<RoundingMode> FindRoundingMode(std::string_view name) {
    if (name == "nearest-even") return RoundingMode::NearestEven;
    if (name == "nearest-away") return RoundingMode::NearestAway;
    if (name == "toward-zero") return RoundingMode::TowardZero;
    if (name == "up") return RoundingMode::Up;
    if (name == "down") return RoundingMode::Down;
    return std::nullopt;
}

std::string_view RoundingModeName(RoundingMode mode) {
    constexpr std::string_view Names[] = {"nearest-even", "nearest-away", "toward-zero", "up", "down"};
    return Names[static_cast<int>(mode)];
}

ParsedText ParseTypedNumber(std::string_view text) {
    ParsedText r;
    TypedNumber n;
    std::string s(text);
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        n.Negative = s[0] == '-';
        s.erase(0, 1);
    }
    if (s == "inf") { n.Type = TypedNumber::Kind::Infinity; r.Number = n; return r; }
    if (s == "nan" || s == "snan") {
        n.Type = TypedNumber::Kind::Nan;
        n.Signalling = s == "snan";
        r.Number = n;
        return r;
    }
    std::size_t i = 0;
    bool dot = false, digit = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digit = true;
            if (!(n.Digits.empty() && s[i] == '0')) n.Digits += s[i];
            if (dot) --n.Exponent;
        } else if (s[i] == '.' && !dot) {
            dot = true;
        } else {
            break;
        }
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        long long e = 0;
        const auto res = std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), e);
        if (res.ptr != s.data() + s.size()) i = 0; else { n.Exponent += e; i = s.size(); }
    }
    if (!digit || i != s.size()) { r.Error = "not a number"; return r; }
    r.Number = n;
    return r;
}

RoundedValue RoundToFormat(const FloatFormat& format, const TypedNumber& number, RoundingMode) {
    RoundedValue r;
    const Bits128 signBit = Bits128{number.Negative ? 1U : 0U} << (format.TotalBits - 1);
    const Bits128 infinity = ComposePattern(format, false, format.AllOnesExponent, true, 0);
    if (number.Type != TypedNumber::Kind::Finite) {
        const Bits128 nan = format.HasInfinities() ? QuietBit(format) : LowBits(format.FractionBits);
        r.Value = DecodePattern(format, signBit | (number.Type == TypedNumber::Kind::Nan ? infinity | nan : infinity));
        return r;
    }
    const std::string text = (number.Digits.empty() ? "0" : number.Digits) + "e" + std::to_string(number.Exponent);
    const double d = std::strtod(text.c_str(), nullptr);
    int e = 0;
    const double m = std::frexp(d, &e);  // d = m * 2^e, m in [0.5, 1)
    int q = std::max(e - format.Precision(), format.MinQuantumExponent());
    double scaled = std::nearbyint(std::ldexp(m, e - q));
    if (scaled >= std::ldexp(1.0, format.Precision())) { scaled /= 2; ++q; }
    const auto sig = static_cast<Bits128>(scaled);
    r.Flags.Inexact = std::ldexp(scaled, q) != d;
    if (q > format.MaxExponent() - format.FractionBits || std::isinf(d)) {
        r.Value = DecodePattern(format, signBit | infinity);
        r.Flags.Overflow = r.Flags.Inexact = true;
        return r;
    }
    r.Value = FromSignificand(format, number.Negative, sig, q);
    return r;
}

std::optional<std::string> ShortestText(const FloatFormat& format, const StoredValue& value) {
    if (format.Name != "double" || value.Class == ValueClass::QuietNan || value.Class == ValueClass::SignallingNan) return std::nullopt;
    const double d = std::ldexp(static_cast<double>(value.Significand), value.Exponent) * (value.Negative ? -1 : 1);
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + 64, d).ptr);
}

std::optional<std::string> HexFloatText(const FloatFormat&, const StoredValue&) { return std::nullopt; }
std::optional<Bits128> NextUp(const FloatFormat&, const StoredValue&) { return std::nullopt; }
std::optional<Bits128> NextDown(const FloatFormat&, const StoredValue&) { return std::nullopt; }
std::optional<int> UlpExponent(const FloatFormat& format, const StoredValue& value) {
    if (value.Class == ValueClass::Infinite || value.Class == ValueClass::QuietNan ||
        value.Class == ValueClass::SignallingNan) return std::nullopt;
    return value.Exponent > format.MinQuantumExponent() ? value.Exponent : format.MinQuantumExponent();
}

}  // namespace pexabit
