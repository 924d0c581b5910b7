// The settings: the file byte for byte (the layout other copies of the tool read, a write that
// never leaves a half-written or over-long file), the store at start-up and when the results
// directory changes (damaged and foreign files, folders the tool cannot use, the choices it
// refuses), and the texts start-up builds (the program directory from the environment, the
// English month name for the date folders).

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "ui/settings/ProgramDirectory.h"
#include "ui/settings/SettingsFile.h"
#include "ui/settings/StartupTexts.h"

namespace fs = std::filesystem;

namespace pexabit {
namespace {

std::string Length(unsigned n) { return {char(n & 0xFFU), char(n >> 8U)}; }  // little-endian

// A stored file with one length set to `length` in record `record` (0..3).
std::string WithLength(std::size_t record, unsigned length) {
    return EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", "/b/"}).replace(record * 500, 2, Length(length));
}

// A stored file that cannot be used is rebuilt with the defaults; damage is told, a file of
// another program or version is replaced silently.
TEST(SettingsStartup, UnusableFileIsRebuiltWithTheDefaults) {
    const struct {
        const char* Reason;
        std::string Bytes;
        bool Told;
    } cases[] = {
        {"the name one byte too long: 499", WithLength(0, 499), true},
        {"high bit set: negative if read as a 16-bit integer", WithLength(3, 0x8000), true},
        {"the name is compared case-sensitively", EncodeSettingsFile({"pexabit", "v.1.00", "/a/", "/tmp/"}), false},
        {"another version", EncodeSettingsFile({"Pexabit", "v.0.99", "/a/", "/tmp/"}), false},
    };
    for (const auto& c : cases) {
        test::StoreFixture f;
        fs::create_directories(f.Values.ProgramDirectory);
        test::WriteBytes(f.SettingsPath(), c.Bytes);
        EXPECT_TRUE(f.Start().empty()) << c.Reason;
        EXPECT_EQ(f.Messages.size(), c.Told ? 1U : 0U) << c.Reason;
        EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults())) << c.Reason;
        EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory) << c.Reason;
    }
}

// The stored results folder at start-up: used as the folder it names (the date folders made
// inside it, the file left as it is), or a folder the tool cannot use named once while the work
// goes on. Paths are relative to the fixture's root.
TEST(SettingsStartup, StoredResultsFolderIsUsedOrNamedOnce) {
    const struct {
        const char* Reason;
        const char* Stored;   // the results directory in a valid settings file; nullptr = first start
        const char* Blocker;  // a file put there; ending in "/": a folder
        const char* Named;    // the folder named as unusable; nullptr = none
        const char* Said;     // part of what the user is told
        const char* Used;     // the results directory afterwards; nullptr = the program directory
        std::size_t Told;     // messages shown at once (a corrupt file, an empty folder)
    } cases[] = {
        {"a file in the place of the program folder (also the results folder: named once)", nullptr, "Pexabit",
         "Pexabit/", "file", nullptr, 0},
        {"the stored results folder was removed", "gone/", "", "gone/", "the folder does not exist", "gone/", 0},
        {"a file in the place of the stored results folder", "results/", "results", "results/",
         "Conversions still work", "results/", 0},
        {"the settings file is a folder: corrupt, and it cannot be rebuilt", nullptr, "Pexabit/Pexabit.eng/inside/",
         "Pexabit/", "settings file cannot be written", nullptr, 1},
        {"no trailing separator: the date folders go inside the folder", "res", "res/", nullptr, "", "res/", 0},
        {"empty: the program folder serves this run", "", "", nullptr, "is empty", nullptr, 1},
    };
    for (const auto& c : cases) {
        test::StoreFixture f;
        std::string stored;
        if (c.Stored != nullptr) {
            fs::create_directories(f.Values.ProgramDirectory);
            const std::string folder = *c.Stored != '\0' ? f.Root + c.Stored : "";
            stored = EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", folder});
            test::WriteBytes(f.SettingsPath(), stored);
        }
        const std::string blocker = f.Root + c.Blocker;  // the root itself when there is none
        if (blocker.back() == '/') fs::create_directories(blocker);
        else test::WriteBytes(blocker, "x");
        const auto problems = f.Start();
        ASSERT_EQ(problems.size(), c.Named != nullptr ? 1U : 0U) << c.Reason;
        EXPECT_EQ(problems.empty() ? "" : problems[0].Folder, c.Named != nullptr ? f.Root + c.Named : "") << c.Reason;
        std::string told = DescribeFolderProblems(problems);
        for (const std::string& m : f.Messages) told += m;
        EXPECT_NE(told.find(c.Said), std::string::npos) << c.Reason << ": " << told;
        EXPECT_EQ(f.Messages.size(), c.Told) << c.Reason;
        const std::string& results = f.Values.Record.ResultsDirectory;
        EXPECT_EQ(results, c.Used != nullptr ? f.Root + c.Used : f.Values.ProgramDirectory) << c.Reason;
        EXPECT_TRUE(!problems.empty() || fs::is_directory(results + "2026/December")) << c.Reason;
        EXPECT_TRUE(c.Stored == nullptr || test::ReadBytes(f.SettingsPath()) == stored) << c.Reason << ": rewritten";
    }
}

