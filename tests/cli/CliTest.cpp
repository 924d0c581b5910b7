// The command line as a user runs it: the JSON contract (keys and their order, rejected inputs
// in place, exit codes 0/1/2) from arguments and from standard input, and the readable report.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct CliRun {
    std::string Out, Err;
    int Status = -1;
};

// Runs pexabit-cli through the shell; `arguments` is shell text, `input` goes to stdin.
CliRun RunCli(const std::string& arguments, const std::string& input) {
    const std::filesystem::path stdinFile =
        std::filesystem::temp_directory_path() / ("pexabit-cli-test-" + std::to_string(::getpid()));
    const std::filesystem::path stderrFile = stdinFile.string() + ".err";
    std::ofstream(stdinFile, std::ios::binary) << input;
    const std::string command = std::string("'") + PEXABIT_CLI + "' " + arguments + " < '" + stdinFile.string() +
                                "' 2>'" + stderrFile.string() + "'";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Out.append(buffer, n);
    run.Status = WEXITSTATUS(::pclose(pipe));
    std::ifstream err(stderrFile, std::ios::binary);
    run.Err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(stdinFile);
    std::filesystem::remove(stderrFile);
    return run;
}

constexpr const char* Invalid = R"(","error":"You entered an invalid value of the initial number"})";

TEST(Cli, AnswersEveryInputInPlace) {
    const struct {
        const char* Arguments;
        const char* Input;
        int Status;
        int Lines;  // -1: not counted
        std::vector<std::string> Pieces;  // found in this order in the output
        const char* Reason;
    } cases[] = {
        {"--json 0.1", "", 0, 1,
         {"\"SingleHex\":\"3DCCCCCD\"", "\"SingleSign\":0,",
          "\"DoubleMinusSingle\":\"-1,4901161138336505018742172978818416595458984375e-9\""},
         "one line; integers as numbers"},
        {"--json 1e309", "", 0, 1,
         {"\"DoubleOverflow\":1", "\"DoubleMinusSingle\":\"\",\"OriginalMinusDouble\":\"\",\"OriginalMinusSingle\":\"\""},
         "overflow leaves the differences empty"},
        {"--json --single-hex 7F800000 1234567G 3F800000", "", 1, 3,
         {"\"SingleExact\":\"+Infinity\"", R"({"input":"1234567G","error":"You misspelled hex-number"})",
          "{\"input\":\"3F800000\",\"OriginalNumber\":\"+1,0\""},
         "special, refused and finite patterns; a finite one gives the convert report"},
        {"--json", "0.1\n\n1e39\r\nbad\n-2", 1, 5,
         {"\"input\":\"0.1\"", "\n{\"input\":\"\",\"OriginalNumber\":\"+\"", "\n{\"input\":\"1e39\",\"OriginalNumber\"",
          "\n{\"input\":\"bad\",\"error\"", "\n{\"input\":\"-2\",\"OriginalNumber\":\"-2\""},
         "standard input line by line: an empty line is an input, CR dropped, no final newline needed"},
        {"--json", "1\xFF\"\\\n", 1, 1, {std::string(R"({"input":"1\ufffd\"\\)") + Invalid}, "invalid UTF-8 gives valid JSON"},
        {"--json -- -- -5", "", 0, 2, {"{\"input\":\"--\"", "\n{\"input\":\"-5\""}, "after -- every argument is a text"},
        {"--single-hex --double-hex 0", "", 2, 0, {}, "two formats"},
        {"--json --strict", "\xEF\xBB\xBF" "0.1\n 2 \n1.5.3\n\xEF\xBB\xBF" "1", 1, 4,
         {"{\"input\":\"0.1\",\"OriginalNumber\":\"+0,1\"", "\n{\"input\":\" 2 \",\"OriginalNumber\":\"+2\"",
          "\n{\"input\":\"1.5.3\",\"error\":\"Not a plain decimal number (character 4, '.'): a second decimal separator\"}",
          "\n{\"input\":\"\xEF\xBB\xBF" "1\",\"error\":\"Not a plain decimal number (character 1, U+FEFF)"},
         "strict: the byte order mark starting the stream and blanks at the ends are ignored, a malformed line refused"},
        {"--json -", "0.1", 0, 1, {"{\"input\":\"0.1\""}, "\"-\" reads standard input"},
        {"0.1", "", 0, -1, {"3DCCCCCD", "S= 0   E=7B hex   M=4CCCCD hex", "Original-Single="}, "readable report"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.Arguments, c.Input);
        EXPECT_EQ(run.Status, c.Status) << c.Reason;
        const auto lines = static_cast<int>(std::count(run.Out.begin(), run.Out.end(), '\n'));
        EXPECT_EQ(c.Lines < 0 ? c.Lines : lines, c.Lines) << c.Reason;
        std::size_t at = 0;
        for (const std::string& piece : c.Pieces) {
            at = run.Out.find(piece, at);
            ASSERT_NE(at, std::string::npos) << c.Reason << ": " << piece << " in\n" << run.Out;
        }
    }
}

