#pragma once
// A fresh temporary folder per test, and small file helpers for the settings tests.

#include <filesystem>
#include <string>

namespace pexabit::test {

// Creates an empty folder under the system's temporary folder; removes it with its content.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The folder's path with a trailing "/".
    std::string Path() const { return Root.string() + "/"; }

private:
    std::filesystem::path Root;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace pexabit::test
