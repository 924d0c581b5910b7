// The command line fed bad standard input: every line gets its own answer, the exit status says
// whether all were converted, and a stream that fails is reported instead of passing silently.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "TestFolder.h"

namespace {

using pexabit::test::ReadBytes;

// A fresh folder per test for the input, output and error streams of the runs.
class CliRunner : public ::testing::Test, public pexabit::test::TempFolder {
protected:
    // Runs the command line reading the file `input` and writing the file `output`; returns the
    // exit status. Standard error goes to the file "err" of the folder.
    int Run(const std::string& options, const std::string& input, const std::string& output) {
        const std::string command =
            std::string(PEXABIT_CLI) + " " + options + " < " + input + " > " + output + " 2> " + Root + "err";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Writes `bytes` as the file "in" of the folder and returns its path.
    std::string Input(const std::string& bytes) {
        pexabit::test::WriteBytes(Root + "in", bytes);
        return Root + "in";
    }
};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(CliRunner, AnswersEveryLine) {
    const struct {
        std::string Options, Input;  // standard input byte for byte
        int ExitStatus;              // 0 all converted, 1 some refused
        std::size_t Lines, Errors;   // JSON answers expected, and of these the refusals
        const char* Reason;
    } cases[] = {
        {"--json", "", 0, 0, 0, "no input at all"},
        {"--json", "0.1\n\xFF\xFE\n1,5\n", 1, 3, 1, "bytes that are not UTF-8 refuse only their line"},
        {"--json", std::string("1\0" "2\n3\n", 5), 1, 2, 1, "a NUL byte inside a line"},
        {"--json --single-hex", "3dcccccd\n0x3DCCCC\n3DCC\n", 1, 3, 2, "hex lines: lower case, 0x, short"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Options, Input(c.Input), Root + "out"), c.ExitStatus) << c.Reason;
        const std::string out = ReadBytes(Root + "out");
        EXPECT_EQ(Count(out, "\n"), c.Lines) << c.Reason;
        EXPECT_EQ(Count(out, "\"error\":"), c.Errors) << c.Reason;
        // The output is valid UTF-8 whatever came in: the bytes FF and FE never occur in UTF-8.
        EXPECT_EQ(out.find_first_of("\xFF\xFE"), std::string::npos) << c.Reason;
    }
}

TEST_F(CliRunner, FailingStreamIsReportedWithStatusTwo) {
    const struct {
        std::string Input, Output;
        const char *Said, *Reason;
    } cases[] = {
        {Input(std::string(300 * 4, '\n').replace(0, 4, "0.1\n") + "1e309\n"), "/dev/full",
         "cannot be written: No space left on device",
         "a full output device: the reason of the failed write, not a later errno (1e309 sets ERANGE)"},
        {Root, Root + "out", "cannot be read", "a folder as standard input: not to be taken as an empty stream"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("", c.Input, c.Output), 2) << c.Reason;
        EXPECT_NE(ReadBytes(Root + "err").find(c.Said), std::string::npos) << ReadBytes(Root + "err");
    }
}

}  // namespace
