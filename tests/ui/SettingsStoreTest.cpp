// The settings at start-up and when the results directory changes: first start, read-back,
// damaged and foreign files, and folders the tool cannot use.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"
#include "ui/settings/SettingsStore.h"

namespace fs = std::filesystem;

namespace pexabit {
namespace {

constexpr int Year = 2026;
const std::string Month = "December";

// A store over a program directory inside a fresh temporary folder, collecting its messages.
class StoreFixture {
public:
    StoreFixture() : Store(Values, [this](const std::string& m) { Messages.push_back(m); }) {
        Values.ProgramDirectory = Folder.Path() + "Pexabit/";
        Values.SettingsFileName = "Pexabit.eng";
    }
    std::string SettingsPath() const { return Values.ProgramDirectory + "Pexabit.eng"; }
    SettingsRecord Defaults() const {
        return {"Pexabit", "v.1.00", Values.ProgramDirectory, Values.ProgramDirectory};
    }
    void PutFile(const std::string& bytes) {
        fs::create_directories(Values.ProgramDirectory);
        test::WriteBytes(SettingsPath(), bytes);
    }

    test::TemporaryFolder Folder;
    SettingsValues Values;
    std::vector<std::string> Messages;
    SettingsStore Store;
};

TEST(SettingsStartup, FirstStartCreatesFolderFileAndDateFolders) {
    StoreFixture f;
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(f.Messages.empty());
    EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults()));
    EXPECT_TRUE(fs::is_directory(f.Values.ProgramDirectory + "2026/December"));
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
}

TEST(SettingsStartup, ReadsBackTheStoredResultsDirectory) {
    StoreFixture f;
    const std::string results = f.Folder.Path() + "results/";
    fs::create_directories(results);
    f.PutFile(EncodeSettingsFile({"Pexabit", "v.1.00", "/old/install/", results}));
    EXPECT_TRUE(f.Store.PrepareAtStartup(Year, Month).empty());
    EXPECT_TRUE(f.Messages.empty());
    EXPECT_EQ(f.Values.Record.ResultsDirectory, results);
    EXPECT_EQ(f.Values.Record.InstallDirectory, "/old/install/");
    EXPECT_TRUE(fs::is_directory(results + "2026/December"));
    EXPECT_FALSE(fs::exists(f.Values.ProgramDirectory + "2026")) << "only the results folder";
}

std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& b : bytes) b = static_cast<char>(generator() & 0xFFU);
    return bytes;
}

struct CorruptCase {
    const char* Reason;
    std::string Bytes;
};

class SettingsCorruptTest : public testing::TestWithParam<CorruptCase> {};

TEST_P(SettingsCorruptTest, ToldOnceThenRebuiltWithDefaults) {
    StoreFixture f;
    f.PutFile(GetParam().Bytes);
    EXPECT_TRUE(f.Store.PrepareAtStartup(Year, Month).empty());
    ASSERT_EQ(f.Messages.size(), 1U) << GetParam().Reason;
    EXPECT_EQ(f.Messages[0], CorruptSettingsMessage);
    EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults()));
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
}

std::string WithLength499() {
    std::string bytes = EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", "/b/"});
    bytes[1500] = static_cast<char>(0xF3);  // 499 = 0x01F3
    bytes[1501] = 0x01;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Damage, SettingsCorruptTest,
    testing::Values(
        CorruptCase{"a stored length of 499", WithLength499()},
        CorruptCase{"truncated inside the third record",
                    EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", "/b/"}).substr(0, 1001)},
        CorruptCase{"cut inside the fourth value",
                    EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", "/bbbbbb/"}).substr(0, 1505)},
        CorruptCase{"an empty file", ""},
        // seed 7: the first length read is far beyond 498
        CorruptCase{"random bytes", RandomBytes(2000, 7)}));

struct ForeignCase {
    const char* Reason;
    SettingsRecord Stored;
};

class SettingsForeignTest : public testing::TestWithParam<ForeignCase> {};

TEST_P(SettingsForeignTest, RebuiltSilently) {
    StoreFixture f;
    f.PutFile(EncodeSettingsFile(GetParam().Stored));
    EXPECT_TRUE(f.Store.PrepareAtStartup(Year, Month).empty());
    EXPECT_TRUE(f.Messages.empty()) << GetParam().Reason;
    EXPECT_EQ(test::ReadBytes(f.SettingsPath()), EncodeSettingsFile(f.Defaults()));
}

INSTANTIATE_TEST_SUITE_P(
    WrongIdentity, SettingsForeignTest,
    testing::Values(ForeignCase{"other name", {"Pexabyte", "v.1.00", "/a/", "/tmp/"}},
                    ForeignCase{"name compared case-sensitively", {"pexabit", "v.1.00", "/a/", "/tmp/"}},
                    ForeignCase{"other version", {"Pexabit", "v.2.00", "/a/", "/tmp/"}},
                    ForeignCase{"empty name and version", {"", "", "", ""}}));

TEST(SettingsFaults, ProgramFolderReplacedByAFileIsNamedOnceAndWorkGoesOn) {
    StoreFixture f;
    test::WriteBytes(f.Folder.Path() + "Pexabit", "a file where the folder belongs");
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    ASSERT_EQ(problems.size(), 1U) << "the results folder is the same folder: named once";
    EXPECT_EQ(problems[0].Folder, f.Values.ProgramDirectory);
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
    const std::string message = DescribeFolderProblems(problems);
    EXPECT_NE(message.find(f.Values.ProgramDirectory), std::string::npos);
    EXPECT_NE(message.find("file"), std::string::npos);
}

TEST(SettingsFaults, ProgramFolderUnderAFileCannotBeCreated) {
    StoreFixture f;
    test::WriteBytes(f.Folder.Path() + "blocker", "x");
    f.Values.ProgramDirectory = f.Folder.Path() + "blocker/Pexabit/";
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].Folder, f.Values.ProgramDirectory);
    EXPECT_NE(problems[0].Reason.find("cannot be created"), std::string::npos);
}

