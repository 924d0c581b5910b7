#include "ui/settings/SettingsStore.h"

#include <filesystem>
#include <system_error>

#include "ui/settings/SettingsFile.h"

namespace fs = std::filesystem;

namespace pexabit {
std::string DescribeFolderProblems(const std::vector<FolderProblem>& problems) {
    std::string message;
    for (const FolderProblem& p : problems) {
        if (!message.empty()) message += "\n\n";
        message += "Pexabit cannot use the folder " + p.Folder + ": " + p.Reason + ".";
    }
    if (!message.empty()) {
        message += "\n\nConversions still work; what cannot be written there is skipped.";
    }
    return message;
}

SettingsStore::SettingsStore(SettingsValues& values, MessageSink showMessage)
    : Values(values), ShowMessage(std::move(showMessage)) {}

std::string SettingsStore::SettingsFilePath() const {
    return Values.ProgramDirectory + Values.SettingsFileName;
}

void SettingsStore::PathExists(const std::string& path) {
    std::error_code ec;
    Values.PathFound = fs::exists(path, ec) && !ec;
}

void SettingsStore::DefaultSettings() {
    Values.Record.ProgramName = ProgramNameText;
    Values.Record.ProgramVersion = ProgramVersionText;
    Values.Record.InstallDirectory = Values.ProgramDirectory;
    Values.Record.ResultsDirectory = Values.ProgramDirectory;
}

std::optional<std::string> SettingsStore::WriteSettings() {
    return WriteSettingsFile(SettingsFilePath(), Values.Record);
}

std::optional<std::string> SettingsStore::ReadSettings() {
    if (auto record = ReadSettingsFile(SettingsFilePath())) {
        Values.Record = std::move(*record);
        return std::nullopt;
    }
    ShowMessage(CorruptSettingsMessage);
    DefaultSettings();
    std::error_code ignored;  // a file that cannot be deleted is replaced by the rename anyway
    fs::remove(SettingsFilePath(), ignored);
    return WriteSettings();
}

}  // namespace pexabit
