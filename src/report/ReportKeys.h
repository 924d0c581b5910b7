#pragma once
// The keys of one format in the every-format report, in the report's order, and a choice of
// them: what a reader asks to see, and so what the report computes. The names are the JSON
// keys; the readable report shows the lines that hold the chosen keys.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace pexabit {

// In the order of a format's JSON object. `format` is always shown; error_digits goes with error.
enum class ReportKey : std::uint8_t {
    Format, Pattern, BytesLe, Sign, BiasedExponent, Exponent, IntegerBit, FractionHex, FractionBits,
    Class, Exact, ExactBinary, Shortest, HexFloat, NextUp, NextDown, Ulp, Error, RelativeError,
    Inexact, Underflow, Overflow, NanPayload,
};
inline constexpr std::size_t ReportKeyCount = static_cast<std::size_t>(ReportKey::NanPayload) + 1;

// The JSON name of each key, in ReportKey's order.
inline constexpr std::array<std::string_view, ReportKeyCount> ReportKeyNames = {
    "format", "pattern", "bytes_le", "sign", "biased_exponent", "exponent", "integer_bit", "fraction_hex",
    "fraction_bits", "class", "exact", "exact_binary", "shortest", "hexfloat", "next_up", "next_down", "ulp",
    "error", "relative_error", "inexact", "underflow", "overflow", "nan_payload",
};

inline std::string_view ReportKeyName(ReportKey key) { return ReportKeyNames[static_cast<std::size_t>(key)]; }

// A set of keys; every key unless built otherwise. ReportKeys::Only({}) holds `format` alone.
class ReportKeys {
public:
    ReportKeys() = default;
    static ReportKeys Only(std::initializer_list<ReportKey> keys) {
        ReportKeys chosen(Bit(ReportKey::Format));
        for (ReportKey key : keys) chosen.Add(key);
        return chosen;
    }
    bool Has(ReportKey key) const { return (bits_ & Bit(key)) != 0; }
    bool HasAny(std::initializer_list<ReportKey> keys) const {
        for (ReportKey key : keys) if (Has(key)) return true;
        return false;
    }
    void Add(ReportKey key) { bits_ |= Bit(key); }

private:
    static constexpr std::uint32_t AllBits = (std::uint32_t{1} << ReportKeyCount) - 1;
    static constexpr std::uint32_t Bit(ReportKey key) { return std::uint32_t{1} << static_cast<unsigned>(key); }
    explicit ReportKeys(std::uint32_t bits) : bits_(bits) {}
    std::uint32_t bits_ = AllBits;
};

// The key of a JSON name, exactly as written ("next_up"); nullopt for any other text.
std::optional<ReportKey> FindReportKey(std::string_view name);

// Every key's name in the report's order, comma-separated: "format, pattern, bytes_le, ...".
std::string ReportKeyList();

}  // namespace pexabit
