// The character check and the canonical text: the worked examples, the infinity sign counted as
// one character, exponents beyond 16 bits and the length bound.

#include <gtest/gtest.h>

#include "encode/DecimalInput.h"

namespace pexabit {
namespace {

struct NormaliseCase {
    const char* Typed;  // "." already replaced by ","
    const char* Canonical;
    const char* Reason;
};

class NormaliseDecimalTest : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseDecimalTest, GivesCanonicalText) {
    const NormaliseCase& c = GetParam();
    const auto result = NormaliseDecimal(c.Typed);
    ASSERT_TRUE(result.has_value()) << c.Reason;
    EXPECT_EQ(*result, c.Canonical) << c.Reason;
}

const NormaliseCase WorkedExamples[] = {
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
    {"-0", "-0", "negative zero keeps its sign"},
    {"+5", "+5", "typed plus kept"},
    {"e", "+", "the letter alone"},
};
INSTANTIATE_TEST_SUITE_P(WorkedExamples, NormaliseDecimalTest,
                         ::testing::ValuesIn(WorkedExamples));

const NormaliseCase InfinityCases[] = {
    {"∞", "+∞", "the infinity sign is carried like a digit"},
    {"-∞", "-∞", "with its typed sign"},
    {"12∞e-1", "+12,∞", "the sign is one character when the comma moves"},
    {"∞e-2", "+0,0∞", "one character when counting the digits before the shift"},
    {"1,∞5e1", "+1∞,5", "one character inside the fraction"},
};
INSTANTIATE_TEST_SUITE_P(Infinity, NormaliseDecimalTest, ::testing::ValuesIn(InfinityCases));

TEST(NormaliseDecimal, ExponentOfExponent) {
    // The exponent text is read as a number with an exponent of its own: 2e3 is 2000.
    EXPECT_EQ(*NormaliseDecimal("1e2e3"), "+1" + std::string(2000, '0'));
}

TEST(NormaliseDecimal, ExponentsBeyondSixteenBitsGiveTheTypedValue) {
    EXPECT_EQ(*NormaliseDecimal("1e40000"), "+1" + std::string(40000, '0'));
    EXPECT_EQ(*NormaliseDecimal("-1e-40000"), "-0," + std::string(39999, '0') + "1");
    EXPECT_EQ(*NormaliseDecimal("1e-32769"), "+0," + std::string(32768, '0') + "1");
}

TEST(NormaliseDecimal, CanonicalLengthBound) {
    // "+1" and MaxCanonicalLength - 2 zeros is exactly at the bound; one more zero is refused.
    const auto atBound = NormaliseDecimal("1e" + std::to_string(MaxCanonicalLength - 2));
    ASSERT_TRUE(atBound.has_value());
    EXPECT_EQ(static_cast<std::int64_t>(atBound->size()), MaxCanonicalLength);
    EXPECT_FALSE(NormaliseDecimal("1e" + std::to_string(MaxCanonicalLength - 1)).has_value());
    EXPECT_FALSE(NormaliseDecimal("1e-99999999999999999999999").has_value()) << "saturated exponent";
    EXPECT_FALSE(NormaliseDecimal("0e99999999").has_value()) << "zeros count as well";
    // The window asks before its busy state; the answer must match the conversion's.
    for (const std::string text : {"1e4194302", "1e4194303", "1.5e4194302", "0e99999999", "∞e-9"}) {
        EXPECT_EQ(FitsCanonicalLength(text), NormaliseDecimal(text).has_value()) << text;
    }
}

TEST(NormaliseDecimal, LongTypedTextsWork) {
    const std::string digits(1000000, '7');
    std::string expected(1, '+');
    expected.append(digits, 0, digits.size() - 3);
    expected += ",777";
    EXPECT_EQ(*NormaliseDecimal(digits + "e-3"), expected);
}

struct ExponentCase {
    const char* Text;
    std::int64_t Value;
    const char* Reason;
};

class ReadExponentTextTest : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(ReadExponentTextTest, ReadsRoundedValue) {
    EXPECT_EQ(ReadExponentText(GetParam().Text), GetParam().Value) << GetParam().Reason;
}

const ExponentCase ExponentCases[] = {
    {"", 0, "empty reads 0"},
    {"+", 0, "a sign without digits reads 0"},
    {"-3", -3, "negative"},
    {"2,5", 2, "a comma stops the reading"},
    {"2e3", 2000, "an exponent of its own"},
    {"2e", 2, "an e without digits is not read"},
    {"25e-1", 2, "2.5 ties to even: down"},
    {"35e-1", 4, "3.5 ties to even: up"},
    {"5e-1", 0, "0.5 ties to even: zero"},
    {"51e-2", 1, "0.51 rounds up"},
    {"49e-2", 0, "0.49 rounds down"},
    {"251e-2", 3, "2.51: above the tie"},
    {"-15e-1", -2, "negative tie to even"},
    {"99999999999999999999999", 1000000000000000000, "saturates at 10^18"},
    {"1e99999999999999999999", 1000000000000000000, "huge inner exponent saturates"},
    {"1e-99999999999999999999", 0, "tiny reads 0"},
    {"e5", 0, "no digits before the inner exponent"},
};
INSTANTIATE_TEST_SUITE_P(Exponents, ReadExponentTextTest, ::testing::ValuesIn(ExponentCases));

struct CheckCase {
    const char* Text;
    bool Accepted;
    const char* Reason;
};

class CheckDecimalTextTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckDecimalTextTest, AcceptsOnlyTheAlphabet) {
    EXPECT_EQ(CheckDecimalText(GetParam().Text), GetParam().Accepted) << GetParam().Reason;
}

const CheckCase CheckCases[] = {
    {"", true, "the empty text passes"},
    {"0123456789", true, "digits"},
    {"+-,.eE", true, "signs, separators, exponent letters in any order"},
    {"1+2", true, "no rule on positions"},
    {"--", true, "no rule on counts"},
    {"∞", true, "the infinity sign"},
    {"-∞e∞", true, "the infinity sign anywhere"},
    {"1 2", false, "a blank"},
    {" 1", false, "a leading blank: no trimming"},
    {"1\n2", false, "a line break"},
    {"1\t", false, "a tab"},
    {"x", false, "another letter"},
    {"1f", false, "a hex letter"},
    {"\xE2\x88", false, "the infinity sign cut short"},
    {"\xFF", false, "not UTF-8"},
    {"\xE2\x88\x9F", false, "the character after the infinity sign"},
    {"\xEF\xBC\x91", false, "a full-width digit"},
    {"You entered an invalid value of the initial number", false, "the message itself"},
};
INSTANTIATE_TEST_SUITE_P(Alphabet, CheckDecimalTextTest, ::testing::ValuesIn(CheckCases));

}  // namespace
}  // namespace pexabit
