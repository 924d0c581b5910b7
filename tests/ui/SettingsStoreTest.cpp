// The settings at start-up and when the results directory changes: first start, read-back,
// damaged and foreign files, folders the tool cannot use, and the choices it refuses.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"

namespace fs = std::filesystem;

namespace pexabit {
namespace {

using test::StoreFixture;

TEST(SettingsStartup, FirstStartCreatesFolderFileAndDateFolders) {
    StoreFixture f;
    EXPECT_TRUE(f.Start().empty());
    EXPECT_TRUE(f.Messages.empty());
    EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults()));
    EXPECT_TRUE(fs::is_directory(f.Values.ProgramDirectory + "2026/December"));
}

TEST(SettingsStartup, ReadsBackTheStoredResultsDirectory) {
    StoreFixture f;
    const std::string results = f.Root + "results/";
    fs::create_directories(results);
    fs::create_directories(f.Values.ProgramDirectory);
    test::WriteBytes(f.SettingsPath(), EncodeSettingsFile({"Pexabit", "v.1.00", "/old/", results}));
    EXPECT_TRUE(f.Start().empty());
    EXPECT_TRUE(f.Messages.empty());
    EXPECT_EQ(f.Values.Record.ResultsDirectory, results);
    EXPECT_EQ(f.Values.Record.InstallDirectory, "/old/");
    EXPECT_TRUE(fs::is_directory(results + "2026/December"));
    EXPECT_FALSE(fs::exists(f.Values.ProgramDirectory + "2026")) << "only the results folder";
}

// A stored file with one length set to `length` in record `record` (0..3).
std::string WithLength(std::size_t record, unsigned length) {
    std::string bytes = EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", "/b/"});
    bytes[record * 500] = char(length & 0xFFU);
    bytes[record * 500 + 1] = char(length >> 8U);
    return bytes;
}

std::string RandomBytes() {
    std::mt19937 generator(7);  // fixed seed: the first length read is far beyond 498
    std::string bytes(2000, '\0');
    for (char& b : bytes) b = char(generator() & 0xFFU);
    return bytes;
}

struct StoredCase {
    const char* Reason;
    std::string Bytes;
    bool Told;  // the user hears the file was corrupted; else it is rebuilt silently
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.Reason; }

class StoredFileTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredFileTest, IsRebuiltWithTheDefaults) {
    StoreFixture f;
    fs::create_directories(f.Values.ProgramDirectory);
    test::WriteBytes(f.SettingsPath(), GetParam().Bytes);
    EXPECT_TRUE(f.Start().empty());
    EXPECT_EQ(f.Messages, GetParam().Told ? std::vector<std::string>{CorruptSettingsMessage}
                                          : std::vector<std::string>{});
    EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults()));
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoredFileTest,
    testing::Values(
        StoredCase{"the name one byte too long: 499", WithLength(0, 499), true},
        StoredCase{"the version reaching into the next record", WithLength(1, 500), true},
        StoredCase{"the largest length two bytes hold", WithLength(2, 0xFFFF), true},
        StoredCase{"high bit set: negative if read as a 16-bit integer", WithLength(3, 0x8000), true},
        StoredCase{"truncated inside the third record", WithLength(0, 7).substr(0, 1001), true},
        StoredCase{"an empty file", "", true},
        StoredCase{"random bytes", RandomBytes(), true},
        StoredCase{"another program's name", EncodeSettingsFile({"Pexabyte", "v.1.00", "/a/", "/tmp/"}), false},
        StoredCase{"the name is compared case-sensitively", EncodeSettingsFile({"pexabit", "v.1.00", "/a/", "/tmp/"}), false},
        StoredCase{"another version", EncodeSettingsFile({"Pexabit", "v.0.99", "/a/", "/tmp/"}), false}));

struct FolderCase {
    const char* Reason;
    std::function<std::string(StoreFixture&)> Damage;  // returns the folder that must be named
    const char* Said;                                  // part of the message naming it
    bool SettingKept;  // the stored results directory survives; else the defaults are used
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.Reason; }

class FolderFaultTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderFaultTest, IsNamedOnceAndWorkGoesOn) {
    StoreFixture f;
    const std::string named = GetParam().Damage(f);
    const auto problems = f.Start();
    ASSERT_EQ(problems.size(), 1U) << GetParam().Reason;
    EXPECT_EQ(problems[0].Folder, named);
    EXPECT_NE(DescribeFolderProblems(problems).find(GetParam().Said), std::string::npos)
        << DescribeFolderProblems(problems);
    EXPECT_EQ(f.Values.Record.ResultsDirectory, GetParam().SettingKept ? named : f.Values.ProgramDirectory);
}

// Stores `results` as the results directory, then lets `damage` act on it.
std::string Stored(StoreFixture& f, const std::string& results, void (*damage)(const std::string&)) {
    fs::create_directories(f.Values.ProgramDirectory);
    test::WriteBytes(f.SettingsPath(), EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", results}));
    damage(results);
    return results;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderFaultTest,
    testing::Values(
        FolderCase{"a file in the place of the program folder (also the results folder: named once)",
                   [](StoreFixture& f) { test::WriteBytes(f.Root + "Pexabit", "x"); return f.Values.ProgramDirectory; },
                   "file", false},
        FolderCase{"the stored results folder was removed",
                   [](StoreFixture& f) { return Stored(f, f.Root + "gone/", [](const std::string&) {}); },
                   "the folder does not exist", true},
        FolderCase{"a file in the place of the stored results folder",
                   [](StoreFixture& f) {
                       return Stored(f, f.Root + "results/", [](const std::string& r) { test::WriteBytes(r.substr(0, r.size() - 1), "x"); });
                   }, "Conversions still work", true}));

TEST(SettingsFaults, SettingsFileThatIsAFolderIsCorruptAndNamed) {
    StoreFixture f;
    fs::create_directories(f.SettingsPath() + "/inside");
    const auto problems = f.Start();
    EXPECT_EQ(f.Messages, std::vector<std::string>{CorruptSettingsMessage});
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].Folder, f.Values.ProgramDirectory);
}

// A change of the results directory after a clean first start.
struct ChangeCase {
    const char* Reason;
    std::string Chosen;    // relative to the fixture's root unless absolute
    std::string Expected;  // the results directory afterwards; "" = refused, the default kept
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.Reason; }

class ChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTest, StoresOrRefusesAndKeepsThePrevious) {
    const ChangeCase& c = GetParam();
    StoreFixture f;
    ASSERT_TRUE(f.Start().empty());
    fs::create_directories(f.Root + "data");
    test::WriteBytes(f.Root + "afile", "x");
    const auto inRoot = [&](const std::string& p) { return p.front() == '/' ? p : f.Root + p; };
    const auto refusal = f.Store.ChangeResultsDirectory(inRoot(c.Chosen));
    EXPECT_EQ(refusal.has_value(), c.Expected.empty()) << c.Reason;
    const std::string expected = c.Expected.empty() ? f.Values.ProgramDirectory : inRoot(c.Expected);
    EXPECT_EQ(f.Values.Record.ResultsDirectory, expected) << c.Reason;
    EXPECT_EQ(ReadSettingsFile(f.SettingsPath())->ResultsDirectory, expected) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ChangeTest,
    testing::Values(ChangeCase{"a separator is appended", "data", "data/"},
                    ChangeCase{"a trailing separator is kept", "data/", "data/"},
                    ChangeCase{"the root is stored unchanged", "/", "/"},
                    ChangeCase{"a path beyond 498 bytes cannot be stored", "data/" + std::string(500, 'x'), ""},
                    ChangeCase{"a file is no folder", "afile", ""},
                    ChangeCase{"a folder that does not exist", "missing", ""}));

TEST(SettingsChange, UnwritableSettingsFileKeepsThePrevious) {
    StoreFixture f;
    ASSERT_TRUE(f.Start().empty());
    fs::create_directories(f.Root + "data");
    fs::remove_all(f.Values.ProgramDirectory);
    test::WriteBytes(f.Root + "Pexabit", "x");  // the settings can no longer be written
    const auto refusal = f.Store.ChangeResultsDirectory(f.Root + "data");
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("cannot be written"), std::string::npos) << *refusal;
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
}

}  // namespace
}  // namespace pexabit
