// The command line fed bad standard input: every line gets its own answer, the exit status says
// whether all were converted, and a failing output is reported instead of passing silently.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace {

struct CliCase {
    std::string Options;
    std::string Input;   // standard input, byte for byte
    int ExitStatus;      // 0 all converted, 1 some refused
    std::size_t Lines;   // JSON answers expected
    std::size_t Errors;  // of which refusals
    const char* Reason;
};

void PrintTo(const CliCase& c, std::ostream* os) { *os << c.Reason; }

const CliCase Cases[] = {
    {"--json", "", 0, 0, 0, "no input at all"},
    {"--json", "0.1\n\xFF\xFE\n1,5\n", 1, 3, 1, "bytes that are not UTF-8 refuse only their line"},
    {"--json", std::string("1\0" "2\n3\n", 5), 1, 2, 1, "a NUL byte inside a line"},
    {"--json", std::string(1 << 20, '9') + "\n", 0, 1, 0, "a line of a megabyte of digits"},
    {"--json --single-hex", "3dcccccd\n0x3DCCCC\n3DCC\n", 1, 3, 2, "hex lines: lower case, 0x, short"},
    {"--json --double-hex", "\xD0\x96\n", 1, 1, 1, "a Cyrillic letter as a Double pattern"},
};

// A fresh folder per test for the input, output and error streams of one run.
class CliRunner : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "pexabit-cli-XXXXXX").string();
        Folder = std::string(::mkdtemp(pattern.data())) + "/";
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    // Runs the command line with `input` on standard input; returns the exit status.
    int Run(const std::string& options, const std::string& input, const std::string& output) {
        std::ofstream(Folder + "in", std::ios::binary).write(input.data(), std::streamsize(input.size()));
        const std::string command = std::string(PEXABIT_CLI) + " " + options + " < " + Folder + "in > " + output +
                                    " 2> " + Folder + "err";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Read(const std::string& name) {
        std::ifstream file(Folder + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::string Folder;
};

class CommandLineInput : public CliRunner, public ::testing::WithParamInterface<CliCase> {};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_P(CommandLineInput, AnswersEveryLine) {
    const CliCase& c = GetParam();
    EXPECT_EQ(Run(c.Options, c.Input, Folder + "out"), c.ExitStatus) << c.Reason;
    const std::string out = Read("out");
    EXPECT_EQ(Count(out, "\n"), c.Lines) << c.Reason;
    EXPECT_EQ(Count(out, "\"error\":"), c.Errors) << c.Reason;
    // The output is valid UTF-8 whatever came in: the bytes FF and FE never occur in UTF-8.
    EXPECT_EQ(out.find_first_of("\xFF\xFE"), std::string::npos) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CommandLineInput, ::testing::ValuesIn(Cases));

TEST_F(CliRunner, FullOutputIsReportedWithStatusTwo) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    EXPECT_EQ(Run("", "0.1\n", "/dev/full"), 2);
    EXPECT_NE(Read("err").find("cannot be written"), std::string::npos) << Read("err");
}

TEST_F(CliRunner, UnreadableInputIsReportedWithStatusTwo) {
    // A folder as standard input fails to read: that must not pass as an empty stream.
    const std::string command = std::string(PEXABIT_CLI) + " < " + Folder + " 2> " + Folder + "err";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_NE(Read("err").find("cannot be read"), std::string::npos) << Read("err");
}

}  // namespace
