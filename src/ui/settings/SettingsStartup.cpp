// The start-up preparation and the choice of a new results directory: the parts of the settings
// store that create folders and can meet a folder the tool may not use.

#include <filesystem>
#include <fstream>
#include <system_error>

#include "ui/settings/SettingsFile.h"
#include "ui/settings/SettingsStore.h"

namespace fs = std::filesystem;

namespace pexabit {
namespace {

// The path without its trailing "/", so that a file in the place of a folder is seen as a file.
std::string WithoutSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Creates the folder `path` (its missing parents too) unless it exists; why not, if it fails.
std::optional<std::string> EnsureFolder(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
    if (fs::exists(WithoutSlash(path), ec)) return std::string("a file is in the place of it");
    fs::create_directories(path, ec);
    if (ec) return ec.message();
    return std::nullopt;
}

// Creates one folder level inside `parent`, which must exist already.
std::optional<std::string> EnsureSubfolder(const std::string& parent, const std::string& name) {
    std::error_code ec;
    if (!fs::is_directory(parent, ec)) {
        return std::string(fs::exists(WithoutSlash(parent), ec) ? "it is a file, not a folder"
                                                  : "the folder does not exist");
    }
    const std::string path = parent + name;
    if (fs::is_directory(path, ec)) return std::nullopt;
    if (fs::exists(path, ec)) return "a file is in the place of the folder " + path;
    fs::create_directory(path, ec);
    if (ec) return "the folder " + path + " cannot be created (" + ec.message() + ")";
    return std::nullopt;
}

// Whether a file can be created in `folder`: a probe file is made and removed at once.
std::optional<std::string> CheckWritable(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return std::string("it is not an existing folder");
    const fs::path probe = fs::path(folder) / ".pexabit-probe";
    {
        std::ofstream file(probe, std::ios::binary);
        if (!file) return std::string("no file can be created in it");
    }
    fs::remove(probe, ec);
    return std::nullopt;
}

}  // namespace

std::vector<FolderProblem> SettingsStore::PrepareAtStartup(int year, const std::string& monthName) {
    std::vector<FolderProblem> problems;
    if (auto problem = PrepareProgramDirectory()) problems.push_back(*problem);
    if (auto why = PrepareSettingsFile()) {
        if (problems.empty()) {
            problems.push_back({Values.ProgramDirectory,
                                "the settings file cannot be written (" + *why +
                                    "), so a new results directory will not be remembered"});
        }
    }
    UseStoredResultsDirectory();
    const bool resultsAlreadyNamed =
        !problems.empty() && problems.front().Folder == Values.Record.ResultsDirectory;
    if (!resultsAlreadyNamed) {
        if (auto problem = PrepareResultsFolders(year, monthName)) problems.push_back(*problem);
    }
    return problems;
}

std::optional<FolderProblem> SettingsStore::PrepareProgramDirectory() {
    PathExists(Values.ProgramDirectory);
    if (!Values.PathFound) {
        if (auto why = EnsureFolder(Values.ProgramDirectory)) {
            return FolderProblem{Values.ProgramDirectory, "it cannot be created (" + *why + ")"};
        }
    }
    return std::nullopt;
}

// Steps 2 to 4 of the preparation; returns why the file could not be (re)written, if so.
std::optional<std::string> SettingsStore::PrepareSettingsFile() {
    PathExists(SettingsFilePath());
    if (!Values.PathFound) {
        DefaultSettings();
        return WriteSettings();
    }
    if (auto why = ReadSettings()) return why;
    if (Values.Record.ProgramName != ProgramNameText ||
        Values.Record.ProgramVersion != ProgramVersionText) {
        DefaultSettings();
        return WriteSettings();
    }
    return std::nullopt;
}

// A hand-edited file may hold the results directory without its "/" or hold none at all. The
// first is the folder it names all the same; for the second the program directory (the
// default) serves this run. The file keeps what it holds either way.
void SettingsStore::UseStoredResultsDirectory() {
    std::string& results = Values.Record.ResultsDirectory;
    if (!results.empty()) {
        if (results.back() != '/') results += '/';
        return;
    }
    results = Values.ProgramDirectory;
    ShowMessage("The results directory stored in the settings file " + SettingsFilePath() +
                " is empty. The program directory " + results + " is used instead.");
}

std::optional<FolderProblem> SettingsStore::PrepareResultsFolders(int year,
                                                                  const std::string& monthName) {
    const std::string& results = Values.Record.ResultsDirectory;
    const std::string yearName = std::to_string(year);
    auto why = EnsureSubfolder(results, yearName);
    if (!why) why = EnsureSubfolder(results + yearName + "/", monthName);
    if (!why) why = CheckWritable(results);
    if (why) return FolderProblem{results, *why};
    return std::nullopt;
}

std::optional<std::string> SettingsStore::ChangeResultsDirectory(std::string chosen) {
    const std::string keeps = " The results directory stays " + Values.Record.ResultsDirectory;
    if (chosen.empty()) return "No folder was chosen." + keeps;
    if (chosen.back() != '/') chosen += '/';
    if (chosen.size() > SettingsMaxValueBytes) {
        return "The folder path is longer than 498 bytes, which the settings file cannot hold: " +
               chosen + "." + keeps;
    }
    if (auto why = CheckWritable(chosen)) {
        return "The folder " + chosen + " cannot hold results: " + *why + "." + keeps;
    }
    const std::string previous = Values.Record.ResultsDirectory;
    Values.Record.ResultsDirectory = chosen;
    if (auto why = WriteSettings()) {
        Values.Record.ResultsDirectory = previous;
        return "The settings file " + SettingsFilePath() + " cannot be written (" + *why + ")." +
               keeps;
    }
    return std::nullopt;
}

}  // namespace pexabit
