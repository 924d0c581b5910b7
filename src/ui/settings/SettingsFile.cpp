#include "ui/settings/SettingsFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace pexabit {
namespace {

std::array<const std::string*, SettingsValueCount> ValuesInFileOrder(const SettingsRecord& r) {
    return {&r.ProgramName, &r.ProgramVersion, &r.InstallDirectory, &r.ResultsDirectory};
}

// One value at `offset`, or nullopt when its length or its bytes do not fit.
std::optional<std::string> DecodeValue(const std::string& bytes, std::size_t offset) {
    if (bytes.size() < offset + SettingsLengthBytes) return std::nullopt;
    const auto low = static_cast<unsigned char>(bytes[offset]);
    const auto high = static_cast<unsigned char>(bytes[offset + 1]);
    const std::size_t length = low | (static_cast<std::size_t>(high) << 8U);
    if (length > SettingsMaxValueBytes) return std::nullopt;
    if (bytes.size() < offset + SettingsLengthBytes + length) return std::nullopt;
    return bytes.substr(offset + SettingsLengthBytes, length);
}

std::string ErrnoText() { return std::strerror(errno); }

// Writes all of `bytes` to a new file and flushes it to disk; nullopt on success.
std::optional<std::string> WriteNewFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return ErrnoText();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = ErrnoText();
            ::close(fd);
            return why;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) return ErrnoText();
    return std::nullopt;
}

}  // namespace

std::string EncodeSettingsFile(const SettingsRecord& record) {
    std::string bytes(SettingsRecordLength * SettingsValueCount, '\0');
    std::size_t offset = 0;
    for (const std::string* value : ValuesInFileOrder(record)) {
        bytes[offset] = static_cast<char>(value->size() & 0xFFU);
        bytes[offset + 1] = static_cast<char>((value->size() >> 8U) & 0xFFU);
        bytes.replace(offset + SettingsLengthBytes, value->size(), *value);
        offset += SettingsRecordLength;
    }
    return bytes;
}

std::optional<SettingsRecord> DecodeSettingsFile(const std::string& bytes) {
    SettingsRecord record;
    std::array<std::string*, SettingsValueCount> fields = {
        &record.ProgramName, &record.ProgramVersion, &record.InstallDirectory,
        &record.ResultsDirectory};
    for (std::size_t n = 0; n < SettingsValueCount; ++n) {
        auto value = DecodeValue(bytes, n * SettingsRecordLength);
        if (!value) return std::nullopt;
        *fields[n] = std::move(*value);
    }
    return record;
}

std::optional<std::string> WriteSettingsFile(const std::string& path, const SettingsRecord& record) {
    for (const std::string* value : ValuesInFileOrder(record)) {
        if (value->size() > SettingsMaxValueBytes) {
            return "the value \"" + *value + "\" is longer than 498 bytes";
        }
    }
    const std::string temporary = path + ".new";
    if (auto why = WriteNewFile(temporary, EncodeSettingsFile(record))) {
        ::unlink(temporary.c_str());
        return why;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string why = ErrnoText();
        ::unlink(temporary.c_str());
        return why;
    }
    return std::nullopt;
}

std::optional<SettingsRecord> ReadSettingsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes(SettingsRecordLength * SettingsValueCount, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return DecodeSettingsFile(bytes);
}

}  // namespace pexabit
