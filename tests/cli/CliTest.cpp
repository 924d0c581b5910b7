// The command line as a user runs it: the JSON contract (keys and their order, rejected inputs
// in place, exit codes) from arguments and from standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

struct CliRun {
    std::string Out;
    int Status = -1;
};

// Runs pexabit-cli through the shell; `arguments` is shell text, `input` goes to stdin.
CliRun RunCli(const std::string& arguments, const std::string& input = "") {
    const std::filesystem::path stdinFile =
        std::filesystem::temp_directory_path() / ("pexabit-cli-test-" + std::to_string(::getpid()));
    std::ofstream(stdinFile, std::ios::binary) << input;
    const std::string command = std::string("'") + PEXABIT_CLI + "' " + arguments + " < '" +
                                stdinFile.string() + "' 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Out.append(buffer, n);
    run.Status = WEXITSTATUS(::pclose(pipe));
    std::filesystem::remove(stdinFile);
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::vector<std::string> Keys(const std::string& jsonLine) {
    static const std::regex key("\"([A-Za-z]+)\":");
    std::vector<std::string> keys;
    for (std::sregex_iterator it(jsonLine.begin(), jsonLine.end(), key), end; it != end; ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

const std::vector<std::string> ConvertKeys = {
    "input", "OriginalNumber", "SingleOverflow", "DoubleOverflow",
    "SingleHex", "SingleSign", "SingleExponent", "SingleMantissaHex", "SingleMantissaBits",
    "SingleBinary", "SingleBinarySci", "SingleExact", "SingleExactSci",
    "DoubleHex", "DoubleSign", "DoubleExponent", "DoubleMantissaHex", "DoubleMantissaBits",
    "DoubleBinary", "DoubleBinarySci", "DoubleExact", "DoubleExactSci",
    "DoubleMinusSingle", "OriginalMinusDouble", "OriginalMinusSingle", "SingleDisplay", "DoubleDisplay"};

TEST(Cli, JsonKeysInOrder) {
    const CliRun run = RunCli("--json 0.1");
    ASSERT_EQ(run.Status, 0);
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(Keys(lines[0]), ConvertKeys);
    EXPECT_NE(lines[0].find("\"SingleHex\":\"3DCCCCCD\""), std::string::npos);
    EXPECT_NE(lines[0].find("\"SingleSign\":0,"), std::string::npos) << "integers as numbers";
    EXPECT_NE(lines[0].find("\"DoubleMinusSingle\":\"-1,4901161138336505018742172978818416595458984375e-9\""),
              std::string::npos);
}

TEST(Cli, OverflowLeavesDifferencesEmpty) {
    const CliRun run = RunCli("--json 1e309");
    EXPECT_NE(run.Out.find("\"DoubleMinusSingle\":\"\",\"OriginalMinusDouble\":\"\",\"OriginalMinusSingle\":\"\""),
              std::string::npos);
    EXPECT_NE(run.Out.find("\"DoubleOverflow\":1"), std::string::npos);
}

TEST(Cli, RejectedInputsInPlaceAndExitOne) {
    const CliRun run = RunCli("--json 1 'x y' 2");
    EXPECT_EQ(run.Status, 1);
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[1], R"({"input":"x y","error":"You entered an invalid value of the initial number"})");
    EXPECT_EQ(Keys(lines[2]), ConvertKeys);
}

TEST(Cli, HexModes) {
    const CliRun single = RunCli("--json --single-hex 7F800000 1234567G 3F800000");
    EXPECT_EQ(single.Status, 1);
    const auto lines = Lines(single.Out);
    ASSERT_EQ(lines.size(), 3U);
    const std::vector<std::string> specialKeys = {
        "input", "SingleSign", "SingleExponent", "SingleMantissaHex", "SingleMantissaBits",
        "SingleBinary", "SingleBinarySci", "SingleExact", "SingleExactSci", "SingleDisplay"};
    EXPECT_EQ(Keys(lines[0]), specialKeys);
    EXPECT_NE(lines[0].find("\"SingleExact\":\"+Infinity\""), std::string::npos);
    EXPECT_EQ(lines[1], R"({"input":"1234567G","error":"You misspelled hex-number"})");
    EXPECT_EQ(Keys(lines[2]), ConvertKeys) << "a finite pattern gives the convert report";
    EXPECT_NE(lines[2].find("\"input\":\"3F800000\",\"OriginalNumber\":\"+1,0\""), std::string::npos);

    const CliRun dbl = RunCli("--json --double-hex 123");
    EXPECT_EQ(Lines(dbl.Out).at(0), R"({"input":"123","error":"hex число должно иметь 16 цифр"})");
}

TEST(Cli, StandardInputLineByLine) {
    const CliRun run = RunCli("--json", "0.1\n\n1e39\r\nbad\n-2");
    EXPECT_EQ(run.Status, 1);
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 5U) << "an empty line is an input; the last needs no newline";
    EXPECT_NE(lines[1].find("\"input\":\"\",\"OriginalNumber\":\"+\""), std::string::npos);
    EXPECT_NE(lines[2].find("\"input\":\"1e39\",\"OriginalNumber\""), std::string::npos) << "CR dropped";
    EXPECT_NE(lines[3].find("\"error\""), std::string::npos);
    EXPECT_NE(lines[4].find("\"OriginalNumber\":\"-2\""), std::string::npos);
}

TEST(Cli, InvalidUtf8GivesValidJson) {
    const CliRun run = RunCli("--json", "1\xFF\"\\\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out).at(0),
              R"({"input":"1\ufffd\"\\","error":"You entered an invalid value of the initial number"})");
}

TEST(Cli, UsageErrors) {
    EXPECT_EQ(RunCli("--single-hex --double-hex 0").Status, 2) << "two formats";
    EXPECT_EQ(RunCli("--frobnicate 1").Status, 2) << "unknown option";
    const CliRun dashes = RunCli("--json -- -- -5");
    EXPECT_EQ(dashes.Status, 0) << "after -- every argument is a text";
    EXPECT_EQ(Lines(dashes.Out).size(), 2U);
}

TEST(Cli, ReadableReportLikeTheWindow) {
    const CliRun run = RunCli("0.1");
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("3DCCCCCD"), std::string::npos);
    EXPECT_NE(run.Out.find("S= 0   E=7B hex   M=4CCCCD hex"), std::string::npos);
    EXPECT_NE(run.Out.find("Original-Single="), std::string::npos);
}

}  // namespace
