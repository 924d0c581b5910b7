// The two hex inputs: the checks of a typed pattern and its decoding. The first byte picks the
// format, the rest is the typed text. Properties: only 8 (16) hex digits pass; a finite
// pattern's report starts from GMP's value of the pattern and equals the report of that value
// typed in; an all-ones exponent is named "+Infinity", "-Infinity" or "NANs" by its sign and
// mantissa.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "../tests/support/GmpReference.h"
#include "FuzzSupport.h"
#include "window_report/ConvertReport.h"
#include "window_report/HexDecoding.h"

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

void CheckSpecial(const ConversionState& s, PatternFormat format, std::uint64_t pattern, const Layout& l) {
    const bool negative = (pattern >> (l.Digits * 4 - 1)) != 0;
    const bool nan = (pattern & ((std::uint64_t{1} << l.FractionBits) - 1)) != 0;
    const char* name = nan ? "NANs" : negative ? "-Infinity" : "+Infinity";
    Require(s.Part(format).Texts.Exact == name, "a special pattern is named by sign and mantissa",
            s.Part(format).Texts.Exact);
}

// The exact value is GMP's value of the pattern, and typing it in gives the pattern back.
void CheckFinite(const ConversionState& s, PatternFormat format, std::uint64_t pattern, const Layout& l) {
    const bool negative = (pattern >> (l.Digits * 4 - 1)) != 0;
    const mpq_class value = fuzz::PatternValue(pattern, l.FractionBits, l.ExponentBits);
    Require(s.OriginalNumber == testing::ToDecimalString(value, negative ? '-' : '+'),
            "the original number is the pattern's value", s.OriginalNumber);
    Require(s.Part(format).Stored.Pattern == pattern, "the decoded format keeps its pattern");
    ConversionState typed;
    ConvertResult again;
    ConvertText(typed, s.OriginalNumber, {}, again);
    Require(again.Kind == Outcome::Converted, "the exact text is accepted as typed text");
    Require(fuzz::SameState(typed, s), "the exact text typed in gives the same report as the pattern");
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
    Require(ReadHexPattern(typed) == pattern, "the digits give the pattern", typed);
    const std::uint64_t exponentMask = (std::uint64_t{1} << layout.ExponentBits) - 1;
    const bool allOnes = ((pattern >> layout.FractionBits) & exponentMask) == exponentMask;
    Require(IsSpecialPattern(format, pattern) == allOnes, "exactly the all-ones exponent is special", typed);
    ConversionState state;
    ConvertResult result;
    if (allOnes) {
        DecodeSpecialPattern(state, format, pattern, result);
        CheckSpecial(state, format, pattern, layout);
    } else {
        ConvertPattern(state, format, pattern, {}, result);
        CheckFinite(state, format, pattern, layout);
    }
    return 0;
}
