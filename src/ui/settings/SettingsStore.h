#pragma once
// The settings values at work: the settings file in the program directory, its defaults, its
// recovery from damage, the folders prepared at start-up and the choice of a new results
// directory. No toolkit: messages for the user go through a callback.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/settings/Settings.h"

namespace pexabit {

inline constexpr const char* CorruptSettingsMessage =
    "The system program file was corrupted. A new system file.";

// Shows one message to the user and returns when it is closed.
using MessageSink = std::function<void(const std::string&)>;

// A folder the tool could not create or write, and why.
struct FolderProblem {
    std::string Folder;
    std::string Reason;
};

// One message naming every folder problem, e.g. "Pexabit cannot use the folder /x/Pexabit/:
// Permission denied. ..." ; empty when `problems` is empty.
std::string DescribeFolderProblems(const std::vector<FolderProblem>& problems);

class SettingsStore {
public:
    // `values` must outlive the store; ProgramDirectory and SettingsFileName are set by the caller.
    SettingsStore(SettingsValues& values, MessageSink showMessage);

    std::string SettingsFilePath() const;

    // PathFound := whether `path` names an existing file or folder. Never fails.
    void PathExists(const std::string& path);

    // The four values to their defaults; nothing is written.
    void DefaultSettings();

    // The record to the settings file (whole, never half-written). nullopt when written.
    std::optional<std::string> WriteSettings();

    // Reads the record; a damaged or unreadable file is answered with CorruptSettingsMessage,
    // replaced by the defaults and rewritten. Returns why that rewrite failed, if it did.
    std::optional<std::string> ReadSettings();

    // The start-up preparation: program directory, settings file (create, read or rebuild),
    // and the folders `year`/`monthName` in the results directory. A stored results directory
    // counts as the folder it names with or without its "/"; an empty one is told and replaced
    // by the program directory for this run. Never fails; what could not be done is returned,
    // one entry per folder, and the tool works on with what it has.
    std::vector<FolderProblem> PrepareAtStartup(int year, const std::string& monthName);

    // Stores `chosen` (a "/" appended when missing) as the results directory. Returns nullopt
    // when stored, else the message that refuses it (empty, too long for the file, not a
    // writable folder, or the settings file cannot be written); the previous setting then stays.
    std::optional<std::string> ChangeResultsDirectory(std::string chosen);

private:
    std::optional<FolderProblem> PrepareProgramDirectory();
    std::optional<std::string> PrepareSettingsFile();
    void UseStoredResultsDirectory();
    std::optional<FolderProblem> PrepareResultsFolders(int year, const std::string& monthName);

    SettingsValues& Values;
    MessageSink ShowMessage;
};

}  // namespace pexabit
