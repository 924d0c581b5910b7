// The settings file byte for byte: the layout other copies of the tool read, and a write that
// never leaves a half-written or over-long file.

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "ui/settings/SettingsFile.h"

namespace pexabit {
namespace {

const SettingsRecord Sample{"Pexabit", "v.1.00", "/opt/Pexabit/", "/home/ann/Результаты/"};

std::string Length(unsigned n) { return {char(n & 0xFFU), char(n >> 8U)}; }  // little-endian

// A write over a longer old file: four records of 500 bytes, the old file replaced whole through
// a temporary file that is not left behind. A value of 499 bytes cannot be stored: refused, the
// file kept.
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
    EXPECT_FALSE(std::filesystem::exists(path + ".new")) << "no temporary file left";
    record.ResultsDirectory = "/" + std::string(498, 'd');
    EXPECT_NE(WriteSettingsFile(path, record), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), bytes);
}

}  // namespace
}  // namespace pexabit
