// The loop both reports run through, in-process, with its streams in memory: which inputs it
// hands the work, the exit status, and the reason it gives when a stream fails. The work sets
// errno as a conversion may (1e309 sets ERANGE), so only the reason kept at the failure is right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/InputLoop.h"

namespace {

using namespace pexabit;

// Two bytes per read, so that the output is flushed between the lines; then the end, or Error.
struct MemorySource : ByteSource {
    std::string_view Bytes;
    int Error = 0;
    long Read(char* data, std::size_t size) override {
        if (Bytes.empty()) return -Error;
        const std::size_t n = std::min({size, Bytes.size(), std::size_t{2}});
        std::memcpy(data, Bytes.data(), n);
        Bytes.remove_prefix(n);
        return static_cast<long>(n);
    }
};

// Keeps what it is given, or fails every write with Error, leaving errno alone.
struct MemorySink : ByteSink {
    std::string Bytes;
    int Error = 0;
    int Write(std::string_view bytes) override {
        if (Error == 0) Bytes.append(bytes);
        return Error;
    }
};

// Answers "INPUT\n" ("INPUT first\n" for a stream's first line); an input starting with "-" is refused.
bool Echo(std::string_view input, bool firstLine, std::string& out) {
    errno = ERANGE;
    out.append(input).append(firstLine ? " first\n" : "\n");
    return !input.starts_with('-');
}

TEST(InputLoop, HandsOutInputsAndSaysWhyAStreamFailed) {
    const struct {
        std::vector<std::string_view> Texts;
        std::string_view Lines;
        int ReadError, WriteError, Status;
        const char *Output, *Message, *Reason;
    } rows[] = {
        {{"1", "-2"}, "", 0, 0, 1, "1\n-2\n", "", "TEXTs in order, none a stream's first line; one refused: 1"},
        {{}, "1\n2", 0, 0, 0, "1 first\n2\n", "", "lines, only the first marked as the stream's first"},
        {{}, "1\n2\n3\n", 0, ENOSPC, 2, "", "pexabit-cli: the output cannot be written: No space left on device\n",
         "a full disk at the flush before a read: its reason, though later inputs set errno"},
        {{}, "1\n2", EIO, 0, 2, "1 first\n2\n", "pexabit-cli: standard input cannot be read: Input/output error\n",
         "a failed read: the answer to each line before it, the unended last one too, then its reason"},
    };
    for (const auto& row : rows) {
        MemorySource lines;
        lines.Bytes = row.Lines;
        lines.Error = row.ReadError;
        MemorySink output, messages;
        output.Error = row.WriteError;
        EXPECT_EQ(RunInputs({row.Texts, lines, output, messages}, Echo), row.Status) << row.Reason;
        EXPECT_EQ(output.Bytes, row.Output) << row.Reason;
        EXPECT_EQ(messages.Bytes, row.Message) << row.Reason;
    }
}

}  // namespace
