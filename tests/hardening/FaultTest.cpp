// A catalogue of faults around the files the tool writes: the settings file cut short, the disk
// full while it is written, the scratch file ss.dat unwritable. For each the tool keeps working,
// says what happened, and keeps the last good setting. (Damaged lengths, foreign files and
// unusable folders have their own table with the settings store's tests.)
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "SettingsTestSupport.h"
#include "encode/ConvertReport.h"
#include "ui/settings/SettingsFile.h"

namespace pexabit {
namespace {

namespace fs = std::filesystem;

// Files may grow to `bytes` at most while this lives: a write beyond fails as on a full disk
// (EFBIG instead of ENOSPC, through the same failing write), and SIGXFSZ is ignored so that the
// write fails instead of ending the process. Needs no root and no mount.
struct FullDisk {
    explicit FullDisk(rlim_t bytes) : Handler(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &Previous);
        const rlimit limit{bytes, Previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &Previous);
        ::signal(SIGXFSZ, Handler);
    }
    sighandler_t Handler;
    rlimit Previous{};
};

// A first start, then the results folder chosen: the good setting every fault starts from.
class SettingsFault : public ::testing::Test, public test::StoreFixture {
protected:
    void SetUp() override {
        fs::create_directories(Results());
        Start();
        ASSERT_EQ(Store.ChangeResultsDirectory(Results()), std::nullopt);
        Messages.clear();
    }
    std::string Results() const { return Root + "results/"; }
    // The file after a fault is well-formed and holds what the tool now uses.
    void ExpectFileHoldsValuesInUse() {
        const auto reread = ReadSettingsFile(SettingsPath());
        ASSERT_TRUE(reread.has_value());
        EXPECT_EQ(reread->ResultsDirectory, Values.Record.ResultsDirectory);
    }
};

TEST_F(SettingsFault, FileCutAtEveryOffsetIsReadOrToldAndRebuilt) {
    const std::string good = EncodeSettingsFile(Values.Record);
    const std::size_t lastValueEnd = 1500 + 2 + Results().size();  // past it the bytes carry no meaning
    for (std::size_t cut = 0; cut <= good.size(); ++cut) {
        test::WriteBytes(SettingsPath(), good.substr(0, cut));
        Messages.clear();
        const auto problems = Start();
        const bool whole = cut >= lastValueEnd;
        ASSERT_EQ(Messages.size(), whole ? 0U : 1U) << "cut at " << cut;
        ASSERT_EQ(Values.Record.ResultsDirectory, whole ? Results() : Values.ProgramDirectory) << "cut at " << cut;
        ASSERT_TRUE(problems.empty()) << "cut at " << cut;
        ExpectFileHoldsValuesInUse();
    }
}

TEST_F(SettingsFault, FullDiskWhileChangingKeepsTheLastGoodSetting) {
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
    test::WriteBytes(SettingsPath(), "damaged");
    std::vector<FolderProblem> problems;
    {
        FullDisk full(1000);
        problems = Start();
    }
    EXPECT_EQ(Messages, std::vector<std::string>{CorruptSettingsMessage});
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].Reason.find("settings file cannot be written"), std::string::npos) << problems[0].Reason;
    EXPECT_EQ(Values.Record.ResultsDirectory, Values.ProgramDirectory) << "works on with the defaults";
}

struct ScratchCase {
    std::function<void(const fs::path&)> Damage;  // done to the results folder before converting
    rlim_t FileLimit;                             // RLIM_INFINITY: no limit
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
    {
        FullDisk full(GetParam().FileLimit);
        outcome = ConvertDecimal(state, "0.1", {}, ".", &folder);
    }
    ASSERT_TRUE(outcome.ScratchError.has_value()) << GetParam().Reason;
    EXPECT_NE(outcome.ScratchError->find("ss.dat"), std::string::npos) << *outcome.ScratchError;
    EXPECT_EQ(state.SingleHex + state.DoubleExact, plainState.SingleHex + plainState.DoubleExact) << GetParam().Reason;
    EXPECT_EQ(outcome.Report.size(), plain.Report.size()) << GetParam().Reason;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ScratchFault, ::testing::Values(
    ScratchCase{[](const fs::path& f) { fs::remove_all(f); test::WriteBytes(f.parent_path(), "x"); }, RLIM_INFINITY,
                "a file in the place of the results folder"},
    ScratchCase{[](const fs::path& f) { fs::create_directory(f / "ss.dat"); }, RLIM_INFINITY, "a folder named ss.dat"},
    ScratchCase{[](const fs::path&) {}, 8, "the disk is full: ss.dat needs 16 bytes"}));

}  // namespace
}  // namespace pexabit
