// The canonical text: the comma moved, the infinity sign counted as one character, the
// exponent's own reading, exponents beyond 16 bits and the length bound that the window checks
// before its busy state.

#include <gtest/gtest.h>

#include "encode/DecimalInput.h"

namespace pexabit {
namespace {

// The rules where positions are easy to get wrong; the output guard holds the worked examples
// and every other form.
TEST(NormaliseDecimal, CommaMovesAndCharacterCounts) {
    const struct {
        const char* Typed;  // "." already replaced by ","
        const char* Canonical;
        const char* Reason;
    } cases[] = {
        {"1,25e2", "+125", "fraction exactly as long as the exponent: no comma left"},
        {"15e-2", "+0,15", "no comma, shift exactly by the digits"},
        {"1234e-2", "+12,34", "no comma, shift inside the digits"},
        {"1,2,3", "+1,2,3", "the last comma is the separator"},
        {"12∞e-1", "+12,∞", "the infinity sign counts as one character when the comma moves"},
        {"∞e-2", "+0,0∞", "and when counting the digits before the shift"},
        {"1e25e-1", "+100", "the exponent's own exponent: 2,5 ties to even, down"},
        {"1e35e-1", "+10000", "3,5 ties to even, up"},
        {"1e-15e-1", "+0,01", "a negative tie to even"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseDecimal(c.Typed).value_or("refused"), c.Canonical) << c.Reason;
}

// Long results are compared without printing them; FitsCanonicalLength, which the window asks
// before its busy state, must answer as the conversion does.
TEST(NormaliseDecimal, LongTextsAndTheLengthBound) {
    const std::string digits(1000000, '7');
    const std::size_t bound = static_cast<std::size_t>(MaxCanonicalLength);
    const struct {
        std::string Typed;
        std::optional<std::string> Canonical;
        const char* Reason;
    } cases[] = {
        {digits + "e-3", std::string("+").append(digits, 3).append(",777"), "a megabyte of typed digits"},
        {"1e" + std::to_string(bound - 2), "+1" + std::string(bound - 2, '0'), "exactly at the bound"},
        {"1,5e" + std::to_string(bound - 2), "+15" + std::string(bound - 3, '0'), "at the bound, comma moved"},
        {"1e" + std::to_string(bound - 1), std::nullopt, "one character beyond the bound"},
        {"1e-99999999999999999999999", std::nullopt, "saturated exponent, not wrapped round"},
        {"1e1e99999999999999999999", std::nullopt, "a huge exponent of the exponent saturates"},
        {"0e99999999", std::nullopt, "zeros count as well"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> canonical = NormaliseDecimal(c.Typed);
        EXPECT_TRUE(canonical == c.Canonical) << c.Reason;
        EXPECT_EQ(FitsCanonicalLength(c.Typed), c.Canonical.has_value()) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
