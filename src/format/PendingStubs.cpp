// Placeholders for the text forms and the neighbours until their branch is merged.
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <string>

#include "format/HexFloat.h"
#include "format/Neighbours.h"
#include "format/Shortest.h"

namespace pexabit {

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
