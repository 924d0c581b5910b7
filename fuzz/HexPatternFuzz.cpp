// The two hex inputs: the checks of a typed pattern and its decoding. The first byte picks the
// format, the rest is the typed text. Properties: only 8 (16) hex digits pass; a finite
// pattern's exact text is GMP's value of the pattern and converts back to the same pattern; an
// all-ones exponent is named "+Infinity", "-Infinity" or "NANs" by its sign and mantissa.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "../tests/support/GmpReference.h"
#include "FuzzSupport.h"
#include "decode/HexDecoding.h"
#include "encode/ConvertReport.h"

namespace {

using namespace pexabit;
using fuzz::Require;

struct Layout {
    std::size_t Digits;  // 8 or 16
    int FractionBits;    // 23 or 52
    int ExponentBits;    // 8 or 11
};

bool IsPlainPattern(std::string_view text, std::size_t digits) {
    if (text.size() != digits) return false;
    for (char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return false;
    }
    return true;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

const std::string& ValueText(const ConversionState& s, PatternFormat format) {
    return format == PatternFormat::Single ? s.SingleExact : s.DoubleExact;
}

void CheckSpecial(const ConversionState& s, PatternFormat format, std::uint64_t pattern, const Layout& l) {
    const bool negative = (pattern >> (l.Digits * 4 - 1)) != 0;
    const bool nan = (pattern & ((std::uint64_t{1} << l.FractionBits) - 1)) != 0;
    const char* name = nan ? "NANs" : negative ? "-Infinity" : "+Infinity";
    Require(ValueText(s, format) == name, "a special pattern is named by sign and mantissa",
            ValueText(s, format));
}

void CheckFinite(const DecodeOutcome& outcome, PatternFormat format, std::uint64_t pattern,
                 const Layout& l, const std::string& typed) {
    const bool negative = (pattern >> (l.Digits * 4 - 1)) != 0;
    const mpq_class value = fuzz::PatternValue(pattern, l.FractionBits, l.ExponentBits);
    Require(outcome.ExactText == testing::ToDecimalString(value, negative ? '-' : '+'),
            "the exact text is the pattern's value", outcome.ExactText);
    ConversionState converted;
    const ConvertOutcome again = ConvertDecimal(converted, outcome.ExactText, ViewChoice{}, ".", nullptr);
    Require(again.Accepted, "the exact text is accepted as typed text");
    const std::string& hex = format == PatternFormat::Single ? converted.SingleHex : converted.DoubleHex;
    Require(hex == UpperCase(typed), "the exact text converts back to the typed pattern", hex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const PatternFormat format = (data[0] & 1U) != 0 ? PatternFormat::Double : PatternFormat::Single;
    const Layout layout = format == PatternFormat::Single ? Layout{8, 23, 8} : Layout{16, 52, 11};
    const std::string typed(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto rejection = CheckHexPattern(format, typed);
    Require(rejection.has_value() != IsPlainPattern(typed, layout.Digits),
            "exactly the texts of 8 (16) hex digits pass", typed);
    if (rejection) {
        Require(!rejection->Message.empty(), "a refusal says why");
        return 0;
    }
    const std::uint64_t pattern = std::stoull(typed, nullptr, 16);
    ConversionState state;
    const DecodeOutcome outcome = DecodeHexPattern(state, format, typed);
    const std::uint64_t exponentMask = (std::uint64_t{1} << layout.ExponentBits) - 1;
    const bool allOnes = ((pattern >> layout.FractionBits) & exponentMask) == exponentMask;
    Require(outcome.Special == allOnes, "exactly the all-ones exponent is special", typed);
    if (outcome.Special) CheckSpecial(state, format, pattern, layout);
    else CheckFinite(outcome, format, pattern, layout, typed);
    return 0;
}
