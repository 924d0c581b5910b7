// A catalogue of faults around the files the tool writes: the settings file cut short, the disk
// full while it is written, the disk full while ss.dat is written. For each the tool keeps working,
// says what happened, and keeps the last good setting. (Damaged lengths, foreign files and
// unusable folders have their own table with the settings store's tests.)
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"
#include "window_report/ConvertReport.h"

namespace pexabit {
namespace {

namespace fs = std::filesystem;

// Runs `work` while files may grow to `bytes` at most and returns what it returns: a write
// beyond fails as on a full disk (EFBIG instead of ENOSPC, through the same failing write), with
// SIGXFSZ ignored so that the write fails instead of ending the process. Needs no root and no
// mount. RLIM_INFINITY: no limit.
template <typename Work>
auto UnderFileLimit(rlim_t bytes, Work work) {
    const sighandler_t handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limit{bytes, previous.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto result = work();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, handler);
    return result;
}

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
    // The results directory the file holds now; "<unreadable>" when it cannot be read.
    std::string StoredResults() const {
        return ReadSettingsFile(SettingsPath()).value_or(SettingsRecord{"", "", "", "<unreadable>"}).ResultsDirectory;
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
        ASSERT_EQ(StoredResults(), Values.Record.ResultsDirectory) << "cut at " << cut;
        ASSERT_TRUE(fs::is_directory(Values.Record.ResultsDirectory + "2026/December")) << "cut at " << cut;
    }
}

TEST_F(SettingsFault, FullDiskWhileChangingKeepsTheLastGoodSetting) {
    fs::create_directories(Root + "other");
    // The settings file needs 2000 bytes.
    const auto refusal = UnderFileLimit(1000, [&] { return Store.ChangeResultsDirectory(Root + "other"); });
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("cannot be written"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("stays " + Results()), std::string::npos) << *refusal;
    EXPECT_EQ(Values.Record.ResultsDirectory, Results());
    EXPECT_EQ(StoredResults(), Results());
    EXPECT_FALSE(fs::exists(SettingsPath() + ".new")) << "no half-written file is left behind";
}

// The disk fills while ss.dat (16 bytes) is written: said, and the conversion right.
TEST_F(SettingsFault, ScratchFileOnAFullDiskIsSaidAndTheConversionRight) {
    const fs::path folder = Results();
    ConversionState state;
    ConvertResult outcome;
    UnderFileLimit(8, [&] {
        ConvertText(state, "0.1", ConvertSettings{".", &folder}, outcome);
        return 0;
    });
    ASSERT_TRUE(outcome.ScratchError.has_value());
    EXPECT_NE(outcome.ScratchError->find("ss.dat"), std::string::npos) << *outcome.ScratchError;
    EXPECT_EQ(outcome.OriginalMinusSingle, "-1,490116119384765625e-9") << "0.1's report as without ss.dat";
}

}  // namespace
}  // namespace pexabit
