// The convert operation: bytes, overflow boundaries, the report texts, the scratch file, refused
// texts, ill-formed texts and the reuse of an unchanged format's texts.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "encode/ConvertReport.h"
#include "encode/DisplayForm.h"

namespace pexabit {
namespace {

std::string Text(const ConvertOutcome& outcome, std::string_view control) {
    const std::string* text = FindControlText(outcome.Report, control);
    return text != nullptr ? *text : "<not set>";
}

ConvertOutcome Convert(ConversionState& state, std::string_view text, std::string_view separator = ".") {
    return ConvertDecimal(state, text, ViewChoice{}, separator, nullptr);
}

struct PatternCase {
    const char* Typed;
    const char* SingleHex;
    const char* DoubleHex;
    int SingleOverflow;
    int DoubleOverflow;
    const char* Reason;
};

class ConvertPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(ConvertPatternTest, GivesPatternsAndFlags) {
    const PatternCase& c = GetParam();
    ConversionState state;
    const ConvertOutcome outcome = Convert(state, c.Typed);
    ASSERT_TRUE(outcome.Accepted) << c.Reason;
    EXPECT_EQ(state.SingleHex, c.SingleHex) << c.Reason;
    EXPECT_EQ(state.DoubleHex, c.DoubleHex) << c.Reason;
    EXPECT_EQ(state.SingleOverflow, c.SingleOverflow) << c.Reason;
    EXPECT_EQ(state.DoubleOverflow, c.DoubleOverflow) << c.Reason;
    EXPECT_EQ(Text(outcome, "Text7"), c.SingleHex) << c.Reason;
    EXPECT_EQ(Text(outcome, "Text12"), c.DoubleHex) << c.Reason;
}

const PatternCase PatternCases[] = {
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
    {"1.7976931348623157e308", "7F800000", "7FEFFFFFFFFFFFFF", 1, 0, "largest Double"},
    {"∞", "7F800000", "7FF0000000000000", 1, 1, "the infinity sign means an infinity"},
    {"-∞", "FF800000", "FFF0000000000000", 1, 1, "with its sign"},
    {"1e40000", "7F800000", "7FF0000000000000", 1, 1, "exponent beyond 16 bits: the typed value"},
    {"-1e-40000", "80000000", "8000000000000000", 0, 0, "tiny beyond 16 bits: zeros of the sign"},
    {"1+2", "3F800000", "3FF0000000000000", 0, 0, "numeric prefix 1"},
    {"1,2,3", "3F99999A", "3FF3333333333333", 0, 0, "numeric prefix 1,2"},
    {"--", "00000000", "0000000000000000", 0, 0, "no numeric prefix: 0"},
    {"5∞", "40A00000", "4014000000000000", 0, 0, "the infinity sign ends the number"},
    {"1.401298464324817e-45", "00000001", "36A0000000000000", 0, 0, "smallest Single subnormal"},
};
INSTANTIATE_TEST_SUITE_P(Patterns, ConvertPatternTest, ::testing::ValuesIn(PatternCases));

TEST(ConvertDecimal, BytesOfZeroPointOne) {
    ConversionState state;
    Convert(state, "0.1");
    EXPECT_EQ(state.SingleBytes, (std::array<std::uint8_t, 4>{0xCD, 0xCC, 0xCC, 0x3D}));
    EXPECT_EQ(state.DoubleBytes,
              (std::array<std::uint8_t, 8>{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}));
    EXPECT_EQ(state.OriginalNumber, "+0,1");
}

TEST(ConvertDecimal, ReportOfZeroPointOne) {
    ConversionState state;
    ViewChoice dec;
    const ConvertOutcome o = ConvertDecimal(state, "0.1", dec, ",", nullptr);
    EXPECT_EQ(Text(o, "Label21"), "Single number displayed in the  Windows F=0,1");
    EXPECT_EQ(Text(o, "Label22"), "Double number displayed in the Windows F=0,1");
    EXPECT_EQ(Text(o, "Label15"), "S= 0");
    EXPECT_EQ(Text(o, "Label16"), "E=7B hex");
    EXPECT_EQ(Text(o, "Label17"), "M=4CCCCD hex");
    EXPECT_EQ(Text(o, "Label19"), "E=3FB hex");
    EXPECT_EQ(Text(o, "Label9"), "0");
    EXPECT_EQ(Text(o, "Label10"), "01111011");
    EXPECT_EQ(Text(o, "Label11"), "10011001100110011001101");
    EXPECT_EQ(Text(o, "Text5"), "0");
    EXPECT_EQ(Text(o, "Text4"), "01111111011");
    EXPECT_EQ(Text(o, "Text9"), "+0,100000001490116119384765625");
    EXPECT_EQ(Text(o, "Text8"), "-1,4901161138336505018742172978818416595458984375e-9");
    EXPECT_EQ(Text(o, "Text10"), "-5,5511151231257827021181583404541015625e-18");
    EXPECT_EQ(Text(o, "Text11"), "-1,490116119384765625e-9");
}

TEST(ConvertDecimal, ReportOrderIsTheWindowsOrder) {
    ConversionState state;
    const ConvertOutcome o = Convert(state, "1");
    std::vector<std::string> order;
    for (const ControlText& t : o.Report) order.push_back(t.Control);
    const std::vector<std::string> expected = {
        "Label21", "Label22", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20",
        "Text7",   "Text12",  "Label9",  "Label10", "Label11", "Text5",   "Text4",   "Text3",
        "Text9",   "Text6",   "Text8",   "Text10",  "Text11"};
    EXPECT_EQ(order, expected);
}

TEST(ConvertDecimal, EmptyTextShowsZeroFields) {
    ConversionState state;
    const ConvertOutcome o = Convert(state, "");
    EXPECT_EQ(state.OriginalNumber, "+");
    EXPECT_EQ(state.DoubleValue, 0.0);
    EXPECT_EQ(Text(o, "Label15"), "S= 0");
    EXPECT_EQ(Text(o, "Label16"), "E=0 hex");
    EXPECT_EQ(Text(o, "Label17"), "M=000000 hex");
}

TEST(ConvertDecimal, SingleOverflowReport) {
    ConversionState state;
    const ConvertOutcome o = Convert(state, "1e39");
    EXPECT_EQ(Text(o, "Label21"), "Number of Single displayed in the Windows F = Overflow");
    EXPECT_EQ(Text(o, "Text9"), "+Infinity");
    EXPECT_EQ(Text(o, "Text8"), "<not set>") << "no Double-Single with a Single overflow";
    EXPECT_EQ(Text(o, "Text11"), "<not set>");
    EXPECT_EQ(Text(o, "Text10"), "+6,0290833628396821413888e+22") << "the Double is reported";
    EXPECT_EQ(Text(o, "Label16"), "E=FF hex");
    EXPECT_EQ(Text(o, "Label10"), "11111111");
    EXPECT_TRUE(std::isinf(state.SingleValue));
}

TEST(ConvertDecimal, DoubleOverflowSetsTheInfinityOfTheTypedSign) {
    ConversionState state;
    Convert(state, "2.5");
    const ConvertOutcome o = Convert(state, "-1e309");
    EXPECT_EQ(state.DoubleValue, -INFINITY) << "not the previous value";
    EXPECT_EQ(state.DoubleExact, "-Infinity");
    EXPECT_EQ(state.DoubleExponent, 2047);
    EXPECT_EQ(state.DoubleMantissaBits, std::string(52, '0'));
    EXPECT_EQ(Text(o, "Label22"), "Double the number displayed in the Windows F = Overflow");
    EXPECT_EQ(Text(o, "Text4"), "11111111111");
    EXPECT_EQ(Text(o, "Text3"), std::string(52, '0'));
    EXPECT_EQ(Text(o, "Text10"), "<not set>") << "no difference with a Double overflow";
}

TEST(ConvertDecimal, HugeNegativeExponentGivesExactDifferences) {
    ConversionState state;
    const ConvertOutcome o = Convert(state, "1e-40000");
    EXPECT_EQ(state.DoubleExact, "+0,0");
    EXPECT_EQ(Text(o, "Text10"), "+1,e-40000");
    EXPECT_EQ(Text(o, "Text11"), "+1,e-40000");
}

TEST(ConvertDecimal, IllFormedTextsUseTheirNumericPrefix) {
    // Each ill-formed text must report the differences of the number it was read as.
    const std::pair<const char*, const char*> cases[] = {
        {"1,2,3", "1,2"}, {"1+2", "1"}, {"0,5e1,2", "5"}, {"7∞", "7"}, {"--", "0"}, {"1,2∞3", "1,2"}};
    for (const auto& [typed, prefix] : cases) {
        ConversionState a, b;
        const ConvertOutcome ill = Convert(a, typed);
        const ConvertOutcome plain = Convert(b, prefix);
        EXPECT_EQ(Text(ill, "Text10"), Text(plain, "Text10")) << typed;
        EXPECT_EQ(Text(ill, "Text11"), Text(plain, "Text11")) << typed;
        EXPECT_EQ(a.DoubleHex, b.DoubleHex) << typed;
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

TEST(ConvertDecimal, ReusedTextsEqualFreshOnes) {
    // Converting the Double's own exact value keeps its texts; they must be what a fresh
    // conversion computes. Then a different number must not keep stale texts.
    for (const char* typed : {"0.1", "-3.75e-300", "1e39", "16777217"}) {
        ConversionState reused;
        Convert(reused, typed);
        const std::string exact = reused.DoubleExact;
        const ConvertOutcome second = Convert(reused, exact);
        ConversionState fresh;
        const ConvertOutcome first = Convert(fresh, exact);
        EXPECT_EQ(reused.DoubleBinary, fresh.DoubleBinary) << typed;
        EXPECT_EQ(reused.SingleExact, fresh.SingleExact) << typed;
        EXPECT_EQ(reused.SingleExactSci, fresh.SingleExactSci) << typed;
        for (const char* control : {"Text8", "Text10", "Text11", "Label21", "Label22", "Text9", "Text6"}) {
            EXPECT_EQ(Text(second, control), Text(first, control)) << typed << " " << control;
        }
    }
    ConversionState state;
    Convert(state, "0.1");
    Convert(state, "0.2");
    EXPECT_EQ(state.DoubleExact, "+0,200000000000000011102230246251565404236316680908203125");
}

struct ViewCase {
    ViewChoice View;
    const char* Text9;
    const char* Text6;
};

TEST(ConvertDecimal, ViewTable) {
    const ViewCase cases[] = {
        {{false, false, false, false}, "+1,0", "+1,0"},
        {{true, false, true, false}, "+1,00000000000000000000000",
         "+1,0000000000000000000000000000000000000000000000000000"},
        {{true, true, true, true}, "+1,0e+0", "+1,0e+0"},
        {{false, true, false, true}, "+1,0e+0", "+1,0e+0"},
        {{true, false, false, true}, "+1,00000000000000000000000", "+1,0e+0"},
    };
    for (const ViewCase& c : cases) {
        ConversionState state;
        const ConvertOutcome o = ConvertDecimal(state, "1", c.View, ".", nullptr);
        EXPECT_EQ(Text(o, "Text9"), c.Text9);
        EXPECT_EQ(Text(o, "Text6"), c.Text6);
    }
}

TEST(ConvertDecimal, BusyStateTexts) {
    const ControlTexts busy = BusyStateTexts();
    ASSERT_EQ(busy.size(), 15U);
    EXPECT_EQ(busy.front().Control, "Text7");
    EXPECT_EQ(*FindControlText(busy, "Label21"), "");
    EXPECT_EQ(*FindControlText(busy, "Label16"), "E=");
    EXPECT_EQ(*FindControlText(busy, "Label20"), "M=");
}

class ScratchFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("pexabit-scratch-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::vector<unsigned char> Bytes() const {
        std::ifstream in(dir_ / "ss.dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path dir_;
};

TEST_F(ScratchFileTest, NewFileHoldsSixteenBytes) {
    ConversionState state;
    const ConvertOutcome o = ConvertDecimal(state, "0.1", ViewChoice{}, ".", &dir_);
    EXPECT_FALSE(o.ScratchError.has_value());
    const std::vector<unsigned char> expected = {0xCD, 0xCC, 0xCC, 0x3D, 0, 0, 0, 0,
                                                 0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F};
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(ScratchFileTest, LongerFileKeepsItsTail) {
    {
        std::ofstream out(dir_ / "ss.dat", std::ios::binary);
        out << std::string(20, '\xAA');
    }
    ConversionState state;
    ConvertDecimal(state, "1", ViewChoice{}, ".", &dir_);
    const std::vector<unsigned char> bytes = Bytes();
    ASSERT_EQ(bytes.size(), 20U);
    EXPECT_EQ(bytes[3], 0x3F);
    EXPECT_EQ(bytes[15], 0x3F);
    EXPECT_EQ(bytes[16], 0xAA);
    EXPECT_EQ(bytes[19], 0xAA);
}

TEST_F(ScratchFileTest, UnwritableDirectoryIsReportedAndTheReportStaysRight) {
    const std::filesystem::path missing = dir_ / "no" / "such" / "folder";
    ConversionState state;
    const ConvertOutcome o = ConvertDecimal(state, "0.1", ViewChoice{}, ".", &missing);
    EXPECT_TRUE(o.Accepted);
    EXPECT_TRUE(o.ScratchError.has_value());
    EXPECT_EQ(Text(o, "Text7"), "3DCCCCCD") << "bytes come from memory, not from the file";
}

struct DisplayCase {
    double Value;
    bool Single;
    const char* Separator;
    const char* Text;
};

TEST(DisplayForm, SevenAndFifteenDigits) {
    const DisplayCase cases[] = {
        {0.1, true, ",", "0,1"},
        {3.4028234663852886e38, true, ".", "3.402823E+38"},
        {1.401298464324817e-45, true, ".", "1.401298E-45"},
        {1234567.0, true, ".", "1234567"},
        {12345678.0, true, ".", "1.234568E+07"},
        {-0.0, true, ".", "-0"},
        {0.1, false, ".", "0.1"},
        {1e15, false, ".", "1E+15"},
        {123456789012345.0, false, ".", "123456789012345"},
        {0.30000000000000004, false, ",", "0,3"},
        {1e-5, false, ".", "1E-05"},
    };
    for (const DisplayCase& c : cases) {
        const std::string text = c.Single ? SingleDisplayForm(static_cast<float>(c.Value), c.Separator)
                                          : DoubleDisplayForm(c.Value, c.Separator);
        EXPECT_EQ(text, c.Text) << c.Value;
    }
}

}  // namespace
}  // namespace pexabit
