#pragma once
// The settings file "Pexabit.eng" byte for byte: four fixed 500-byte records, one string each,
// stored as a 2-byte little-endian length L and then L bytes (UTF-8). Value n starts at byte
// (n - 1) * 500, so a value holds at most 498 bytes. The bytes after a value up to the next
// record carry no meaning; this writer fills them with zeros.

#include <cstddef>
#include <optional>
#include <string>

#include "ui/settings/Settings.h"

namespace pexabit {

inline constexpr std::size_t SettingsRecordLength = 500;  // bytes per record
inline constexpr std::size_t SettingsValueCount = 4;      // name, version, install, results
inline constexpr std::size_t SettingsLengthBytes = 2;     // little-endian length prefix
inline constexpr std::size_t SettingsMaxValueBytes = SettingsRecordLength - SettingsLengthBytes;

// The 2000 bytes of the file. Precondition: every value fits (<= 498 bytes).
// EncodeSettingsFile({"Pexabit", ...}) starts with 07 00 'P' 'e' 'x' 'a' 'b' 'i' 't'.
std::string EncodeSettingsFile(const SettingsRecord& record);

// The record held by `bytes`, or nullopt when a length is beyond 498 or a value runs past the
// end of the bytes (a truncated file). Trailing bytes after the fourth value are ignored.
std::optional<SettingsRecord> DecodeSettingsFile(const std::string& bytes);

// Writes `record` to `path` without ever leaving a half-written file: the bytes go to a
// temporary file in the same folder, are flushed to disk and then renamed over `path`.
// Returns nullopt when written, else why not (for the user, e.g. "Permission denied").
std::optional<std::string> WriteSettingsFile(const std::string& path, const SettingsRecord& record);

// The record in the file at `path`, or nullopt when it cannot be opened or read or is damaged.
std::optional<SettingsRecord> ReadSettingsFile(const std::string& path);

}  // namespace pexabit
