#pragma once
// Input line by line and output in large writes, so that a long stream runs at full speed in
// constant memory while an interactive user (or a program talking through pipes) sees each
// answer as soon as its line was read: the output is flushed whenever reading would have to wait
// for more input. The bytes come from a ByteSource and go to a ByteSink: the standard streams
// for the program, memory for a test or a fuzzer.

#include <cstddef>
#include <string>
#include <string_view>

namespace pexabit {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads at most `size` bytes into `data`: the number read, 0 at the end of the input, or
    // -errno when reading failed (-EISDIR for a folder).
    virtual long Read(char* data, std::size_t size) = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all of `bytes`: 0, or the errno of the write that failed (ENOSPC, EPIPE, ...).
    virtual int Write(std::string_view bytes) = 0;
};

// An open file descriptor, read or written as it is: FileSource(STDIN_FILENO).
class FileSource : public ByteSource {
public:
    explicit FileSource(int fd) : fd_(fd) {}
    long Read(char* data, std::size_t size) override;

private:
    int fd_;
};

class FileSink : public ByteSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    int Write(std::string_view bytes) override;

private:
    int fd_;
};

class OutputBuffer {
public:
    explicit OutputBuffer(ByteSink& sink) : sink_(sink) {}
    std::string& Text() { return text_; }
    // Writes out what is buffered when it has grown large.
    void FlushIfLarge();
    // Writes out everything buffered. False when the sink failed, now or before.
    bool Flush();
    // The errno of the write that failed (ENOSPC, EPIPE, ...), or 0: kept at the failure, since
    // errno itself is overwritten by whatever runs later.
    int WriteError() const { return writeError_; }

private:
    ByteSink& sink_;
    std::string text_;
    int writeError_ = 0;
};

class LineReader {
public:
    LineReader(ByteSource& source, OutputBuffer& output) : source_(source), output_(output) {}
    // The next line without its "\n" (and a "\r" before it); the last line needs no "\n".
    // False at the end of the input.
    bool Next(std::string& line);
    // The errno of a failed read that ended the input early (a folder as standard input), or 0.
    int ReadError() const { return readError_; }

private:
    bool Fill();  // flushes the output, then waits for more input; false at its end
    ByteSource& source_;
    OutputBuffer& output_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool ended_ = false;
    int readError_ = 0;
};

}  // namespace pexabit
