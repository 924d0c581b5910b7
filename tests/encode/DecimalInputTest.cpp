// The character check and the canonical text: the worked examples, the infinity sign counted as
// one character, the exponent's own reading, exponents beyond 16 bits and the length bound.

#include <gtest/gtest.h>

#include "encode/DecimalInput.h"

namespace pexabit {
namespace {

TEST(NormaliseDecimal, WorkedExamples) {
    const struct {
        const char* Typed;  // "." already replaced by ","
        const char* Canonical;
        const char* Reason;
    } cases[] = {
        {"12,5", "+12,5", "sign put in front"},
        {"-0,1", "-0,1", "typed sign kept"},
        {"007", "+007", "leading zeros kept"},
        {"1,50", "+1,50", "trailing zeros kept"},
        {"", "+", "empty text is the sign alone"},
        {"1e3", "+1000", "positive exponent pads zeros"},
        {"1E+3", "+1000", "upper-case E and a signed exponent"},
        {"1,5e3", "+1500", "fraction shorter than the exponent"},
        {"1,25e2", "+125", "fraction exactly as long as the exponent: no comma left"},
        {"1,2345e2", "+123,45", "fraction longer than the exponent: comma moves"},
        {"0,001e3", "+0001", "zeros of the fraction move into the integer part"},
        {"123,45e-5", "+0,0012345", "comma moves in front of all integer digits, zeros fill"},
        {"123,45e-1", "+12,345", "comma moves inside the integer digits"},
        {"2,5e-1", "+0,25", "one integer digit, shift by one"},
        {"-3,75E1", "-37,5", "negative number, positive exponent"},
        {"15e-3", "+0,015", "no comma, shift beyond the digits"},
        {"15e-2", "+0,15", "no comma, shift exactly by the digits"},
        {"1234e-2", "+12,34", "no comma, shift inside the digits"},
        {"100e-2", "+1,00", "trailing zeros stay after the shift"},
        {"1,5e0", "+1,5", "exponent zero changes nothing"},
        {"1,e2", "+100", "empty fraction"},
        {"5e", "+5", "empty exponent reads 0"},
        {"e5", "+00000", "nothing before the exponent"},
        {",5", "+,5", "no integer digits, no exponent: kept as typed"},
        {",5e-1", "+0,05", "no integer digits, negative exponent"},
        {"1e2,5", "+100", "exponent reading stops at the comma"},
        {"1,2,3", "+1,2,3", "the last comma is the separator"},
        {"+5", "+5", "typed plus kept"},
        // The infinity sign is carried like a digit, and counts as one character.
        {"∞", "+∞", "the infinity sign alone"},
        {"12∞e-1", "+12,∞", "when the comma moves"},
        {"∞e-2", "+0,0∞", "when counting the digits before the shift"},
        // The exponent text is read with an exponent of its own, rounded half to even.
        {"1e+", "+1", "a sign without digits reads 0"},
        {"1e25e-1", "+100", "2,5 ties to even: down"},
        {"1e35e-1", "+10000", "3,5 ties to even: up"},
        {"1e5e-1", "+1", "0,5 ties to even: zero"},
        {"1e51e-2", "+10", "0,51 rounds up"},
        {"1e-15e-1", "+0,01", "negative tie to even"},
        {"1e1e-99999999999999999999", "+1", "a tiny exponent of the exponent reads 0"},
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
        {"1e2e3", "+1" + std::string(2000, '0'), "the exponent has an exponent of its own"},
        {"1e40000", "+1" + std::string(40000, '0'), "exponent beyond 16 bits: the typed value"},
        {"1e-32769", "+0," + std::string(32768, '0') + "1", "just beyond the 16-bit range"},
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

TEST(CheckDecimalText, AcceptsOnlyTheAlphabet) {
    const struct {
        const char* Text;
        bool Accepted;
        const char* Reason;
    } cases[] = {
        {"", true, "the empty text passes"},
        {"0123456789+-,.eE", true, "digits, signs, separators, exponent letters"},
        {"1+2--", true, "no rule on positions or counts"},
        {"-∞e∞", true, "the infinity sign anywhere"},
        {"1 2", false, "a blank"},
        {" 1", false, "a leading blank: no trimming"},
        {"1\t", false, "a tab"},
        {"1\r\n2", false, "a text of two lines"},
        {"\xE2\x88", false, "the infinity sign cut short"},
        {"\xFF", false, "not UTF-8"},
        {"\xE2\x88\x9F", false, "the character after the infinity sign"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckDecimalText(c.Text), c.Accepted) << c.Reason;
}

}  // namespace
}  // namespace pexabit
