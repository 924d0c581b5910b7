#pragma once
// What the window tests share: dialogs that record instead of blocking, a window started on a
// fixed date over a fresh program folder, and the state of the three conversion buttons at
// every busy repaint.

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>
#include <vector>

#include "ui/Dialogs.h"
#include "ui/Form1.h"

namespace pexabit::test {

// Records every message; the folder chooser answers FolderAnswer ("" = cancelled).
class RecordingDialogs final : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
    QString ChooseFolder(QWidget*, const QString& title) override {
        FolderTitles << title;
        return FolderAnswer;
    }
    QStringList Messages, FolderTitles;
    QString FolderAnswer;
};

// Qt Test data for an array of cases: one row per case, named by its Reason, holding its index
// in the column "row".
template <typename Case, std::size_t N>
void AddRows(const Case (&cases)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) QTest::newRow(cases[i].Reason) << int(i);
}

struct ButtonState {
    QString Caption;
    bool Enabled = false, Hidden = false;
    QColor Colour;
};

// Command2, Command3 and Command4 (in this order), and two report texts, at one moment.
struct Snapshot {
    std::array<ButtonState, 3> Buttons;
    QString Text7, Label15;
};

// A window started on 5 December 2026 with "ProgramFiles" set to `programFiles` (a fresh
// temporary folder when empty). Busy holds a Snapshot for every busy repaint.
class WindowUnderTest {
public:
    explicit WindowUnderTest(const QString& programFiles = QString());
    Form1& Window() { return *Form; }
    QString ProgramFiles() const { return ProgramFilesPath; }
    QString Text(const QString& control) const;  // of a label, edit box or button
    void SetText(const QString& control, const QString& text);
    template <typename T = QWidget>
    T* Find(const QString& name) const { return Form->findChild<T*>(name); }
    Snapshot Now() const;
    void Convert(const QString& typed);              // Text2, then Command2
    void Decode(bool single, const QString& typed);  // Text7 or Text12, then Command3 or Command4

    RecordingDialogs Dialogs;
    std::vector<Snapshot> Busy;

private:
    QTemporaryDir Temporary;
    QString ProgramFilesPath;
    std::unique_ptr<Form1> Form;
};

}  // namespace pexabit::test
