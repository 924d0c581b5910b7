// The convert operation as typed data: the overflow edges of both formats, the report of 0.1
// with the user's separator, the numeric prefix of ill-formed texts, a refused text, and the
// scratch file. The command line's output over a large corpus is pinned by the output guard.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "encode/ConvertReport.h"
#include "format/FieldTexts.h"

namespace pexabit {
namespace {

std::string Patterns(const ConversionState& s) {
    return PatternHex(SingleFormat, s.Single.Stored) + " " + PatternHex(DoubleFormat, s.Double.Stored);
}

ConvertResult Convert(ConversionState& state, std::string_view text, std::string_view separator = ".") {
    ConvertResult result;
    ConvertText(state, text, ConvertSettings{separator, nullptr}, result);
    return result;
}

TEST(ConvertText, OverflowEdgesOfBothFormats) {
    const struct {
        const char* Typed;
        const char* Patterns;
        bool SingleOverflow, DoubleOverflow;
        const char* Reason;
    } cases[] = {
        {"3.4028235e38", "7F7FFFFF 47EFFFFFE54DAFF8", false, false, "rounds down to the largest Single"},
        {"3.4028236e38", "7F800000 47EFFFFFF514A7BC", true, false, "just past the Single's halfway point"},
        {"-1e39", "FF800000 C8078287F49C4A1D", true, false, "a negative Single overflow"},
        {"1.7976931348623158e308", "7F800000 7FEFFFFFFFFFFFFF", true, false, "rounds down to the largest Double"},
        {"-1e309", "FF800000 FFF0000000000000", true, true, "both overflow, negative"},
        {"-∞", "FF800000 FFF0000000000000", true, true, "the infinity sign means an infinity of its sign"},
        {"5∞", "40A00000 4014000000000000", false, false, "the infinity sign ends the number"},
    };
    for (const auto& c : cases) {
        ConversionState state;
        Convert(state, "2.5");  // nothing of an earlier number may remain
        EXPECT_EQ(Convert(state, c.Typed).Kind, Outcome::Converted) << c.Reason;
        EXPECT_EQ(Patterns(state), c.Patterns) << c.Reason;
        EXPECT_EQ(state.Single.Stored.Overflow, c.SingleOverflow) << c.Reason;
        EXPECT_EQ(state.Double.Stored.Overflow, c.DoubleOverflow) << c.Reason;
    }
}

TEST(ConvertText, ReportOfZeroPointOneWithTheUsersSeparator) {
    ConversionState state;
    const ConvertResult r = Convert(state, "0.1", ",");
    EXPECT_EQ(state.OriginalNumber, "+0,1");
    EXPECT_EQ(r.SingleDisplay, "Single number displayed in the  Windows F=0,1");
    EXPECT_EQ(r.DoubleDisplay, "Double number displayed in the Windows F=0,1");
    EXPECT_EQ(r.DoubleMinusSingle, "-1,4901161138336505018742172978818416595458984375e-9");
    EXPECT_EQ(r.OriginalMinusDouble, "-5,5511151231257827021181583404541015625e-18");
    EXPECT_EQ(r.OriginalMinusSingle, "-1,490116119384765625e-9");
    EXPECT_EQ(state.Single.Texts.Exact, "+0,100000001490116119384765625");
    EXPECT_EQ(state.Double.Texts.ExactSci, "+1,000000000000000055511151231257827021181583404541015625e-1");
}

TEST(ConvertText, IllFormedTextsUseTheirNumericPrefix) {
    // Each ill-formed text must give the patterns and differences of the number it was read as.
    const std::pair<const char*, const char*> cases[] = {
        {"1,2,3", "1,2"}, {"1+2", "1"}, {"0,5e1,2", "5"}, {"--", "0"}, {"1,2∞3", "1,2"}};
    for (const auto& [typed, prefix] : cases) {
        ConversionState a, b;
        const ConvertResult ill = Convert(a, typed), plain = Convert(b, prefix);
        EXPECT_EQ(Patterns(a), Patterns(b)) << typed;
        EXPECT_EQ(ill.OriginalMinusDouble + ill.OriginalMinusSingle, plain.OriginalMinusDouble + plain.OriginalMinusSingle)
            << typed;
    }
}

TEST(ConvertText, RefusedTextLeavesTheStateUntouched) {
    ConversionState state;
    Convert(state, "0.1");
    for (const char* refused : {"1 2", "abc", "1e99999999"}) {
        EXPECT_EQ(AcceptDecimalText(refused), false) << refused;
        const ConvertResult r = Convert(state, refused);
        EXPECT_EQ(r.Kind, Outcome::Refused) << refused;
        EXPECT_EQ(r.Message, InvalidNumberMessage) << refused;
        EXPECT_EQ(state.OriginalNumber + " " + Patterns(state) + " " + state.Double.Texts.Exact,
                  "+0,1 3DCCCCCD 3FB999999999999A +0,1000000000000000055511151231257827021181583404541015625")
            << refused;
    }
}

std::vector<unsigned char> FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ss.dat: the Single's 4 bytes, 4 zero bytes, the Double's 8 bytes, least significant first; a
// longer file keeps its tail; a pattern writes it as a typed text does; a folder that cannot be
// written is reported, the report still right.
TEST(ConvertText, ScratchFile) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("pexabit-scratch-" + std::to_string(::getpid()));
    const std::filesystem::path missing = dir / "no" / "such" / "folder";
    std::filesystem::create_directories(dir);
    std::vector<unsigned char> expected = {0xCD, 0xCC, 0xCC, 0x3D, 0, 0, 0, 0,
                                           0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F};
    ConversionState state;
    ConvertResult r;
    ConvertText(state, "0.1", ConvertSettings{".", &dir}, r);
    EXPECT_FALSE(r.ScratchError.has_value());
    EXPECT_EQ(FileBytes(dir / "ss.dat"), expected) << "a new file";
    std::ofstream(dir / "ss.dat", std::ios::binary | std::ios::app) << "\xAA\xAA\xAA\xAA";
    ConvertPattern(state, PatternFormat::Double, 0x3FB999999999999A, ConvertSettings{".", &dir}, r);
    expected.insert(expected.end(), 4, 0xAA);
    EXPECT_EQ(FileBytes(dir / "ss.dat"), expected) << "a longer file, from a decoded pattern";
    ConvertText(state, "-0.1", ConvertSettings{".", &missing}, r);
    EXPECT_TRUE(r.Kind == Outcome::Converted && r.ScratchError.has_value());
    EXPECT_EQ(PatternHex(SingleFormat, state.Single.Stored), "BDCCCCCD") << "bytes come from memory, not the file";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pexabit
