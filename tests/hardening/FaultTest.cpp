// A catalogue of faults around the files the tool writes: the settings file damaged, cut short
// or unwritable, the disk full while it is written, the results folder gone or replaced. For
// each the tool keeps working, says what happened, and keeps the last good setting.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "encode/ConvertReport.h"
#include "ui/settings/SettingsFile.h"
#include "ui/settings/SettingsStore.h"

namespace pexabit {
namespace {

namespace fs = std::filesystem;

// Files may grow to `bytes` at most while this lives: a write beyond fails as on a full disk
// (EFBIG instead of ENOSPC, through the same failing write). Needs no root and no mount.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        previousHandler = ::signal(SIGXFSZ, SIG_IGN);  // fail the write instead of ending the process
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        ::signal(SIGXFSZ, previousHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous{};
    sighandler_t previousHandler;
};

// A program folder Pexabit/ and a results folder in a fresh temporary folder (in memory where
// possible: the truncation sweep rewrites the settings file two thousand times).
class SettingsFault : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "pexabit-fault-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Root = pattern + "/";
        fs::create_directories(Root + "results");
        Values.ProgramDirectory = Root + "Pexabit/";
        Values.SettingsFileName = "Pexabit.eng";
    }
    void TearDown() override { fs::remove_all(Root); }

    std::string Results() const { return Root + "results/"; }
    std::string SettingsPath() const { return Values.ProgramDirectory + Values.SettingsFileName; }

    // A first start, then the results folder chosen: the good setting every fault starts from.
    void StartWithGoodSetting() {
        Store.PrepareAtStartup(2026, "December");
        ASSERT_EQ(Store.ChangeResultsDirectory(Results()), std::nullopt);
        Messages.clear();
    }

    // The file after a fault is well-formed and holds what the tool now uses.
    void ExpectFileHoldsValuesInUse() {
        const auto reread = ReadSettingsFile(SettingsPath());
        ASSERT_TRUE(reread.has_value());
        EXPECT_EQ(reread->ResultsDirectory, Values.Record.ResultsDirectory);
    }

    std::string Root;
    SettingsValues Values;
    std::vector<std::string> Messages;
    SettingsStore Store{Values, [this](const std::string& m) { Messages.push_back(m); }};
};

TEST_F(SettingsFault, FileCutAtEveryOffsetIsReadOrToldAndRebuilt) {
    StartWithGoodSetting();
    const std::string good = EncodeSettingsFile(Values.Record);
    const std::size_t lastValueEnd = 3 * SettingsRecordLength + SettingsLengthBytes + Results().size();
    for (std::size_t cut = 0; cut <= good.size(); ++cut) {
        std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc).write(good.data(), static_cast<std::streamsize>(cut));
        Messages.clear();
        const auto problems = Store.PrepareAtStartup(2026, "December");
        const bool whole = cut >= lastValueEnd;  // the bytes after the last value carry no meaning
        ASSERT_EQ(Messages.size(), whole ? 0U : 1U) << "cut at " << cut;
        ASSERT_EQ(Values.Record.ResultsDirectory, whole ? Results() : Values.ProgramDirectory) << "cut at " << cut;
        ASSERT_TRUE(problems.empty()) << "cut at " << cut;
        ExpectFileHoldsValuesInUse();
    }
}

struct LengthCase {
    std::size_t Record;  // 0..3
    unsigned Length;     // the stored length, beyond 498
    const char* Reason;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.Reason; }

class SettingsLengthFault : public SettingsFault, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(SettingsLengthFault, IsToldOnceAndRebuiltWithDefaults) {
    StartWithGoodSetting();
    std::string bytes = EncodeSettingsFile(Values.Record);
    const std::size_t at = GetParam().Record * SettingsRecordLength;
    bytes[at] = static_cast<char>(GetParam().Length & 0xFFU);
    bytes[at + 1] = static_cast<char>(GetParam().Length >> 8U);
    std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(Store.PrepareAtStartup(2026, "December").empty()) << GetParam().Reason;
    EXPECT_EQ(Messages, std::vector<std::string>{CorruptSettingsMessage}) << GetParam().Reason;
    EXPECT_EQ(Values.Record.ResultsDirectory, Values.ProgramDirectory) << GetParam().Reason;
    ExpectFileHoldsValuesInUse();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SettingsLengthFault, ::testing::Values(
    LengthCase{0, 499, "the name one byte too long"},
    LengthCase{1, 500, "the version reaching into the next record"},
    LengthCase{2, 0xFFFF, "the largest length two bytes hold"},
    LengthCase{3, 499, "the results directory one byte too long"},
    LengthCase{3, 0x8000, "a length with the high bit set (negative as a 16-bit integer)"}));

