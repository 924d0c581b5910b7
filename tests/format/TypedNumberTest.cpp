// The grammar of typed texts: every accepted form with the record it gives, every refusal with its
// message (what is wrong, at which character, what would do), the 4 MiB bound on significant
// digits, exponents of any length, and the bound on plain digits that decides which errors are
// written out, at its edges.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "format/ExactDigitBound.h"
#include "format/TypedNumber.h"

namespace pexabit {
namespace {

// "-125e2", "+0x18p-3", "+inf", "-snan(A)", "+nan", "+0": a record in one short text.
std::string Describe(const TypedNumber& n) {
    std::string d = n.Negative ? "-" : "+";
    if (n.Type != TypedNumber::Kind::Nan && (n.Signalling || n.Payload)) return d + " with NaN fields set";
    switch (n.Type) {
        case TypedNumber::Kind::Infinity: return d + "inf";
        case TypedNumber::Kind::Nan:
            return d + (n.Signalling ? "snan" : "nan") + (n.Payload ? "(" + *n.Payload + ")" : "");
        case TypedNumber::Kind::Finite: break;
    }
    if (n.Digits.empty()) return d + (n.Exponent == 0 ? "0" : "0 with exponent " + std::to_string(n.Exponent));
    return d + (n.Hex ? "0x" : "") + n.Digits + (n.Hex ? "p" : "e") + (ExactExponent(n).IsNegative() ? "-" : "") + ExactExponent(n).MagnitudeText();
}

struct GrammarCase {
    std::string Text;
    std::string Expected;  // Describe() of the record, or the whole refusal message
    const char* Reason;
};

const std::string Zeros(MaxExactDigits - 2, '0');  // between two ones: the most significant digits
const std::string TooMany = "too many digits: this number has 4194305 significant digits, more than the 4194304 (4 MiB) "
                            "Pexabit reads; leading and trailing zeros and the exponent do not count, so round it to fewer digits";

const GrammarCase Cases[] = {
    {"1.5", "+15e-1", "point as separator"},
    {"1,5", "+15e-1", "comma as separator"},
    {" \t-12.50E+3\t ", "-125e2", "blanks and tabs at both ends dropped, trailing zeros into the exponent, E and +"},
    {".5", "+5e-1", "separator before the first digit"},
    {"5.", "+5e0", "separator after the last digit"},
    {"000123", "+123e0", "leading zeros dropped"},
    {"-0.000", "-0", "zero keeps its sign and has exponent 0"},
    {"0e99999999999999999999999", "+0", "a saturated exponent of zero is still zero"},
    {"1e-0004194303", "+1e-4194303", "exponent with leading zeros"},
    {"-INFINITY", "-inf", "infinity in any case"},
    {"+\xE2\x88\x9E", "+inf", "the infinity sign"},
    {"NaN", "+nan", "nan in any case, no payload"},
    {"-sNaN", "-snan", "signalling NaN with the default payload"},
    {"nan(0X001f)", "+nan(1f)", "payload with 0X, leading zeros dropped"},
    {"nan(0x0)", "+nan(0)", "a quiet NaN may carry payload zero"},
    {"SNAN(0xA)", "+snan(A)", "snan with a payload"},
    {"0x1.8p+1", "+0x18p-3", "C99 hex float"},
    {"-0X.8P0", "-0x8p-4", "hex float from the separator on, upper case prefix and p"},
    {"0x10p0", "+0x1p4", "trailing hex zeros move four bits each"},
    {"0x1.p1", "+0x1p1", "hex separator after the digits"},
    {"0x0p-99999999999999999999", "+0", "hex zero"},
    {"-12.5e-99999999999999999999", "-125e-100000000000000000000", "an exponent beyond 64 bits, kept exactly"},
    {"0x1.8p99999999999999999999", "+0x18p99999999999999999995", "a binary exponent beyond 64 bits, kept exactly"},
    {"1e-" + std::string(999990, '0') + "5", "+1e-5", "a million-character exponent, its leading zeros read"},
    {"0." + std::string(5000000, '0') + "1e5000000", "+1e-1", "leading zeros are no significant digits"},
    {"-1" + Zeros + "1e-99999999999", "-1" + Zeros + "1e-99999999999", "4194304 digits, the most, any exponent"},
    {"00" + Zeros + "1" + Zeros + "e5", "+1e4194307", "leading and trailing zeros are no significant digits"},
    {"1" + Zeros + "01", TooMany, "4194305 significant digits"},
    {"0x1" + Zeros + "01p0", TooMany.substr(0, 40) + " hexadecimal" + TooMany.substr(40), "4194305 hex digits"},

    {"", "empty text: type a number such as 1.5, -2e-3, 0x1.8p+1, inf or nan", "nothing typed"},
    {"-", "incomplete number: the sign at position 1 needs a number after it, such as 1.5, -2e-3, 0x1.8p+1, inf or nan", "sign alone"},
    {"+-1", "unexpected character '-' at position 2: expected a digit, '.', ',', inf, infinity, nan, snan or 0x", "two signs"},
    {".", "incomplete number: the separator at position 1 needs a digit before or after it, such as .5", "separator alone"},
    {".e5", "unexpected character 'e' at position 2: expected a digit after the separator", "separator without digits"},
    {"e5", "unexpected character 'e' at position 1: expected a digit, '.', ',', inf, infinity, nan, snan or 0x", "exponent without digits"},
    {"1.2,3", "unexpected character ',' at position 4: expected a digit or an exponent such as e5: a number has one separator at most", "second separator"},
    {"12a", "unexpected character 'a' at position 3: expected a digit, '.', ',' or an exponent such as e5", "letter after digits"},
    {"1.5x", "unexpected character 'x' at position 4: expected a digit or an exponent such as e5", "letter after the fraction"},
    {"1 2", "unexpected blank at position 2: expected a digit, '.', ',' or an exponent such as e5", "blank inside"},
    {"1\n", "unexpected control character U+000A at position 2: expected a digit, '.', ',' or an exponent such as e5", "line break is not a blank"},
    {"  1\xC3\xA9", "unexpected character '\xC3\xA9' at position 4: expected a digit, '.', ',' or an exponent such as e5", "positions count from the text as given, UTF-8 characters shown whole"},
    {"\xED\xA0\x80", "unexpected byte 0xED at position 1: expected a digit, '.', ',', inf, infinity, nan, snan or 0x", "a surrogate is no character: its first byte is named"},
    {"1E+", "incomplete number: the exponent at position 2 needs digits after 'E', such as 1E-5", "exponent sign without digits"},
    {"1ex", "unexpected character 'x' at position 3: expected a sign or a digit of the exponent", "letter after e"},
    {"1e-x", "unexpected character 'x' at position 4: expected a digit of the exponent", "letter after the exponent sign"},
    {"1e5.0", "unexpected character '.' at position 4: expected a digit of the exponent: the exponent ends the number", "fraction after the exponent"},
    {"\xE2\x88\x9Ex", "unexpected character 'x' at position 2: expected nothing after the infinity sign", "the infinity sign counts as one character"},
    {"infx", "unexpected character 'x' at position 4: expected nothing after inf", "letter after inf"},
    {"infinx", "unexpected character 'x' at position 6: expected infinity", "word left halfway"},
    {"na", "incomplete number: the word at position 1 is cut short: expected nan", "nan cut short"},
    {"nano", "unexpected character 'o' at position 4: expected nothing after nan, or a payload such as (0x1F)", "letter after nan"},
    {"nan(", "incomplete number: the payload at position 4 needs 0x and hexadecimal digits, such as nan(0x1F)", "payload cut short"},
    {"nan(0)", "unexpected character '0' at position 5: expected 0x: a payload is hexadecimal, such as nan(0x1F)", "payload without 0x"},
    {"nan(0x)", "unexpected character ')' at position 7: expected a hexadecimal digit", "payload without digits"},
    {"nan(0x1", "incomplete number: the payload at position 4 needs a closing ')'", "payload not closed"},
    {"nan(0x1g)", "unexpected character 'g' at position 8: expected a hexadecimal digit or ')'", "payload with a non-hex digit"},
    {"nan(0x1)x", "unexpected character 'x' at position 9: expected nothing after the payload", "text after the payload"},
    {"snan(0x00)", "snan needs a nonzero payload: with payload 0 its pattern would be an infinity; leave the payload out for payload 1", "zero signalling payload"},
    {"0x", "incomplete number: the prefix 0x at position 1 needs hexadecimal digits and a binary exponent, such as 0x1.8p+1", "prefix alone"},
    {"-0x1.8e3", "incomplete number: the hexadecimal number at position 2 needs a binary exponent such as p+1 at its end, e.g. 0x1.8p+1", "e is a hex digit: no exponent"},
    {"0x1,8p0", "unexpected character ',' at position 4: expected a hexadecimal digit, '.' or the binary exponent p", "comma in a hex float"},
    {"0x1.8.p0", "unexpected character '.' at position 6: expected a hexadecimal digit or the binary exponent p", "second hex separator"},
    {"0x.p1", "unexpected character 'p' at position 4: expected a hexadecimal digit after the separator", "hex separator without digits"},
    {"0xg", "unexpected character 'g' at position 3: expected a hexadecimal digit or '.'", "no hex digit after the prefix"},
    {"0x1p", "incomplete number: the exponent at position 4 needs digits after 'p', such as 0x1p-5", "binary exponent without digits"},
};

// 10^4194304 lies between 2^13933176 and 2^13933177, at 2^13933176 * 1.3a526053f3...: hex floats of
// that bit length are compared with it exactly; the longer significands agree with it in more
// bits than the first bounds of 5^4194304 hold.
constexpr const char* BandRatio = "3a526053f3a75795d0d05aae051d7fbabcfcc6ee636cd2683f8fe206f883d8b536003ce4d6aa06b1";

// The bound on plain digits (here 4 MiB) at its edges: which texts it lets through.
TEST(PlainDigits, BoundDecidedExactly) {
    const std::string ratio(BandRatio), ratioUp = ratio.substr(0, ratio.size() - 1) + "2";
    const struct { std::string Text; bool Exceeds; const char* Reason; } cases[] = {
        {"1e4194303", false, "4194304 integer digits"},
        {"1e4194304", true, "4194305 integer digits"},
        {"1e-4194303", false, "0 and 4194303 fraction digits"},
        {"1e-4194304", true, "0 and 4194304 fraction digits"},
        {"1" + std::string(4194302, '0') + "1e-2", false, "4194302 integer and 2 fraction digits, as typed"},
        {"0." + std::string(4194302, '0') + "1", false, "4194304 digits in all, the leading 0 counted"},
        {"-0x1p-4194303", false, "2^-4194303 has 4194303 fraction digits"},
        {"0x1p-4194304", true, "2^-4194304 has 4194304 fraction digits"},
        {"0x2p-4194304", false, "a trailing zero bit shortens the fraction"},
        {"0x1p13933175", false, "below 10^4194304 by bit length alone"},
        {"0x1p13933177", true, "above 10^4194304 by bit length alone"},
        {"0x1p13933176", false, "same bit length as 10^4194304, below it"},
        {"0x1.3a5p13933176", false, "just below 10^4194304 in 12 bits"},
        {"0x1.3a6p13933176", true, "just above 10^4194304 in 12 bits"},
        {"0x1." + ratio + "p13933176", false, "below 10^4194304, agreeing with it in 321 bits"},
        {"0x1." + ratioUp + "p13933176", true, "above 10^4194304, agreeing with it in 320 bits"},
        {std::string("0x1").append(3483294, '0').append(".8p0"), true, "2^13933176 + 1/2: 4194304 integer digits and one fraction digit"},
        {std::string("0x1").append(3483293, '0').append(".8p0"), false, "2^13933172 + 1/2: 4194303 integer digits and one fraction digit"},
        {"0x1p99999999999999999999", true, "saturated binary exponent"},
        {"1e-99999999999999999999", true, "saturated decimal exponent"},
    };
    for (const auto& c : cases) {
        const ParsedText parsed = ParseTypedNumber(c.Text);
        EXPECT_TRUE(parsed.Number && PlainDigitsExceed(*parsed.Number, MaxExactDigits) == c.Exceeds) << c.Reason;
    }
}

void PrintTo(const GrammarCase& c, std::ostream* out) { *out << c.Reason; }

class Grammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(Grammar, RecordOrMessage) {
    const GrammarCase& c = GetParam();
    const ParsedText parsed = ParseTypedNumber(c.Text);
    EXPECT_EQ(parsed.Number ? Describe(*parsed.Number) : parsed.Error, c.Expected) << c.Reason;
    EXPECT_NE(parsed.Number.has_value(), !parsed.Error.empty()) << "a record and a refusal at once: " << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Texts, Grammar, ::testing::ValuesIn(Cases));

// Plain texts are read in one pass before the full reader sees them; a leading blank sends a text
// past that pass, and the full reader must give the same record. The pieces cross its bounds (19
// significant digits, 4 exponent digits). One record reused from text to text, as the report
// reuses it, must keep nothing of the text before (a sign, a NaN's payload, an error).
TEST(PlainReader, AgreesWithTheFullReaderAndKeepsNothingOfTheTextBefore) {
    static constexpr std::string_view Pieces[] = {"0", "1", "9", "00", "12345678", "1234567890123456789", ".", ",", "e",
                                                  "E", "-", "+", "x", "0x", "nan(0x5)", "snan", "inf", "e9999", "e-30", "p1"};
    std::mt19937_64 rng(0x1A7E);
    const auto record = [](const ParsedText& p) { return p.Number ? Describe(*p.Number) : "refused: " + p.Error; };
    ParsedText reused;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (auto k = 1 + rng() % 8; k > 0; --k) text += Pieces[rng() % std::size(Pieces)];
        const ParsedText once = ParseTypedNumber(text), full = ParseTypedNumber(" " + text);
        ParseTypedNumber(text, reused);
        ASSERT_EQ(once.Number ? Describe(*once.Number) : "refused", full.Number ? Describe(*full.Number) : "refused") << "'" << text << "'";
        ASSERT_EQ(record(reused), record(once)) << "'" << text << "'";
    }
}

}  // namespace
}  // namespace pexabit
