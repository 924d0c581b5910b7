// The convert operation: patterns and overflow boundaries, the report texts and their order, the
// values as displayed, the scratch file, refused texts and ill-formed texts.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "encode/ConvertReport.h"

namespace pexabit {
namespace {

std::string Text(const ConvertOutcome& outcome, std::string_view control) {
    const std::string* text = FindControlText(outcome.Report, control);
    return text != nullptr ? *text : "<not set>";
}

ConvertOutcome Convert(ConversionState& state, std::string_view text, const ViewChoice& view = {}) {
    return ConvertDecimal(state, text, view, ".", nullptr);
}

TEST(ConvertDecimal, PatternsAndOverflowFlags) {
    const struct {
        const char* Typed;
        const char* SingleHex;
        const char* DoubleHex;
        int SingleOverflow, DoubleOverflow;
        const char* Reason;
    } cases[] = {
        {"", "00000000", "0000000000000000", 0, 0, "the empty text converts as 0"},
        {"0.1", "3DCCCCCD", "3FB999999999999A", 0, 0, "point as separator"},
        {"0,1", "3DCCCCCD", "3FB999999999999A", 0, 0, "comma as separator"},
        {"-0", "80000000", "8000000000000000", 0, 0, "negative zero"},
        {"3.4028235e38", "7F7FFFFF", "47EFFFFFE54DAFF8", 0, 0, "rounds down to the largest Single"},
        {"3.4028236e38", "7F800000", "47EFFFFFF514A7BC", 1, 0, "just past the Single's halfway point"},
        {"1e39", "7F800000", "48078287F49C4A1D", 1, 0, "Single overflow only"},
        {"-1e39", "FF800000", "C8078287F49C4A1D", 1, 0, "negative Single overflow"},
        {"1e309", "7F800000", "7FF0000000000000", 1, 1, "both overflow"},
        {"-1e309", "FF800000", "FFF0000000000000", 1, 1, "both overflow, negative"},
        {"∞", "7F800000", "7FF0000000000000", 1, 1, "the infinity sign means an infinity"},
        {"-∞", "FF800000", "FFF0000000000000", 1, 1, "with its typed sign"},
        {"5∞", "40A00000", "4014000000000000", 0, 0, "the infinity sign ends the number"},
        {"1e40000", "7F800000", "7FF0000000000000", 1, 1, "exponent beyond 16 bits: the typed value"},
        {"-1e-40000", "80000000", "8000000000000000", 0, 0, "tiny beyond 16 bits: zeros of the sign"},
    };
    for (const auto& c : cases) {
        ConversionState state;
        Convert(state, "2.5");  // nothing of an earlier number may remain
        const ConvertOutcome outcome = Convert(state, c.Typed);
        ASSERT_TRUE(outcome.Accepted) << c.Reason;
        EXPECT_EQ(Text(outcome, "Text7") + " " + Text(outcome, "Text12"), std::string(c.SingleHex) + " " + c.DoubleHex)
            << c.Reason;
        EXPECT_EQ(state.SingleOverflow * 10 + state.DoubleOverflow, c.SingleOverflow * 10 + c.DoubleOverflow)
            << c.Reason;
    }
}

TEST(ConvertDecimal, ReportOfZeroPointOneInTheWindowsOrder) {
    const ControlTexts expected = {
        {"Label21", "Single number displayed in the  Windows F=0,1"},
        {"Label22", "Double number displayed in the Windows F=0,1"},
        {"Label15", "S= 0"}, {"Label16", "E=7B hex"}, {"Label17", "M=4CCCCD hex"},
        {"Label18", "S= 0"}, {"Label19", "E=3FB hex"}, {"Label20", "M=999999999999A hex"},
        {"Text7", "3DCCCCCD"}, {"Text12", "3FB999999999999A"},
        {"Label9", "0"}, {"Label10", "01111011"}, {"Label11", "10011001100110011001101"},
        {"Text5", "0"}, {"Text4", "01111111011"}, {"Text3", "100110011001100110011001100110011001100110011001" "1010"},
        {"Text9", "+0,100000001490116119384765625"},
        {"Text6", "+0,1000000000000000055511151231257827021181583404541015625"},
        {"Text8", "-1,4901161138336505018742172978818416595458984375e-9"},
        {"Text10", "-5,5511151231257827021181583404541015625e-18"},
        {"Text11", "-1,490116119384765625e-9"}};
    ConversionState state;
    const ConvertOutcome o = ConvertDecimal(state, "0.1", ViewChoice{}, ",", nullptr);
    ASSERT_EQ(o.Report.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(o.Report[i].Control + "=" + o.Report[i].Text, expected[i].Control + "=" + expected[i].Text);
    }
    EXPECT_EQ(state.OriginalNumber, "+0,1");
}

// Single texts, each checked after an earlier conversion of 2,5 in the same state.
TEST(ConvertDecimal, ReportTexts) {
    const struct {
        const char* Typed;
        ViewChoice View;
        const char* Control;
        std::string Text;
        const char* Reason;
    } cases[] = {
        {"", {}, "Label16", "E=0 hex", "the empty text: exponent 0 in one digit"},
        {"1e39", {}, "Label21", "Number of Single displayed in the Windows F = Overflow", "Single overflow"},
        {"1e39", {}, "Text9", "+Infinity", "the Single's exact value"},
        {"1e39", {}, "Label10", "11111111", "all-ones exponent bits"},
        {"1e39", {}, "Text8", "<not set>", "no Double-Single with a Single overflow"},
        {"1e39", {}, "Text11", "<not set>", "no Original-Single with a Single overflow"},
        {"1e39", {}, "Text10", "+6,0290833628396821413888e+22", "the Double is reported"},
        {"-1e309", {}, "Label22", "Double the number displayed in the Windows F = Overflow", "Double overflow"},
        {"-1e309", {}, "Text6", "-Infinity", "the infinity of the typed sign, not the earlier value"},
        {"-1e309", {}, "Text4", "11111111111", "all-ones exponent bits"},
        {"-1e309", {}, "Text3", std::string(52, '0'), "mantissa cleared"},
        {"-1e309", {}, "Text10", "<not set>", "no difference with a Double overflow"},
        {"1e-40000", {}, "Text10", "+1,e-40000", "both formats zero: the typed value is the difference"},
        // The values as displayed: at most 7 (Single) or 15 (Double) significant digits.
        {"1234567", {}, "Label21", "Single number displayed in the  Windows F=1234567", "seven digits plain"},
        {"12345678", {}, "Label21", "Single number displayed in the  Windows F=1.234568E+07", "eight: E form"},
        {"-0", {}, "Label21", "Single number displayed in the  Windows F=-0", "negative zero"},
        {"123456789012345", {}, "Label22", "Double number displayed in the Windows F=123456789012345", "15 digits"},
        {"1e15", {}, "Label22", "Double number displayed in the Windows F=1E+15", "sixteen: E form"},
        {"0.30000000000000004", {}, "Label22", "Double number displayed in the Windows F=0.3", "rounded to 15"},
        {"1e-5", {}, "Label22", "Double number displayed in the Windows F=1E-05", "small: E form"},
        {"1", {true, false, true, false}, "Text6", "+1," + std::string(52, '0'), "Double base 2"},
        {"1", {true, true, false, true}, "Text9", "+1,0e+0", "base 2, scientific"},
        {"1", {true, true, false, true}, "Text6", "+1,0e+0", "decimal, scientific"},
    };
    for (const auto& c : cases) {
        ConversionState state;
        Convert(state, "2.5");
        EXPECT_EQ(Text(Convert(state, c.Typed, c.View), c.Control), c.Text) << c.Reason;
    }
}

TEST(ConvertDecimal, IllFormedTextsUseTheirNumericPrefix) {
    // Each ill-formed text must give the pattern and the differences of the number it was read as.
    const std::pair<const char*, const char*> cases[] = {
        {"1,2,3", "1,2"}, {"1+2", "1"}, {"0,5e1,2", "5"}, {"--", "0"}, {"1,2∞3", "1,2"}};
    for (const auto& [typed, prefix] : cases) {
        ConversionState a, b;
        const ConvertOutcome ill = Convert(a, typed);
        const ConvertOutcome plain = Convert(b, prefix);
        for (const char* control : {"Text7", "Text12", "Text10", "Text11"}) {
            EXPECT_EQ(Text(ill, control), Text(plain, control)) << typed << " " << control;
        }
    }
}

TEST(ConvertDecimal, RefusedTextLeavesTheStateUntouched) {
    ConversionState state;
    Convert(state, "0.1");
    const ConversionState before = state;
    for (const char* refused : {"1 2", "abc", "1e99999999"}) {
        const ConvertOutcome o = Convert(state, refused);
        EXPECT_FALSE(o.Accepted) << refused;
        EXPECT_TRUE(o.Report.empty()) << refused;
        EXPECT_EQ(state.OriginalNumber, before.OriginalNumber) << refused;
        EXPECT_EQ(state.DoubleExact, before.DoubleExact) << refused;
        EXPECT_EQ(state.SingleBytes, before.SingleBytes) << refused;
    }
}

std::vector<unsigned char> FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ss.dat: the Single's 4 bytes, 4 zero bytes, the Double's 8 bytes, least significant first; a
// longer file keeps its tail; a folder that cannot be written is reported, the report still right.
TEST(ConvertDecimal, ScratchFile) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("pexabit-scratch-" + std::to_string(::getpid()));
    const std::filesystem::path missing = dir / "no" / "such" / "folder";
    std::filesystem::create_directories(dir);
    std::vector<unsigned char> expected = {0xCD, 0xCC, 0xCC, 0x3D, 0, 0, 0, 0,
                                           0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F};
    ConversionState state;
    EXPECT_FALSE(ConvertDecimal(state, "0.1", ViewChoice{}, ".", &dir).ScratchError.has_value());
    EXPECT_EQ(FileBytes(dir / "ss.dat"), expected) << "a new file, typed with a point";
    std::ofstream(dir / "ss.dat", std::ios::binary | std::ios::app) << "\xAA\xAA\xAA\xAA";
    ConvertDecimal(state, "0,1", ViewChoice{}, ".", &dir);
    expected.insert(expected.end(), 4, 0xAA);
    EXPECT_EQ(FileBytes(dir / "ss.dat"), expected) << "a longer file, typed with a comma";
    const ConvertOutcome o = ConvertDecimal(state, "-0.1", ViewChoice{}, ".", &missing);
    EXPECT_TRUE(o.Accepted && o.ScratchError.has_value());
    EXPECT_EQ(Text(o, "Text7"), "BDCCCCCD") << "bytes come from memory, not from the file";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pexabit
