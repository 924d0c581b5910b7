// The settings file byte for byte: the layout other copies of the tool read, and a write that
// never leaves a half-written or over-long file.

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"

namespace pexabit {
namespace {

const SettingsRecord Sample{"Pexabit", "v.1.00", "/opt/Pexabit/", "/home/ann/Результаты/"};

std::string Length(unsigned n) { return {char(n & 0xFFU), char(n >> 8U)}; }  // little-endian

TEST(SettingsFile, FourRecordsOf500BytesWithLittleEndianLengths) {
    SettingsRecord record = Sample;
    record.InstallDirectory = "/" + std::string(497, 'd');  // 498 bytes: the most a record holds
    const std::string bytes = EncodeSettingsFile(record);
    ASSERT_EQ(bytes.size(), 2000U);
    EXPECT_EQ(bytes.substr(0, 9), Length(7) + "Pexabit");
    EXPECT_EQ(bytes.substr(500, 8), Length(6) + "v.1.00");
    EXPECT_EQ(bytes.substr(1000, 2), Length(498)) << "a length beyond 255 uses the high byte";
    EXPECT_EQ(bytes.substr(1500, 33), Length(31) + Sample.ResultsDirectory) << "UTF-8 bytes, not characters";
}

TEST(SettingsFile, ReplacesTheOldFileWholeAndRefusesAnOverlongValue) {
    test::StoreFixture f;
    const std::string path = f.Root + "Pexabit.eng";
    test::WriteBytes(path, std::string(3000, 'x'));  // longer than a new file
    ASSERT_EQ(WriteSettingsFile(path, Sample), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), EncodeSettingsFile(Sample));
    EXPECT_FALSE(std::filesystem::exists(path + ".new")) << "no temporary file left";
    // A value of 499 bytes cannot be stored: refused, the old file kept.
    SettingsRecord tooLong = Sample;
    tooLong.ResultsDirectory = "/" + std::string(498, 'd');
    EXPECT_NE(WriteSettingsFile(path, tooLong), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), EncodeSettingsFile(Sample));
}

}  // namespace
}  // namespace pexabit
