#include "cli/FileValues.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "cli/InputLoop.h"

namespace pexabit {
namespace {

constexpr std::size_t ChunkBytes = 1 << 16;  // 64 KiB reads, as the line reader's
constexpr std::string_view HexDigitNames = "0123456789ABCDEF";

// The bytes of a source in order, read in large chunks: values taken, the gaps between them
// skipped (read and dropped, so that a pipe serves as well as a file).
class ByteReader {
public:
    explicit ByteReader(ByteSource& source) : source_(source) {}
    // Up to `count` bytes, appended to `hex` as digit pairs; fewer only where the source ends.
    std::size_t Take(std::size_t count, std::string& hex) {
        std::size_t taken = 0;
        for (; taken < count && Available(); ++taken, ++at_) {
            const auto byte = static_cast<unsigned char>(buffer_[at_]);
            hex.push_back(HexDigitNames[byte >> 4]);
            hex.push_back(HexDigitNames[byte & 0xF]);
        }
        position_ += taken;
        return taken;
    }
    // Moves to `offset` if the source reaches it; false where it ends before.
    bool SkipTo(std::uint64_t offset) {
        while (position_ < offset && Available()) {
            const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(offset - position_, size_ - at_));
            at_ += step;
            position_ += step;
        }
        return position_ == offset;
    }
    std::uint64_t Position() const { return position_; }
    int Error() const { return error_; }

private:
    // True while a byte is at hand; reads the next chunk when the buffer is used up.
    bool Available() {
        if (at_ < size_) return true;
        if (ended_) return false;
        const long got = source_.Read(buffer_.data(), buffer_.size());
        if (got < 0) error_ = static_cast<int>(-got);
        ended_ = got <= 0;
        at_ = 0;
        size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        return size_ > 0;
    }
    ByteSource& source_;
    std::vector<char> buffer_ = std::vector<char>(ChunkBytes);
    std::size_t at_ = 0, size_ = 0;
    std::uint64_t position_ = 0;
    bool ended_ = false;
    int error_ = 0;
};

// Why the file holds no (whole) value at `value.Offset`, or "" when it holds one.
std::string Shortness(const FileRead& read, std::uint64_t index, std::size_t taken, int width, std::uint64_t end) {
    if (taken > 0) {
        return "the file ends after " + std::to_string(taken) + " of the " + std::to_string(width) +
               " bytes of this value; nothing is padded";
    }
    if (end < read.Offset) {
        return "the file ends at byte " + std::to_string(end) + ", before --offset " + std::to_string(read.Offset);
    }
    return "the file ends at byte " + std::to_string(end) + ", after " + std::to_string(index) + " of the " +
           std::to_string(*read.Count) + " values --count asks for";
}

// Answers the values of `source` until the count is reached or the file ends; the status of
// the values (0 or 1), or -errno when the source failed.
int AnswerValues(const FileRead& read, int width, ByteSource& source, OutputBuffer& output, const FileValueWork& work) {
    ByteReader bytes(source);
    const std::uint64_t stride = read.Stride.value_or(static_cast<std::uint64_t>(width));
    bool allConverted = true;
    FileValue value;
    for (std::uint64_t index = 0; !read.Count || index < *read.Count; ++index) {
        value.Offset = read.Offset + index * stride;
        value.Hex.clear();
        const std::size_t taken = bytes.SkipTo(value.Offset) ? bytes.Take(static_cast<std::size_t>(width), value.Hex) : 0;
        if (bytes.Error() != 0) return -bytes.Error();
        const bool whole = taken == static_cast<std::size_t>(width);
        // Without --count the file simply ends between two values (or at --offset itself).
        if (!whole && taken == 0 && !read.Count && bytes.Position() >= read.Offset) break;
        value.Short = whole ? std::string() : Shortness(read, index, taken, width, bytes.Position());
        allConverted &= work(value, output.Text()) && whole;
        output.FlushIfLarge();
        if (!whole) break;
    }
    return allConverted ? ExitConverted : ExitRefused;
}

}  // namespace

int RunFileValues(const FileRead& read, int width, ByteSource& standardInput, ByteSink& output, ByteSink& messages,
                  const FileValueWork& work) {
    const bool fromStandardInput = read.Path == "-";
    std::string name = fromStandardInput ? "standard input" : "'";  // appended to: GCC 12 warns on "'" + path
    if (!fromStandardInput) name.append(read.Path).append("'");
    const int fd = fromStandardInput ? -1 : ::open(std::string(read.Path).c_str(), O_RDONLY | O_CLOEXEC);
    if (!fromStandardInput && fd < 0) {
        const int error = errno;  // before the message's text is built
        return Failed(messages, name.append(" cannot be opened"), error);
    }
    FileSource file(fd);
    OutputBuffer answers(output);
    const int status = AnswerValues(read, width, fromStandardInput ? standardInput : file, answers, work);
    if (fd >= 0) ::close(fd);
    if (status < 0) {
        answers.Flush();
        return Failed(messages, name.append(" cannot be read"), -status);
    }
    if (!answers.Flush()) return Failed(messages, "the output cannot be written", answers.WriteError());
    return status;
}

}  // namespace pexabit
