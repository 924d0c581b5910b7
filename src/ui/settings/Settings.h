#pragma once
// The settings values: the one remembered setting (the results directory) and the folders and
// names around it. Plain data; src/ui/settings reads, writes and prepares them.

#include <string>
#include <string_view>

namespace pexabit {

// The two texts that name the tool everywhere: in the settings file, the title, the About panel.
inline constexpr std::string_view ProgramNameText = "Pexabit";
inline constexpr std::string_view ProgramVersionText = "v.1.00";

// Content of the settings file, in file order (one 500-byte record each).
struct SettingsRecord {
    std::string ProgramName;       // "Pexabit": identifies the file
    std::string ProgramVersion;    // "v.1.00": identifies the file's version
    std::string InstallDirectory;  // ProgramDirectory when the defaults were set; stored only
    std::string ResultsDirectory;  // where ss.dat and the year/month folders go; ends with "/"
};

// Every settings value the window keeps for its whole life.
struct SettingsValues {
    std::string ProgramDirectory;  // always ends with "/", e.g. "/opt/apps/Pexabit/"
    std::string SettingsFileName;  // "Pexabit.eng"
    SettingsRecord Record;
    bool PathFound = false;        // result of the last PathExists: the path names a file or folder
};

}  // namespace pexabit
