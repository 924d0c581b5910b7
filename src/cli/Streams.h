#pragma once
// Standard input line by line and standard output in large writes, so that a long stream runs
// at full speed in constant memory while an interactive user (or a program talking through
// pipes) sees each answer as soon as its line was read: the output is flushed whenever reading
// would have to wait for more input.

#include <string>

namespace pexabit {

class OutputBuffer {
public:
    std::string& Text() { return text_; }
    // Writes out what is buffered when it has grown large.
    void FlushIfLarge();
    // Writes out everything buffered. False when standard output failed, now or before.
    bool Flush();
    // The errno of the write that failed (ENOSPC, EPIPE, ...), or 0: kept at the failure, since
    // errno itself is overwritten by whatever runs later.
    int WriteError() const { return writeError_; }

private:
    std::string text_;
    int writeError_ = 0;
};

class LineReader {
public:
    explicit LineReader(OutputBuffer& output) : output_(output) {}
    // The next line without its "\n" (and a "\r" before it); the last line needs no "\n".
    // False at the end of the input.
    bool Next(std::string& line);
    // The errno of a failed read that ended the input early (a folder as standard input), or 0.
    int ReadError() const { return readError_; }

private:
    bool Fill();  // flushes the output, then waits for more input; false at its end
    OutputBuffer& output_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool ended_ = false;
    int readError_ = 0;
};

}  // namespace pexabit