TEST(Cli, AnswersHelpVersionAndUsageErrors) {
    const struct {
        const char* Arguments;
        int Status;
        const char *OutStart, *ErrStart, *Reason;
    } cases[] = {
        {"--version", 0, "pexabit-cli " PEXABIT_VERSION "\n", "", "the version of the CMake project"},
        {"-h", 0, "usage: pexabit-cli", "", "help goes to standard output"},
        {"--bogus 0.1", 2, "", "pexabit-cli: unknown option '--bogus'\nusage: pexabit-cli", "no report after a usage error"},
        {"--help >/dev/full", 2, "", "pexabit-cli: the output cannot be written", "help that cannot be written"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.Arguments, "");
        EXPECT_EQ(run.Status, c.Status) << c.Reason;
        EXPECT_EQ(run.Out.rfind(c.OutStart, 0), 0U) << c.Reason << ": " << run.Out;
        EXPECT_EQ(run.Err.rfind(c.ErrStart, 0), 0U) << c.Reason << ": " << run.Err;
        if (*c.OutStart == '\0') {
            EXPECT_EQ(run.Out, "") << c.Reason;
        }
    }
}

// The keys of a one-line JSON object: every quoted text followed by a colon (no value here
// holds a quote followed by a colon).
std::vector<std::string> Keys(const std::string& jsonLine) {
    std::vector<std::string> keys;
    for (std::size_t end = jsonLine.find("\":"); end != std::string::npos; end = jsonLine.find("\":", end + 2)) {
        const std::size_t open = jsonLine.rfind('"', end - 1);
        keys.push_back(jsonLine.substr(open + 1, end - open - 1));
    }
    return keys;
}

TEST(Cli, JsonKeysInOrder) {
    const std::vector<std::string> convertKeys = {
        "input", "OriginalNumber", "SingleOverflow", "DoubleOverflow",
        "SingleHex", "SingleSign", "SingleExponent", "SingleMantissaHex", "SingleMantissaBits",
        "SingleBinary", "SingleBinarySci", "SingleExact", "SingleExactSci",
        "DoubleHex", "DoubleSign", "DoubleExponent", "DoubleMantissaHex", "DoubleMantissaBits",
        "DoubleBinary", "DoubleBinarySci", "DoubleExact", "DoubleExactSci",
        "DoubleMinusSingle", "OriginalMinusDouble", "OriginalMinusSingle", "SingleDisplay", "DoubleDisplay"};
    const std::vector<std::string> specialKeys = {
        "input", "SingleSign", "SingleExponent", "SingleMantissaHex", "SingleMantissaBits",
        "SingleBinary", "SingleBinarySci", "SingleExact", "SingleExactSci", "SingleDisplay"};
    EXPECT_EQ(Keys(RunCli("--json 0.1", "").Out), convertKeys);
    EXPECT_EQ(Keys(RunCli("--json --single-hex FFC00000", "").Out), specialKeys);
}

}  // namespace