// A change of the results directory after a clean first start: stored, or refused with the
// previous one kept. Paths are relative to the fixture's root unless absolute.
TEST(SettingsChange, StoresOrRefusesAndKeepsThePrevious) {
    const struct {
        const char* Reason;
        std::string Chosen;
        std::string Expected;  // the results directory afterwards; "" = refused, the default kept
    } cases[] = {
        {"a trailing separator is kept", "data/", "data/"},
        {"a path beyond 498 bytes cannot be stored", "data/" + std::string(500, 'x'), ""},
        {"a file is no folder", "afile", ""},
        {"an empty path is refused, not read beyond its end", "", ""},
    };
    for (const auto& c : cases) {
        test::StoreFixture f;
        ASSERT_TRUE(f.Start().empty());
        fs::create_directories(f.Root + "data");
        test::WriteBytes(f.Root + "afile", "x");
        const auto inRoot = [&](const std::string& p) { return p.empty() || p.front() == '/' ? p : f.Root + p; };
        const auto refusal = f.Store.ChangeResultsDirectory(inRoot(c.Chosen));
        EXPECT_EQ(refusal.has_value(), c.Expected.empty()) << c.Reason;
        const std::string expected = c.Expected.empty() ? f.Values.ProgramDirectory : inRoot(c.Expected);
        EXPECT_EQ(f.Values.Record.ResultsDirectory, expected) << c.Reason;
        EXPECT_EQ(ReadSettingsFile(f.SettingsPath())->ResultsDirectory, expected) << c.Reason;
    }
}

const SettingsRecord Sample{"Pexabit", "v.1.00", "/opt/Pexabit/", "/home/ann/Результаты/"};

// A write over a longer old file: four records of 500 bytes, the old file replaced whole (the
// temporary file's fate on a failed write is the fault tests' concern). A value of 499 bytes
// cannot be stored: refused, the file kept.
TEST(SettingsFile, FourRecordsOf500BytesWithLittleEndianLengths) {
    const test::TempFolder folder;
    const std::string path = folder.Root + "Pexabit.eng";
    test::WriteBytes(path, std::string(3000, 'x'));
    SettingsRecord record = Sample;
    record.InstallDirectory = "/" + std::string(497, 'd');  // 498 bytes: the most a record holds
    ASSERT_EQ(WriteSettingsFile(path, record), std::nullopt);
    const std::string bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 2000U);
    EXPECT_EQ(bytes.substr(0, 9), Length(7) + "Pexabit");
    EXPECT_EQ(bytes.substr(500, 8), Length(6) + "v.1.00");
    EXPECT_EQ(bytes.substr(1000, 2), Length(498)) << "a length beyond 255 uses the high byte";
    EXPECT_EQ(bytes.substr(1500, 33), Length(31) + Sample.ResultsDirectory) << "UTF-8 bytes, not characters";
    record.ResultsDirectory = "/" + std::string(498, 'd');
    EXPECT_NE(WriteSettingsFile(path, record), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), bytes);
}

TEST(ProgramDirectory, BuildsTheFolderFromTheEnvironment) {
    const struct {
        const char* Reason;
        const char *ProgramFiles, *XdgDataHome, *Home, *Expected;
    } cases[] = {
        {"no doubled separator", "/opt/apps/", nullptr, "/h", "/opt/apps/Pexabit/"},
        {"leading blanks removed, trailing kept", "  /opt/my apps ", nullptr, "/h", "/opt/my apps /Pexabit/"},
        {"ProgramFiles wins over the data folder", "/p", "/xdg", "/h", "/p/Pexabit/"},
        {"unset: XDG_DATA_HOME", nullptr, "/xdg/data", "/h", "/xdg/data/Pexabit/"},
        {"only blanks count as unset", "   ", "/xdg", "/h", "/xdg/Pexabit/"},
        {"no XDG_DATA_HOME: ~/.local/share", nullptr, "", "/h", "/h/.local/share/Pexabit/"},
        {"no HOME either: the root", nullptr, nullptr, nullptr, "/Pexabit/"}};
    for (const auto& c : cases) {
        EXPECT_EQ(BuildProgramDirectory(c.ProgramFiles, c.XdgDataHome, c.Home), c.Expected) << c.Reason;
    }
}

// The last row and an English name passing unchanged are seen in the window's first starts.
TEST(EnglishMonthName, TranslatesOnlyTheTwelveRussianNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Январь", "January"},   // first row
        {"декабрь", "декабрь"}};  // lower case is not in the table
    for (const auto& [name, english] : cases) EXPECT_EQ(EnglishMonthName(name), english) << name;
}

}  // namespace
}  // namespace pexabit
