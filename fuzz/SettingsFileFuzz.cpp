// Arbitrary bytes as the settings file Pexabit.eng, read as start-up reads it. Properties:
// reading never fails; either the four values are read as stored, without a message, or the
// user is told once that the file was damaged and the defaults are used; either way the file is
// afterwards well-formed and holds exactly the values in use. (The values are not used as
// folders here: a fuzzed results directory must not create folders on the machine.)
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ui/settings/SettingsFile.h"
#include "ui/settings/SettingsStore.h"

namespace {

using namespace pexabit;
using fuzz::Require;

// One program folder for the whole run, on a memory file system when there is one, so that the
// flush of every rewrite costs nothing.
const std::string& ProgramFolder() {
    // Never destroyed, so that the clean-up at exit can still read it.
    static const std::string* const folder = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/pexabit-fuzz-XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        std::atexit([] { std::filesystem::remove_all(std::filesystem::path(ProgramFolder()).parent_path().parent_path()); });
        return new std::string(pattern + "/Pexabit/");
    }();
    return *folder;
}

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b) {
    return a.ProgramName == b.ProgramName && a.ProgramVersion == b.ProgramVersion &&
           a.InstallDirectory == b.InstallDirectory && a.ResultsDirectory == b.ResultsDirectory;
}

// The record as the file layout defines it, read independently of the reader under test:
// value n at byte 500 * n, a 2-byte little-endian length of at most 498, then the bytes.
std::optional<SettingsRecord> ReferenceRecord(const std::string& bytes) {
    std::vector<std::string> values;
    for (std::size_t offset = 0; offset < 2000; offset += 500) {
        if (bytes.size() < offset + 2) return std::nullopt;
        const std::size_t length = static_cast<unsigned char>(bytes[offset]) +
                                   256U * static_cast<unsigned char>(bytes[offset + 1]);
        if (length > 498 || bytes.size() < offset + 2 + length) return std::nullopt;
        values.push_back(bytes.substr(offset + 2, length));
    }
    return SettingsRecord{values[0], values[1], values[2], values[3]};
}

SettingsRecord Defaults() {
    return {std::string(ProgramNameText), std::string(ProgramVersionText), ProgramFolder(), ProgramFolder()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::filesystem::create_directories(ProgramFolder());
    const std::string path = ProgramFolder() + "Pexabit.eng";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));

    SettingsValues values;
    values.ProgramDirectory = ProgramFolder();
    values.SettingsFileName = "Pexabit.eng";
    std::vector<std::string> messages;
    SettingsStore store(values, [&messages](const std::string& m) { messages.push_back(m); });
    const auto rewriteProblem = store.ReadSettings();

    const auto stored = ReferenceRecord(bytes);
    if (stored) {
        Require(messages.empty(), "a readable file is read without a message");
        Require(SameRecord(values.Record, *stored), "the stored values are used");
    } else {
        Require(messages.size() == 1 && messages[0] == CorruptSettingsMessage,
                "a damaged file is announced once");
        Require(SameRecord(values.Record, Defaults()), "a damaged file gives the defaults");
        Require(!rewriteProblem.has_value(), "a damaged file is rebuilt", rewriteProblem.value_or(""));
    }
    const auto reread = ReadSettingsFile(path);
    Require(reread.has_value() && SameRecord(*reread, values.Record),
            "afterwards the file is well-formed and holds the values in use");
    return 0;
}
