#include "cli/Streams.h"

#include <cerrno>
#include <unistd.h>

namespace pexabit {
namespace {

// 64 KiB: the buffer stays in the processor's cache while the reports are copied into it, and a
// pipe takes it in one write.
constexpr std::size_t LargeOutput = 1 << 16;
constexpr std::size_t ReadChunk = 1 << 16;    // 64 KiB, the usual pipe capacity

}  // namespace

long FileSource::Read(char* data, std::size_t size) {
    ssize_t got = 0;
    do {
        got = ::read(fd_, data, size);
    } while (got < 0 && errno == EINTR);
    return got < 0 ? -errno : got;
}

int FileSink::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

void OutputBuffer::FlushIfLarge() {
    if (text_.size() >= LargeOutput) Flush();
}

bool OutputBuffer::Flush() {
    if (writeError_ == 0 && !text_.empty()) writeError_ = sink_.Write(text_);
    text_.clear();
    return writeError_ == 0;
}

bool LineReader::Fill() {
    output_.Flush();
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    const std::size_t old = buffer_.size();
    buffer_.resize(old + ReadChunk);
    const long got = source_.Read(buffer_.data() + old, ReadChunk);
    if (got < 0) readError_ = static_cast<int>(-got);
    buffer_.resize(old + static_cast<std::size_t>(got > 0 ? got : 0));
    return got > 0;
}

bool LineReader::Next(std::string& line) {
    std::size_t searchFrom = start_;
    for (;;) {
        const std::size_t newline = buffer_.find('\n', searchFrom);
        if (newline != std::string::npos) {
            line.assign(buffer_, start_, newline - start_);
            start_ = newline + 1;
            break;
        }
        searchFrom = buffer_.size() - start_;  // offset kept across the compaction in Fill
        if (ended_ || !Fill()) {
            ended_ = true;
            if (start_ >= buffer_.size()) return false;
            line.assign(buffer_, start_, std::string::npos);
            start_ = buffer_.size();
            break;
        }
        searchFrom = searchFrom + start_;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace pexabit
