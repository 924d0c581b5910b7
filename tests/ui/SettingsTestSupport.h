#pragma once
// What the settings tests share: a store over a program folder inside a fresh folder, which
// collects its messages instead of showing them.

#include <string>
#include <vector>

#include "TestFolder.h"
#include "ui/settings/SettingsStore.h"

namespace pexabit::test {

// The program directory is Root + "Pexabit/", not yet created.
struct StoreFixture : TempFolder {
    StoreFixture() {
        Values.ProgramDirectory = Root + "Pexabit/";
        Values.SettingsFileName = "Pexabit.eng";
    }

    std::string SettingsPath() const { return Values.ProgramDirectory + "Pexabit.eng"; }
    SettingsRecord Defaults() const { return {"Pexabit", "v.1.00", Values.ProgramDirectory, Values.ProgramDirectory}; }
    std::vector<FolderProblem> Start() { return Store.PrepareAtStartup(2026, "December"); }

    SettingsValues Values;
    std::vector<std::string> Messages;
    SettingsStore Store{Values, [this](const std::string& m) { Messages.push_back(m); }};
};

}  // namespace pexabit::test
