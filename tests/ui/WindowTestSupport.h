#pragma once
// What the window tests share: dialogs that record instead of blocking, a fresh program folder
// per test, and reading any control's text by its name.

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "ui/Dialogs.h"
#include "ui/Form1.h"

namespace pexabit::test {

// Records every message; the folder chooser returns FolderAnswer ("" = cancelled).
class RecordingDialogs final : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
    QString ChooseFolder(QWidget*, const QString& title) override {
        FolderTitles << title;
        return FolderAnswer;
    }
    QStringList Messages;
    QStringList FolderTitles;
    QString FolderAnswer;
};

// The state of the three conversion buttons at one moment.
struct ButtonsSnapshot {
    QString Caption2, Caption3, Caption4;
    bool Enabled2 = false, Enabled3 = false, Enabled4 = false;
    bool Hidden2 = false, Hidden3 = false, Hidden4 = false;
    QColor Colour2, Colour3, Colour4;
    QString Text7, Label15;
};

// A window started on 5 December 2026 with "ProgramFiles" set to a fresh temporary folder
// (or to `programFiles` when given), its snapshots taken at every busy repaint.
class WindowUnderTest {
public:
    explicit WindowUnderTest(const QString& programFiles = QString());
    Form1& Window() { return *Form; }
    QString ProgramFiles() const { return ProgramFilesPath; }
    QString Text(const char* control) const;
    void SetText(const char* control, const QString& text);
    template <typename T>
    T* Find(const char* name) const { return Form->findChild<T*>(QString::fromUtf8(name)); }
    ButtonsSnapshot Buttons() const;

    RecordingDialogs Dialogs;
    std::vector<ButtonsSnapshot> BusySnapshots;

private:
    QTemporaryDir Temporary;
    QString ProgramFilesPath;
    std::unique_ptr<Form1> Form;
};

}  // namespace pexabit::test
