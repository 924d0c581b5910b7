// A catalogue of bad input for the convert operation (the window's and the command line's) and
// the two hex inputs: each entry with the clear answer it must get and why. The character rules
// and the canonical text have their own tables; these are the inputs that stress the whole path.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "cli/Operation.h"
#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

struct InputCase {
    std::optional<PatternFormat> Hex;  // none: a decimal number
    std::string Text;
    std::string Answer;  // the refusal's message, else the patterns shown: Single, blank, Double
    const char* Reason;
};

// Test names in the listing show the reason, not the bytes of the case.
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.Reason; }

constexpr std::nullopt_t Decimal = std::nullopt;
constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;
const std::string Invalid(InvalidNumberMessage);
const std::string Megabyte(1 << 20, '7');

const InputCase Cases[] = {
    {Decimal, "1\r\n", Invalid, "a trailing Windows line end"},
    {Decimal, std::string("1\0", 2), Invalid, "a NUL byte: the text does not end there"},
    {Decimal, "\xC0\xB1", Invalid, "an overlong encoding of the digit 1"},
    {Decimal, "0x1A", Invalid, "a hex prefix in the decimal box"},
    {Decimal, "-", "00000000 0000000000000000", "a minus alone reads as a positive zero, as the platform reads it"},
    {Decimal, "1.5.", "3FC00000 3FF8000000000000", "a trailing separator after the fraction"},
    {Decimal, "\xE2\x88\x9E" "1", "00000000 0000000000000000", "the infinity sign before digits: no number"},
    {Decimal, "1e32767", "7F800000 7FF0000000000000", "the largest 16-bit exponent overflows"},
    {Decimal, "1e32768", "7F800000 7FF0000000000000", "one beyond 16 bits still overflows cleanly"},
    {Decimal, "1e-32768", "00000000 0000000000000000", "the smallest 16-bit exponent gives zero"},
    {Decimal, "-1e-32769", "80000000 8000000000000000", "beyond 16 bits: a negative zero"},
    {Decimal, "0e99999", "00000000 0000000000000000", "zero with a huge exponent stays zero"},
    {Decimal, Megabyte, "7F800000 7FF0000000000000", "a megabyte of digits overflows"},
    {Decimal, "0," + Megabyte, "3F471C72 3FE8E38E38E38E39", "a megabyte of fraction digits: 0,777..."},
    {Decimal, "1," + std::string(1 << 20, '0') + "1", "3F800000 3FF0000000000000", "a megabyte of zeros before the last digit"},
    {S, "3dcccccd", "3DCCCCCD 3FB99999A0000000", "lower case is read like upper case"},
    {D, "3fb999999999999a", "3DCCCCCD 3FB999999999999A", "lower case, Double"},
    {S, "3DCC CCD", "You misspelled hex-number", "a blank inside, eight characters"},
    {S, "0x3DCCCC", "You misspelled hex-number", "a 0x prefix within eight characters"},
    {S, "0x3DCCCCCD", "hex number must be 8 digits", "a 0x prefix makes it ten characters"},
    {D, "0x3FB9999999999999", "hex число должно иметь 16 цифр", "a 0x prefix makes it eighteen characters"},
    {S, "3DCCCCC\n", "You misspelled hex-number", "a line break as the eighth character"},
    {S, "ЖЖЖЖЖЖЖЖ", "You misspelled hex-number", "eight Cyrillic letters: eight characters, sixteen bytes"},
    {S, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", "You misspelled hex-number", "eight bytes that are not UTF-8"},
};

class BadInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(BadInput, GetsItsClearAnswer) {
    const InputCase& c = GetParam();
    CliMode mode;
    mode.Hex = c.Hex;
    const OperationResult result = RunOperation(c.Text, mode);
    const bool refused = result.Outcome == OperationResult::Kind::Rejected;
    EXPECT_EQ(refused ? result.Error : result.State.SingleHex + " " + result.State.DoubleHex, c.Answer) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInput, ::testing::ValuesIn(Cases));

}  // namespace
}  // namespace pexabit