TEST(SettingsFaults, RemovedResultsFolderIsNamedAndSettingsKept) {
    StoreFixture f;
    const std::string gone = f.Folder.Path() + "gone/";
    f.PutFile(EncodeSettingsFile({"Pexabit", "v.1.00", "/a/", gone}));
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].Folder, gone);
    EXPECT_EQ(problems[0].Reason, "the folder does not exist");
    EXPECT_EQ(f.Values.Record.ResultsDirectory, gone) << "the user's choice is not thrown away";
}

TEST(SettingsFaults, SettingsFileThatIsAFolderIsCorruptAndNamed) {
    StoreFixture f;
    fs::create_directories(f.SettingsPath() + "/inside");
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    EXPECT_EQ(f.Messages.size(), 1U);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].Folder, f.Values.ProgramDirectory);
}

TEST(SettingsFaults, ReadOnlyProgramFolderIsNamed) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    StoreFixture f;
    fs::create_directories(f.Values.ProgramDirectory);
    fs::permissions(f.Values.ProgramDirectory, fs::perms::owner_read | fs::perms::owner_exec);
    const auto problems = f.Store.PrepareAtStartup(Year, Month);
    fs::permissions(f.Values.ProgramDirectory, fs::perms::owner_all);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0].Folder, f.Values.ProgramDirectory);
}

// Change of the results directory: each case starts after a clean first start.
struct ChangeCase {
    const char* Reason;
    std::string Chosen;  // relative to the temporary folder unless absolute
    bool Stored;
    std::string Expected;  // the results directory afterwards ("" = the default)
};

class SettingsChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(SettingsChangeTest, StoresOrRefusesAndKeepsThePrevious) {
    const ChangeCase& c = GetParam();
    StoreFixture f;
    ASSERT_TRUE(f.Store.PrepareAtStartup(Year, Month).empty());
    fs::create_directories(f.Folder.Path() + "data");
    test::WriteBytes(f.Folder.Path() + "afile", "x");
    const std::string chosen = c.Chosen.front() == '/' ? c.Chosen : f.Folder.Path() + c.Chosen;
    const auto refusal = f.Store.ChangeResultsDirectory(chosen);
    EXPECT_EQ(!refusal.has_value(), c.Stored) << c.Reason;
    const std::string expected =
        c.Expected.empty() ? f.Values.ProgramDirectory
                           : (c.Expected.front() == '/' ? c.Expected : f.Folder.Path() + c.Expected);
    EXPECT_EQ(f.Values.Record.ResultsDirectory, expected) << c.Reason;
    EXPECT_EQ(ReadSettingsFile(f.SettingsPath())->ResultsDirectory, expected) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SettingsChangeTest,
    testing::Values(
        ChangeCase{"a separator is appended", "data", true, "data/"},
        ChangeCase{"a trailing separator is kept", "data/", true, "data/"},
        ChangeCase{"the root is stored unchanged", "/", true, "/"},
        ChangeCase{"a path beyond 498 bytes cannot be stored", "data/" + std::string(500, 'x'),
                   false, ""},
        ChangeCase{"a file is no folder", "afile", false, ""},
        ChangeCase{"a folder that does not exist", "missing", false, ""}));

TEST(SettingsChange, UnwritableSettingsFileKeepsThePrevious) {
    StoreFixture f;
    ASSERT_TRUE(f.Store.PrepareAtStartup(Year, Month).empty());
    fs::create_directories(f.Folder.Path() + "data");
    // The program folder becomes a file: the settings cannot be written any more.
    fs::remove_all(f.Values.ProgramDirectory);
    test::WriteBytes(f.Folder.Path() + "Pexabit", "x");
    const auto refusal = f.Store.ChangeResultsDirectory(f.Folder.Path() + "data");
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("cannot be written"), std::string::npos);
    EXPECT_EQ(f.Values.Record.ResultsDirectory, f.Values.ProgramDirectory);
}

}  // namespace
}  // namespace pexabit
