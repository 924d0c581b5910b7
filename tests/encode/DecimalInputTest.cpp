// The canonical text at the length bound that the window checks before its busy state. The
// output guard holds every other form (the comma moved, the infinity sign counted as one
// character, the exponent's own exponent and its ties) and these texts' conversions.

#include <gtest/gtest.h>

#include "encode/DecimalInput.h"

namespace pexabit {
namespace {

// Long results are compared without printing them; FitsCanonicalLength, which the window asks
// before its busy state, must answer as the conversion does.
TEST(NormaliseDecimal, LongTextsAndTheLengthBound) {
    const std::size_t bound = static_cast<std::size_t>(MaxCanonicalLength);
    const struct {
        std::string Typed;
        std::optional<std::string> Canonical;
        const char* Reason;
    } cases[] = {
        {"1e" + std::to_string(bound - 2), "+1" + std::string(bound - 2, '0'), "exactly at the bound"},
        {"1e" + std::to_string(bound - 1), std::nullopt, "one character beyond the bound"},
        {"1," + std::string(bound - 3, '5') + "e1", "+15," + std::string(bound - 4, '5'),
         "a fraction longer than the exponent, exactly at the bound"},
        {"1," + std::string(bound - 2, '5') + "e1", std::nullopt, "the same, one beyond"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> canonical = NormaliseDecimal(c.Typed);
        EXPECT_TRUE(canonical == c.Canonical) << c.Reason;
        EXPECT_EQ(FitsCanonicalLength(c.Typed), c.Canonical.has_value()) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
