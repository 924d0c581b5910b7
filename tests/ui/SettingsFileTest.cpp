// The settings file byte for byte: layout, read-back, and what counts as damage.

#include <gtest/gtest.h>

#include <filesystem>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"

namespace pexabit {
namespace {

const SettingsRecord Sample{"Pexabit", "v.1.00", "/opt/Pexabit/", "/home/ann/Результаты/"};

// The bytes of one 2-byte little-endian length.
std::string Length(std::size_t n) {
    return {static_cast<char>(n & 0xFFU), static_cast<char>(n >> 8U)};
}

TEST(SettingsFileLayout, FourRecordsOf500BytesWithLittleEndianLengths) {
    const std::string bytes = EncodeSettingsFile(Sample);
    ASSERT_EQ(bytes.size(), 2000U);
    EXPECT_EQ(bytes.substr(0, 9), Length(7) + "Pexabit");
    EXPECT_EQ(bytes.substr(500, 8), Length(6) + "v.1.00");
    EXPECT_EQ(bytes.substr(1000, 2 + 13), Length(13) + "/opt/Pexabit/");
    // The length counts UTF-8 bytes, not characters: "Результаты" is 20 bytes.
    EXPECT_EQ(bytes.substr(1500, 2), Length(Sample.ResultsDirectory.size()));
    EXPECT_EQ(Sample.ResultsDirectory.size(), 31U);
}

TEST(SettingsFileLayout, LengthBeyond255UsesTheHighByte) {
    SettingsRecord record = Sample;
    record.ResultsDirectory = "/" + std::string(497, 'd');  // 498 bytes: the most a record holds
    const std::string bytes = EncodeSettingsFile(record);
    EXPECT_EQ(bytes.substr(1500, 2), std::string("\xF2\x01", 2));  // 0x01F2 == 498
    EXPECT_EQ(DecodeSettingsFile(bytes)->ResultsDirectory, record.ResultsDirectory);
}

TEST(SettingsFileRead, AcceptsAFileThatEndsRightAfterTheFourthValue) {
    // A writer may stop after the last value instead of filling its record.
    std::string bytes = EncodeSettingsFile(Sample);
    bytes.resize(1500 + 2 + Sample.ResultsDirectory.size());
    const auto record = DecodeSettingsFile(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->ResultsDirectory, Sample.ResultsDirectory);
}

TEST(SettingsFileRead, ReadsBackWhatWasWritten) {
    test::TemporaryFolder folder;
    const std::string path = folder.Path() + "Pexabit.eng";
    ASSERT_FALSE(WriteSettingsFile(path, Sample).has_value());
    const auto record = ReadSettingsFile(path);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->ProgramName, Sample.ProgramName);
    EXPECT_EQ(record->ProgramVersion, Sample.ProgramVersion);
    EXPECT_EQ(record->InstallDirectory, Sample.InstallDirectory);
    EXPECT_EQ(record->ResultsDirectory, Sample.ResultsDirectory);
}

TEST(SettingsFileWrite, ReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.Path() + "Pexabit.eng";
    test::WriteBytes(path, std::string(3000, 'x'));  // longer than a new file
    ASSERT_FALSE(WriteSettingsFile(path, Sample).has_value());
    EXPECT_EQ(test::ReadBytes(path), EncodeSettingsFile(Sample));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

TEST(SettingsFileWrite, FailsWithAReasonWhenTheFolderIsAFile) {
    test::TemporaryFolder folder;
    test::WriteBytes(folder.Path() + "plain", "not a folder");
    const auto why = WriteSettingsFile(folder.Path() + "plain/Pexabit.eng", Sample);
    ASSERT_TRUE(why.has_value());
    EXPECT_FALSE(why->empty());
}

TEST(SettingsFileWrite, RefusesAValueLongerThan498BytesAndKeepsTheOldFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.Path() + "Pexabit.eng";
    ASSERT_FALSE(WriteSettingsFile(path, Sample).has_value());
    SettingsRecord tooLong = Sample;
    tooLong.ResultsDirectory = "/" + std::string(498, 'd');
    EXPECT_TRUE(WriteSettingsFile(path, tooLong).has_value());
    EXPECT_EQ(test::ReadBytes(path), EncodeSettingsFile(Sample));
}

}  // namespace
}  // namespace pexabit
