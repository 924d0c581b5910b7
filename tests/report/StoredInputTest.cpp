// The typed text of a stored value: it must give the same pattern back, in every class.
#include <gtest/gtest.h>

#include "report/StoredInput.h"

namespace pexabit {
namespace {

const struct {
    const char* Reason; const FloatFormat* Format; Bits128 Pattern;
    const char* Typed;  // nullptr: no text types the pattern
} Cases[] = {
    {"a finite value is its exact hex float, with its sign", &SingleFormat, 0xBDCCCCCD, "-0x1.99999ap-4"},
    {"an infinity", &HalfFormat, 0xFC00, "-inf"},
    {"a quiet NaN's payload is the bits below the quiet bit", &SingleFormat, 0x7FC00001, "nan(0x1)"},
    {"a signalling NaN keeps its kind, sign and payload", &DoubleFormat, 0xFFF000000000002A, "-snan(0x2a)"},
    {"e4m3's low bits are no payload", &E4M3Format, 0xFF, "-nan"},
    {"extended's integer bit is no payload", &ExtendedFormat, MakeBits128(0x7FFF, 0xC000000000000001), "nan(0x1)"},
    {"a pseudo-denormal has no text that types it back", &ExtendedFormat, MakeBits128(0, 0x8000000000000000), nullptr},
};

TEST(StoredInput, TypedTextGivesThePatternBack) {
    for (const auto& c : Cases) {
        const std::optional<std::string> typed = TypedTextOf(*c.Format, DecodePattern(*c.Format, c.Pattern));
        EXPECT_EQ(typed.value_or("(none)"), c.Typed ? c.Typed : "(none)") << c.Reason;
        InputReport report;
        BuildReport(typed.value_or(""), {{c.Format}}, report);
        EXPECT_TRUE(!typed || (report.Formats.size() == 1 && report.Formats[0].Value.Pattern == c.Pattern)) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
