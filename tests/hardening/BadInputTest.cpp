// A catalogue of bad input for the convert operation (the window's and the command line's) and
// the two hex inputs: each entry with the clear answer it must get and why. The character rules
// and the canonical text have their own tables; these are the inputs that stress the whole path.
#include <gtest/gtest.h>

#include <optional>
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

constexpr std::nullopt_t Decimal = std::nullopt;
constexpr auto S = PatternFormat::Single;
constexpr auto D = PatternFormat::Double;
const std::string Invalid(InvalidNumberMessage);

const InputCase Cases[] = {
    {Decimal, "\xC0\xB1", Invalid, "an overlong encoding of the digit 1"},
    {Decimal, "-", "00000000 0000000000000000", "a minus alone reads as a positive zero, as the platform reads it"},
    {Decimal, "\xE2\x88\x9E" "1", "00000000 0000000000000000", "the infinity sign before digits: no number"},
    {Decimal, "1e32767", "7F800000 7FF0000000000000", "the largest 16-bit exponent: both overflow"},
    {Decimal, "1e-32768", "00000000 0000000000000000", "the smallest 16-bit exponent: both zero"},
    {Decimal, "1e32768", "7F800000 7FF0000000000000", "one beyond 16 bits still overflows cleanly"},
    {Decimal, "-1e-32769", "80000000 8000000000000000", "beyond 16 bits: a negative zero"},
    {Decimal, "0," + std::string(1 << 20, '7'), "3F471C72 3FE8E38E38E38E39", "a megabyte of fraction digits: 0,777..."},
    {Decimal, "1," + std::string(1 << 20, '0') + "1", "3F800000 3FF0000000000000", "a megabyte of zeros before the last digit"},
    {S, "3dcccccd", "3DCCCCCD 3FB99999A0000000", "lower case is read like upper case"},
    {S, "0x3DCCCCCD", "hex number must be 8 digits", "a 0x prefix makes it ten characters"},
    {S, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", "You misspelled hex-number", "eight bytes that are not UTF-8"},
};

TEST(BadInput, GetsItsClearAnswer) {
    for (const InputCase& c : Cases) {
        CliMode mode;
        mode.Hex = c.Hex;
        const OperationResult result = RunOperation(c.Text, mode);
        const bool refused = result.Outcome == OperationResult::Kind::Rejected;
        EXPECT_EQ(refused ? result.Error : result.State.SingleHex + " " + result.State.DoubleHex, c.Answer) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
