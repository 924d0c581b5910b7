#include "SettingsTestSupport.h"

#include <fstream>
#include <iterator>
#include <random>

namespace pexabit::test {

TemporaryFolder::TemporaryFolder() {
    std::random_device seed;
    Root = std::filesystem::temp_directory_path() /
           ("pexabit-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(Root);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Root, ignored);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pexabit::test
