#include "ui/settings/ProgramDirectory.h"

#include <cstdlib>

#include "ui/settings/Settings.h"

namespace pexabit {
namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

std::string BaseFolder(const char* programFiles, const char* xdgDataHome, const char* home) {
    if (programFiles != nullptr) {
        std::string_view value(programFiles);
        const auto first = value.find_first_not_of(' ');
        if (first != std::string_view::npos) return std::string(value.substr(first));
    }
    if (IsSet(xdgDataHome)) return xdgDataHome;
    if (IsSet(home)) {
        std::string base(home);
        if (base.back() != '/') base += '/';
        return base + ".local/share";
    }
    return "/";
}

}  // namespace

std::string BuildProgramDirectory(const char* programFiles, const char* xdgDataHome,
                                  const char* home) {
    std::string directory = BaseFolder(programFiles, xdgDataHome, home);
    if (directory.back() != '/') directory += '/';
    directory += ProgramNameText;
    directory += '/';
    return directory;
}

std::string ProgramDirectoryFromEnvironment() {
    return BuildProgramDirectory(std::getenv("ProgramFiles"), std::getenv("XDG_DATA_HOME"),
                                 std::getenv("HOME"));
}

}  // namespace pexabit
