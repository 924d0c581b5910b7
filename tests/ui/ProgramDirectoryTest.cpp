// Where the settings live: the program directory from the environment.

#include <gtest/gtest.h>

#include "ui/settings/ProgramDirectory.h"

namespace pexabit {
namespace {

struct DirectoryCase {
    const char* Reason;
    const char* ProgramFiles;
    const char* XdgDataHome;
    const char* Home;
    const char* Expected;
};

class ProgramDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(ProgramDirectoryTest, BuildsTheFolderFromTheEnvironment) {
    const DirectoryCase& c = GetParam();
    EXPECT_EQ(BuildProgramDirectory(c.ProgramFiles, c.XdgDataHome, c.Home), c.Expected) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(
    Environment, ProgramDirectoryTest,
    testing::Values(
        DirectoryCase{"separator appended", "/opt/apps", nullptr, "/home/a", "/opt/apps/Pexabit/"},
        DirectoryCase{"a trailing separator gives the same folder", "/opt/apps/", nullptr,
                      "/home/a", "/opt/apps/Pexabit/"},
        DirectoryCase{"leading blanks are removed, trailing ones kept", "  /opt/my apps ",
                      nullptr, "/home/a", "/opt/my apps /Pexabit/"},
        DirectoryCase{"ProgramFiles wins over the data folder", "/p", "/xdg", "/home/a",
                      "/p/Pexabit/"},
        DirectoryCase{"unset: XDG_DATA_HOME", nullptr, "/xdg/data", "/home/a",
                      "/xdg/data/Pexabit/"},
        DirectoryCase{"empty counts as unset", "", "/xdg/", "/home/a", "/xdg/Pexabit/"},
        DirectoryCase{"only blanks count as unset", "   ", "/xdg", "/home/a", "/xdg/Pexabit/"},
        DirectoryCase{"no XDG_DATA_HOME: ~/.local/share", nullptr, "", "/home/a",
                      "/home/a/.local/share/Pexabit/"},
        DirectoryCase{"no HOME either: the root", nullptr, nullptr, nullptr, "/Pexabit/"}));

}  // namespace
}  // namespace pexabit
