// The texts start-up builds: the program directory from the environment, the English month name
// for the date folders.

#include <gtest/gtest.h>

#include "ui/settings/ProgramDirectory.h"
#include "ui/settings/StartupTexts.h"

namespace pexabit {
namespace {

struct DirectoryCase {
    const char* Reason;
    const char *ProgramFiles, *XdgDataHome, *Home, *Expected;
};

TEST(ProgramDirectory, BuildsTheFolderFromTheEnvironment) {
    const DirectoryCase cases[] = {
        {"no doubled separator", "/opt/apps/", nullptr, "/h", "/opt/apps/Pexabit/"},
        {"leading blanks removed, trailing kept", "  /opt/my apps ", nullptr, "/h", "/opt/my apps /Pexabit/"},
        {"ProgramFiles wins over the data folder", "/p", "/xdg", "/h", "/p/Pexabit/"},
        {"unset: XDG_DATA_HOME", nullptr, "/xdg/data", "/h", "/xdg/data/Pexabit/"},
        {"only blanks count as unset", "   ", "/xdg", "/h", "/xdg/Pexabit/"},
        {"no XDG_DATA_HOME: ~/.local/share", nullptr, "", "/h", "/h/.local/share/Pexabit/"},
        {"no HOME either: the root", nullptr, nullptr, nullptr, "/Pexabit/"}};
    for (const DirectoryCase& c : cases) {
        EXPECT_EQ(BuildProgramDirectory(c.ProgramFiles, c.XdgDataHome, c.Home), c.Expected) << c.Reason;
    }
}

// The last row and an English name passing unchanged are seen in the window's first starts.
TEST(EnglishMonthName, TranslatesOnlyTheTwelveRussianNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Январь", "January"},   // first row
        {"декабрь", "декабрь"}};  // lower case is not in the table
    for (const auto& [name, english] : cases) EXPECT_EQ(EnglishMonthName(name), english) << name;
}

}  // namespace
}  // namespace pexabit
