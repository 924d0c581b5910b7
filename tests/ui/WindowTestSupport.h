#pragma once
// What the window tests share: dialogs that record instead of blocking, a window started on a
// fixed date over a fresh program folder, and the three conversion buttons at every busy
// repaint.

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "TestFolder.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"

namespace pexabit::test {

// Records every message; the folder chooser records its title and start folder and answers
// FolderAnswer ("" = cancelled).
class RecordingDialogs final : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
    QString ChooseFolder(QWidget*, const QString& title, const QString& start) override {
        FolderTitles << title;
        FolderStarts << start;
        return FolderAnswer;
    }
    QStringList Messages, FolderTitles, FolderStarts;
    QString FolderAnswer;
};

// Qt Test data for an array of cases: one row per case, named by its Reason, holding its index
// in the column "row"; CurrentRow gives the case of the row that runs.
template <typename Case, std::size_t N>
void AddRows(const Case (&cases)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) QTest::newRow(cases[i].Reason) << int(i);
}
template <typename Case, std::size_t N>
const Case& CurrentRow(const Case (&cases)[N]) {
    QFETCH(int, row);
    return cases[row];
}

// A window started on 5 December 2026 in `locale` with "ProgramFiles" set to `programFiles` (a
// fresh temporary folder when empty). At every busy repaint Busy gets Buttons() and BusyReport
// the texts of Text7 and Label15.
struct WindowUnderTest {
    explicit WindowUnderTest(const QString& programFiles = QString(), const QLocale& locale = QLocale::system())
        : ProgramFiles(programFiles.isEmpty() ? Temporary.path() : programFiles) {
        qputenv("ProgramFiles", ProgramFiles.toUtf8());
        Form = std::make_unique<Form1>(Dialogs);
        Form->AfterBusyRepaint = [this] {
            Busy << Buttons();
            BusyReport << Text("Text7") + Text("Label15");
        };
        Form->Form_Load(QDate(2026, 12, 5), locale);
    }
    template <typename T = QWidget>
    T* Find(const QString& name) const { return Form->findChild<T*>(name); }

    // The text of a label or edit box, the caption of a button or frame.
    QString Text(const QString& control) const {
        for (const char* property : {"text", "title", "plainText"}) {
            if (QWidget* widget = Find(control); widget && widget->property(property).isValid()) {
                return widget->property(property).toString();
            }
        }
        return "<no control " + control + ">";
    }

    // Command2, Command3 and Command4, each "hidden" or as "<caption> on|off <face>", for
    // example "wait off #ff8080 ink #000000, hidden, hidden".
    QString Buttons() const {
        QStringList buttons;
        for (const char* name : {"Command2", "Command3", "Command4"}) {
            auto* b = Find<QPushButton>(name);
            buttons << (b->isHidden() ? "hidden" : b->text() + (b->isEnabled() ? " on " : " off ") + Face(b));
        }
        return buttons.join(", ");
    }

    // The button as painted, 3 px inside its edge and outside its caption's box: one colour
    // ("#ff8080") or "shaded". The caption's darkest pixel follows: "#ff8080 ink #000000".
    static QString Face(QPushButton* b) {
        const QImage image = b->grab().toImage();
        const QRect caption = b->fontMetrics().boundingRect(b->rect(), Qt::AlignCenter, b->text());
        QSet<QRgb> face;
        QRgb ink = 0xFFFFFFFF;
        for (int y = 3; y < image.height() - 3; ++y) {
            for (int x = 3; x < image.width() - 3; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!caption.contains(x, y)) face.insert(pixel);
                else if (qGray(pixel) < qGray(ink)) ink = pixel;
            }
        }
        return (face.size() == 1 ? QColor(*face.begin()).name() : "shaded") + " ink " + QColor(ink).name();
    }

    // Types into Text2 and presses Command2.
    void Convert(const QString& typed) {
        Find<QPlainTextEdit>("Text2")->setPlainText(typed);
        Form->Command2_Click();
    }

    QTemporaryDir Temporary;
    const QString ProgramFiles;
    RecordingDialogs Dialogs;
    std::unique_ptr<Form1> Form;
    QStringList Busy, BusyReport;
};

}  // namespace pexabit::test
