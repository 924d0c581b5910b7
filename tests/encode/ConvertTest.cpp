// The convert operation as typed data, where the window differs from the command line: the
// user's separator, a refused text over an earlier report, the scratch file. What the command
// line prints for every form of input is pinned by the output guard.

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

TEST(ConvertText, ReportOfZeroPointOneWithTheUsersSeparator) {
    ConversionState state;
    const ConvertResult r = Convert(state, "0.1", ",");
    EXPECT_EQ(r.SingleDisplay, "Single number displayed in the  Windows F=0,1");
    EXPECT_EQ(r.DoubleDisplay, "Double number displayed in the Windows F=0,1");
    EXPECT_EQ(r.OriginalMinusSingle, "-1,490116119384765625e-9") << "the exact texts keep their own comma";
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
