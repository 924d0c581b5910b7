#pragma once
// Files for the tests: a fresh folder per test (in memory where the machine has one: some tests
// rewrite the settings file thousands of times), and whole files read and written byte for byte.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pexabit::test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// Root is a fresh folder ending in "/", removed with all it holds when the test ends.
struct TempFolder {
    TempFolder() {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "pexabit-test-XXXXXX").string();
        Root = std::string(::mkdtemp(pattern.data())) + "/";
    }
    ~TempFolder() { std::filesystem::remove_all(Root); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Root;
};

}  // namespace pexabit::test
