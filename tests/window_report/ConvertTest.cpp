// The convert operation as typed data, where the window differs from the command line: the
// user's separator, the scratch file, and the canonical text at the length bound that the window
// checks before its busy state. What the command line prints for every form of input (the comma
// moved, the infinity sign counted as one character, the exponent's own exponent and its ties)
// is pinned by the output guard; a refused text over an earlier report, by the window's tests.

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "window_report/ConvertReport.h"
#include "window_report/DecimalInput.h"

namespace pexabit {
namespace {

TEST(ConvertText, ReportOfZeroPointOneWithTheUsersSeparator) {
    ConversionState state;
    ConvertResult r;
    ConvertText(state, "0.1", ConvertSettings{",", nullptr}, r);
    EXPECT_EQ(r.SingleDisplay, "Single number displayed in the  Windows F=0,1");
    EXPECT_EQ(r.DoubleDisplay, "Double number displayed in the Windows F=0,1");
    EXPECT_EQ(r.OriginalMinusSingle, "-1,490116119384765625e-9") << "the exact texts keep their own comma";
}

// ss.dat: the Single's 4 bytes, 4 zero bytes, the Double's 8 bytes, least significant first; a
// longer file keeps its tail; a pattern writes it as a typed text does. (A folder that cannot be
// written: the window's tests; a disk that fills: the hardening tests.)
TEST(ConvertText, ScratchFile) {
    const test::TempFolder folder;
    const std::filesystem::path dir = folder.Root;
    const std::string path = folder.Root + "ss.dat";
    const std::string zeroPointOne("\xCD\xCC\xCC\x3D\0\0\0\0\x9A\x99\x99\x99\x99\x99\xB9\x3F", 16);
    ConversionState state;
    ConvertResult r;
    ConvertText(state, "0.1", ConvertSettings{".", &dir}, r);
    EXPECT_FALSE(r.ScratchError.has_value());
    EXPECT_EQ(test::ReadBytes(path), zeroPointOne) << "a new file";
    test::WriteBytes(path, std::string(20, 'x'));
    ConvertPattern(state, PatternFormat::Double, 0x3FB999999999999A, ConvertSettings{".", &dir}, r);
    EXPECT_EQ(test::ReadBytes(path), zeroPointOne + "xxxx") << "a longer file, from a decoded pattern";
}

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
        {std::string(bound - 1, '5'), std::string("+").append(bound - 1, '5'), "digits alone, no comma: the sign and they fill the bound"},
        {"1," + std::string(bound - 3, '5') + "e1", "+15," + std::string(bound - 4, '5'),
         "a fraction longer than the exponent, exactly at the bound"},
        {"1," + std::string(bound - 2, '5') + "e1", std::nullopt, "the same, one beyond"},
        {std::string(bound - 2, '5') + "e-" + std::to_string(bound - 2), std::nullopt,
         "every digit moved behind the comma: \"+0,\" and the digits, one beyond the bound"},
        {std::string(bound - 1, '5') + "e-1", std::nullopt, "one digit moved: sign, digits and comma, one beyond"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> canonical = NormaliseDecimal(c.Typed);
        EXPECT_TRUE(canonical == c.Canonical) << c.Reason;
        EXPECT_EQ(FitsCanonicalLength(c.Typed), c.Canonical.has_value()) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