TEST_F(SettingsFault, ReadOnlySettingsFileIsStillReplacedWhole) {
    StartWithGoodSetting();
    fs::permissions(SettingsPath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directories(Root + "other");
    // The file is replaced by a rename in its folder, which the file's own mode does not stop.
    EXPECT_EQ(Store.ChangeResultsDirectory(Root + "other"), std::nullopt);
    ExpectFileHoldsValuesInUse();
}

TEST_F(SettingsFault, FullDiskWhileChangingKeepsTheLastGoodSetting) {
    StartWithGoodSetting();
    fs::create_directories(Root + "other");
    std::optional<std::string> refusal;
    {
        FullDisk full(1000);  // the settings file needs 2000 bytes
        refusal = Store.ChangeResultsDirectory(Root + "other");
    }
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("cannot be written"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("stays " + Results()), std::string::npos) << *refusal;
    EXPECT_EQ(Values.Record.ResultsDirectory, Results());
    ExpectFileHoldsValuesInUse();
    EXPECT_FALSE(fs::exists(SettingsPath() + ".new")) << "no half-written file is left behind";
}

TEST_F(SettingsFault, FullDiskWhileRebuildingADamagedFileIsNamedAtStartUp) {
    StartWithGoodSetting();
    std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc) << "damaged";
    std::vector<FolderProblem> problems;
    {
        FullDisk full(1000);
        problems = Store.PrepareAtStartup(2026, "December");
    }
    EXPECT_EQ(Messages, std::vector<std::string>{CorruptSettingsMessage});
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].Reason.find("settings file cannot be written"), std::string::npos) << problems[0].Reason;
    EXPECT_EQ(Values.Record.ResultsDirectory, Values.ProgramDirectory) << "works on with the defaults";
}

TEST_F(SettingsFault, ResultsFolderReplacedByAFileIsNamedAndTheSettingKept) {
    StartWithGoodSetting();
    fs::remove_all(Results());
    std::ofstream(Root + "results") << "a file";
    const auto problems = Store.PrepareAtStartup(2026, "December");
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].Folder, Results());
    EXPECT_NE(DescribeFolderProblems(problems).find("Conversions still work"), std::string::npos);
    EXPECT_EQ(Values.Record.ResultsDirectory, Results()) << "the setting survives a bad folder";
    ExpectFileHoldsValuesInUse();
}

struct ScratchCase {
    std::function<void(const fs::path&)> Damage;  // done to the results folder before converting
    rlim_t FileLimit;                             // 0: no limit
    const char* Reason;
};

void PrintTo(const ScratchCase& c, std::ostream* os) { *os << c.Reason; }

class ScratchFault : public SettingsFault, public ::testing::WithParamInterface<ScratchCase> {};

TEST_P(ScratchFault, ConversionIsRightAndTheFailureSaid) {
    const fs::path folder = Results();
    GetParam().Damage(folder);
    ConversionState plainState, state;
    const ConvertOutcome plain = ConvertDecimal(plainState, "0.1", {}, ".", nullptr);
    ConvertOutcome outcome;
    if (GetParam().FileLimit != 0) {
        FullDisk full(GetParam().FileLimit);
        outcome = ConvertDecimal(state, "0.1", {}, ".", &folder);
    } else {
        outcome = ConvertDecimal(state, "0.1", {}, ".", &folder);
    }
    ASSERT_TRUE(outcome.ScratchError.has_value()) << GetParam().Reason;
    EXPECT_NE(outcome.ScratchError->find("ss.dat"), std::string::npos) << *outcome.ScratchError;
    EXPECT_EQ(state.SingleHex, plainState.SingleHex) << GetParam().Reason;
    EXPECT_EQ(state.DoubleExact, plainState.DoubleExact) << GetParam().Reason;
    EXPECT_EQ(outcome.Report.size(), plain.Report.size()) << GetParam().Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ScratchFault, ::testing::Values(
    ScratchCase{[](const fs::path& f) { fs::remove_all(f); }, 0, "the results folder was removed"},
    ScratchCase{[](const fs::path& f) {
                    fs::remove_all(f);
                    std::ofstream(f.parent_path()) << "a file";
                }, 0, "a file in the place of the results folder"},
    ScratchCase{[](const fs::path& f) { fs::create_directory(f / "ss.dat"); }, 0, "a folder named ss.dat"},
    ScratchCase{[](const fs::path&) {}, 8, "the disk is full: ss.dat needs 16 bytes"}));

}  // namespace
}  // namespace pexabit
