#pragma once
// What the settings tests share: a fresh folder per test (in memory where the machine has one:
// some tests rewrite the settings file thousands of times) and a store over a program folder
// inside it that collects its messages instead of showing them.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/settings/SettingsStore.h"

namespace pexabit::test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// Root is "<fresh folder>/"; the program directory is Root + "Pexabit/", not yet created.
struct StoreFixture {
    StoreFixture() {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "pexabit-test-XXXXXX").string();
        Root = std::string(::mkdtemp(pattern.data())) + "/";
        Values.ProgramDirectory = Root + "Pexabit/";
        Values.SettingsFileName = "Pexabit.eng";
    }
    ~StoreFixture() { std::filesystem::remove_all(Root); }
    StoreFixture(const StoreFixture&) = delete;
    StoreFixture& operator=(const StoreFixture&) = delete;

    std::string SettingsPath() const { return Values.ProgramDirectory + "Pexabit.eng"; }
    SettingsRecord Defaults() const { return {"Pexabit", "v.1.00", Values.ProgramDirectory, Values.ProgramDirectory}; }
    std::vector<FolderProblem> Start() { return Store.PrepareAtStartup(2026, "December"); }

    std::string Root;
    SettingsValues Values;
    std::vector<std::string> Messages;
    SettingsStore Store{Values, [this](const std::string& m) { Messages.push_back(m); }};
};

}  // namespace pexabit::test
