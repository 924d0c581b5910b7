// The command line as a user runs it, from arguments and from standard input: answers in place,
// the exit status (0 all converted, 1 some refused, 2 usage or a failing stream) and the reason
// of a failing stream. What it prints for each input is pinned by the output guard.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestFolder.h"

namespace {

using pexabit::test::ReadBytes;

class Cli : public ::testing::Test, public pexabit::test::TempFolder {
protected:
    // Runs pexabit-cli with `arguments` (shell text), standard input from the file `input`,
    // standard output into the file `output` and standard error into Root + "err"; returns the
    // exit status.
    int Run(const std::string& arguments, const std::string& input, const std::string& output) {
        const std::string command = std::string("'") + PEXABIT_CLI + "' " + arguments + " < '" + input + "' > '" +
                                    output + "' 2> '" + Root + "err'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Writes `bytes` as the file "in" of the folder and returns its path.
    std::string Input(const std::string& bytes) {
        pexabit::test::WriteBytes(Root + "in", bytes);
        return Root + "in";
    }
};

TEST_F(Cli, AnswersEveryInputInPlace) {
    const struct {
        std::string Arguments, Input;   // standard input byte for byte
        int Status;
        std::ptrdiff_t Lines;           // output lines
        std::vector<std::string> Pieces;  // found in this order in the output
        const char* Reason;
    } cases[] = {
        {"--json 0.1", "", 0, 1, {"\"SingleHex\":\"3DCCCCCD\"", "\"SingleSign\":0,"}, "an argument; integers as numbers"},
        {"--json --single-hex 7F800000 1234567G 3F800000", "", 1, 3,
         {"\"SingleExact\":\"+Infinity\"", R"({"input":"1234567G","error":"You misspelled hex-number"})",
          "{\"input\":\"3F800000\",\"OriginalNumber\":\"+1,0\""},
         "special, refused and finite patterns: a refused one makes the status 1"},
        {"--json -- -- -5", "", 0, 2, {"{\"input\":\"--\"", "\n{\"input\":\"-5\""}, "after -- every argument is a text"},
        {"--json", "0.1\n\n1e39\r\nbad\n-2", 1, 5,
         {"\"input\":\"0.1\"", "\n{\"input\":\"\",", "\n{\"input\":\"1e39\",", "\n{\"input\":\"bad\",\"error\"",
          "\n{\"input\":\"-2\","},
         "standard input line by line: an empty line is an input, CR dropped, no final newline needed"},
        {"--json", "", 0, 0, {}, "no input at all"},
        {"--json --strict", "\xEF\xBB\xBF" "0.1\n 2 \n1.5.3\n\xEF\xBB\xBF" "1", 1, 4,
         {"{\"input\":\"0.1\",\"OriginalNumber\":\"+0,1\"", "\n{\"input\":\" 2 \",\"OriginalNumber\":\"+2\"",
          "\n{\"input\":\"1.5.3\",\"error\":\"Not a plain decimal number (character 4, '.'): a second decimal separator\"}",
          "\n{\"input\":\"\xEF\xBB\xBF" "1\",\"error\":\"Not a plain decimal number (character 1, U+FEFF)"},
         "strict: the byte order mark starting the stream and blanks at the ends are ignored, a malformed line refused"},
        {"--json -", "0.1", 0, 1, {"{\"input\":\"0.1\""}, "\"-\" reads standard input"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Arguments, Input(c.Input), Root + "out"), c.Status) << c.Reason;
        const std::string out = ReadBytes(Root + "out");
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), c.Lines) << c.Reason;
        std::size_t at = 0;
        for (const std::string& piece : c.Pieces) {
            at = out.find(piece, at);
            ASSERT_NE(at, std::string::npos) << c.Reason << ": " << piece << " in\n" << out;
        }
    }
}

// Everything but a report: help, version, usage errors and failing streams with their status (2
// for a usage error or a failing stream). Out: how standard output starts ("" = it stays empty,
// not read from /dev/full); Err: how standard error starts.
TEST_F(Cli, AnswersWithoutAReport) {
    const struct {
        std::string Arguments, Input, Output;
        int Status;
        const char *Out, *Err, *Reason;
    } cases[] = {
        {"--version", "", "out", 0, "pexabit-cli " PEXABIT_VERSION "\n", "", "the version of the CMake project"},
        {"-h", "", "out", 0, "usage: pexabit-cli", "", "help goes to standard output"},
        {"--bogus 0.1", "", "out", 2, "", "pexabit-cli: unknown option '--bogus'\nusage: pexabit-cli",
         "no report after a usage error"},
        {"--help", "", "/dev/full", 2, "", "pexabit-cli: the output cannot be written", "help that cannot be written"},
        {"", "0.1\n" + std::string(300 * 4 - 4, '\n') + "1e309\n", "/dev/full", 2, "",
         "pexabit-cli: the output cannot be written: No space left on device",
         "a full output device: the reason of the failed write, not a later errno (1e309 sets ERANGE)"},
        {"", "<folder>", "out", 2, "", "pexabit-cli: standard input cannot be read",
         "a folder as standard input: not to be taken as an empty stream"},
    };
    for (const auto& c : cases) {
        const std::string output = c.Output[0] == '/' ? c.Output : Root + c.Output;
        EXPECT_EQ(Run(c.Arguments, c.Input == "<folder>" ? Root : Input(c.Input), output), c.Status) << c.Reason;
        const std::string out = c.Output[0] == '/' ? "" : ReadBytes(output), err = ReadBytes(Root + "err");
        EXPECT_EQ(out.rfind(c.Out, 0), 0U) << c.Reason << ": " << out;
        EXPECT_TRUE(*c.Out != '\0' || out.empty()) << c.Reason << ": " << out;
        EXPECT_EQ(err.rfind(c.Err, 0), 0U) << c.Reason << ": " << err;
    }
}

}  // namespace
