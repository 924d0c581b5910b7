#pragma once
// Where the tool keeps its settings file: the program directory.

#include <string>
#include <string_view>

namespace pexabit {

// The program directory from the three environment values that decide it (each may be null).
// "ProgramFiles" loses its leading blanks and wins when something is left; otherwise the
// per-user data folder ($XDG_DATA_HOME, else $HOME/.local/share, else "/") is used. A "/" is
// appended when missing, then "Pexabit/".
// BuildProgramDirectory("  /opt/apps", nullptr, "/home/ann") == "/opt/apps/Pexabit/"
// BuildProgramDirectory("", nullptr, "/home/ann") == "/home/ann/.local/share/Pexabit/"
std::string BuildProgramDirectory(const char* programFiles, const char* xdgDataHome,
                                  const char* home);

// BuildProgramDirectory on this process's environment.
std::string ProgramDirectoryFromEnvironment();

}  // namespace pexabit
