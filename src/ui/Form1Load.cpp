// Start-up of the window and the choice of a new results directory.

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStandardPaths>

#include "ui/Form1.h"
#include "ui/settings/ProgramDirectory.h"
#include "ui/settings/StartupTexts.h"

// The icon is compiled into the window library; a static library needs its resources named.
static void LoadIconResource() { Q_INIT_RESOURCE(pexabit); }

namespace pexabit {
namespace {

// The locale's full name of a month as the original platform gives it: the nominative name with
// a capital letter ("Декабрь"). The toolkit's standalone name is that name in lower case where
// the language writes it so ("декабрь"); its first letter is put in upper case.
std::string LocaleMonthName(const QLocale& locale, int month) {
    const QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
    // One UTF-16 unit: a name starting outside the basic plane keeps its surrogate pair intact
    // (the one such script with cases, Adlam, already has its capital there).
    return (locale.toUpper(name.left(1)) + name.mid(1)).toStdString();
}

// Where the folder dialog starts: the desktop, as the shell's chooser without a root folder
// does; the home folder where there is no desktop folder.
QString DesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

}  // namespace

void Form1::Form_Load(const QDate& today, const QLocale& locale) {
    LoadIconResource();
    setWindowIcon(QIcon(QStringLiteral(":/pexabit/Icon1.png")));
    AboutLabel->setText(QString::fromStdString(AboutCaption()));
    SettingsData.SettingsFileName = std::string(ProgramNameText) + ".eng";
    const std::string localeMonth = LocaleMonthName(locale, today.month());
    const std::string weekday = locale.dayName(today.dayOfWeek(), QLocale::LongFormat).toStdString();
    const std::string englishMonth = EnglishMonthName(localeMonth);
    setWindowTitle(QString::fromStdString(FormTitle(today.day(), englishMonth, today.year(), weekday)));
    SettingsData.ProgramDirectory = ProgramDirectoryFromEnvironment();
    const auto problems = Store.PrepareAtStartup(today.year(), localeMonth);
    if (!problems.empty()) {
        for (const FolderProblem& problem : problems) ToldFolders.insert(problem.Folder);
        Tell(DescribeFolderProblems(problems));
    }
}

void Form1::Command1_Click() {
    const QString chosen = Boxes.ChooseFolder(
        this, QStringLiteral("Select a directory to store the result:"), DesktopFolder());
    if (chosen.isEmpty()) return;  // cancelled: nothing changes
    if (auto refusal = Store.ChangeResultsDirectory(chosen.toStdString())) {
        Tell(*refusal);
        return;
    }
    Text1->setText(QString::fromStdString(SettingsData.Record.ResultsDirectory));
}

}  // namespace pexabit
