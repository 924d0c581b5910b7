// The window as it starts: key controls with their literal values, every caption fitting its
// control, the menu and its panels, the title and icon, the settings file on first start,
// start-up problems told once, and the choice of a new results folder.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include "WindowTestSupport.h"
#include "ui/ControlTable.h"
#include "ui/settings/SettingsFile.h"

using pexabit::test::ReadBytes;
using pexabit::test::WindowUnderTest;

namespace {

// Literal values of the design, written independently of the control table, so that a
// mistyped row, a wrong twips conversion or a lost font or colour shows up.
struct ControlCase {
    const char *Reason, *Control, *Kind, *Text;
    QRect Pixels;
    const char* Font;  // family and points; "" = not checked
    QPalette::ColorRole Role;
    QColor Colour;  // in `Role`; invalid = not checked
};
const char* const Mono14 = "Courier New 14.25";
const auto Base = QPalette::Base;
const auto Back = QPalette::Window;
const ControlCase Controls[] = {
    {"Double mantissa: 52 zeros in 8715 twips", "Text3", "QLineEdit", "0000000000000000000000000000000000000000000000000000", {175, 298, 581, 33}, Mono14, Base, {128, 255, 255}},
    {"Double exact value, small font", "Text6", "QPlainTextEdit", "", {63, 21, 727, 64}, "Courier New 8.25", Base, {}},
    {"two blanks kept in the Double frame", "Label8", "QLabel", "Double(64bit Pexabit)=", {24, 276, 253, 21}, "", Base, {}},
    {"maker's name in blue", "AboutMakerLabel", "QLabel", "Tavrilendor", {27, 99, 88, 28}, "MS Sans Serif 12", QPalette::WindowText, {0, 0, 255}},
};

// A start-up problem reaches the user once and conversions go on; the store's tests cover every
// kind of damage, these show the message box is wired.
struct StartupProblemCase {
    const char *Reason, *Blocked;  // the file written in the program files folder
    bool NamesFolder;              // the message names the program folder; else it is the corrupt one
};
const StartupProblemCase StartupProblems[] = {
    {"a damaged settings file", "Pexabit/Pexabit.eng", false},
    {"a file in the place of the program folder: its scratch file not told again", "Pexabit", true},
};

// First starts on 5 December 2026, a Saturday: the month folder takes the locale's full month
// name, the title its English name (which the Russian name, capitalised as the original
// platform writes it, must match) and the weekday as the locale writes it.
struct FirstStartCase {
    const char* Reason;
    QLocale::Language Language;
    const char *MonthFolder, *Weekday;
};
const FirstStartCase FirstStarts[] = {
    {"English", QLocale::English, "December", "Saturday"},
    {"Russian: the standalone name with a capital", QLocale::Russian, "Декабрь", "суббота"},
};

// The width the style leaves a control's caption: beside the indicator of an option button or
// check box, inside a button's bevel, inside a label's frame and indent (half an "x" when a
// framed label is not told otherwise), from a frame's title to its right edge; -1: no caption.
int CaptionSpace(QWidget* widget) {
    QStyle* style = widget->style();
    QStyleOptionButton button;
    button.initFrom(widget);
    if (qobject_cast<QRadioButton*>(widget)) return style->subElementRect(QStyle::SE_RadioButtonContents, &button, widget).width();
    if (qobject_cast<QCheckBox*>(widget)) return style->subElementRect(QStyle::SE_CheckBoxContents, &button, widget).width();
    if (qobject_cast<QPushButton*>(widget)) return style->subElementRect(QStyle::SE_PushButtonContents, &button, widget).width();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool halfX = label->indent() < 0 && label->frameWidth() > 0;
        return label->contentsRect().width() - (halfX ? label->fontMetrics().horizontalAdvance('x') / 2 : std::max(label->indent(), 0));
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox box;
        box.initFrom(frame);
        box.text = frame->title();
        return frame->width() - style->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, frame).left();
    }
    return -1;
}

}  // namespace

class WindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        // A home of the run's own, without a desktop folder at first and without the user's
        // folder settings, so that the folder dialog's start is known.
        qputenv("HOME", Home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", Home.filePath("config").toUtf8());
    }

    void keyControls_data() { pexabit::test::AddRows(Controls); }
    void keyControls() {
        QFETCH(int, row);
        const ControlCase& c = Controls[row];
        WindowUnderTest w;
        auto* widget = w.Find(c.Control);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->metaObject()->className(), c.Kind);
        QCOMPARE(w.Text(c.Control), QString(c.Text));
        QCOMPARE(widget->geometry(), c.Pixels);
        const QFont font = widget->font();
        if (*c.Font) QCOMPARE(font.families().front() + ' ' + QString::number(font.pointSizeF()), QString(c.Font));
        // The installed fallback must be the metric-compatible one, or 52 digits overflow.
        if (c.Font == Mono14) QCOMPARE(QFontMetrics(font).horizontalAdvance(QString(52, '0')), 572);
        if (c.Colour.isValid()) QCOMPARE(widget->palette().color(c.Role), c.Colour);
    }

    // A first start in a fresh ProgramFiles folder (the view rule's test starts from its
    // choices): the window and its menu, every caption unclipped, the title for the date, the
    // settings file and date folders, and the Setting panel showing the folder.
    void firstStartInAFreshProgramFolder_data() { pexabit::test::AddRows(FirstStarts); }
    void firstStartInAFreshProgramFolder() {
        QFETCH(int, row);
        const FirstStartCase& c = FirstStarts[row];
        WindowUnderTest w({}, QLocale(c.Language));
        QCOMPARE(w.Window().centralWidget()->size(), QSize(904, 632));
        QVERIFY(w.Find<QLineEdit>("Text1")->isReadOnly());
        QStringList menu;
        for (const QAction* a : w.Window().menuBar()->actions()) menu << a->objectName() + ':' + a->text();
        for (const QAction* a : w.Find<QMenu>("mnu_File")->actions()) menu << a->objectName() + ':' + a->text();
        QCOMPARE(menu, (QStringList{":Menu", "mnu_Setting:Setting", "mnu_Prog:About", "mnu_Exit:Exit"}));
        QCOMPARE(w.Window().windowTitle(),
                 "Tavrilendor       Pexabit v.1.00               Today: 5  December  2026 year  " + QString(c.Weekday));
        QCOMPARE(w.Text("AboutLabel"), QStringLiteral("Pexabit v.1.00"));
        for (const pexabit::ControlSpec& row : pexabit::Controls) {  // every caption fits, not clipped
            QWidget* control = w.Find(row.Name);
            const int space = CaptionSpace(control), needed = control->fontMetrics().horizontalAdvance(w.Text(row.Name));
            if (space < 0) continue;  // an edit field
            QVERIFY2(needed <= space, qPrintable(QString("%1: %2 of %3 pixels").arg(row.Name).arg(needed).arg(space)));
        }
        QVERIFY(w.Window().windowIcon().availableSizes().contains(QSize(256, 256)));
        const QString folder = w.ProgramFiles() + "/Pexabit/";
        const std::string stored = folder.toStdString();
        QVERIFY(ReadBytes(stored + "Pexabit.eng") == pexabit::EncodeSettingsFile({"Pexabit", "v.1.00", stored, stored}));
        QVERIFY(QDir(folder + "2026/" + c.MonthFolder).exists());
        QVERIFY(w.Dialogs.Messages.isEmpty());
        // Each panel starts hidden and toggles; shown, it is opaque and above every other control.
        for (const auto& [action, panel] : {std::pair{"mnu_Setting", "Frame1"}, std::pair{"mnu_Prog", "AboutFrame"}}) {
            auto* item = w.Window().findChild<QAction*>(action);
            auto* frame = w.Find<QGroupBox>(panel);
            QVERIFY(frame->isHidden());
            item->trigger();
            QVERIFY(!frame->isHidden() && frame->autoFillBackground());
            QCOMPARE(frame->parentWidget()->children().last(), static_cast<QObject*>(frame));
            if (frame->objectName() == "Frame1") QCOMPARE(w.Text("Text1"), folder);
            item->trigger();
            QVERIFY(frame->isHidden());
        }
    }

    void startupProblemToldOnce_data() { pexabit::test::AddRows(StartupProblems); }
    void startupProblemToldOnce() {
        QFETCH(int, row);
        const StartupProblemCase& c = StartupProblems[row];
        QTemporaryDir programFiles;
        QVERIFY(QDir(programFiles.path()).mkpath(QFileInfo(c.Blocked).path()));
        pexabit::test::WriteBytes(programFiles.filePath(c.Blocked).toStdString(), std::string(2000, '\xFF'));
        WindowUnderTest w(programFiles.path());
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        const QString expected = c.NamesFolder ? programFiles.path() + "/Pexabit/" : pexabit::CorruptSettingsMessage;
        QVERIFY2(w.Dialogs.Messages[0].contains(expected), qPrintable(w.Dialogs.Messages[0]));
        w.Convert("0.1");
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));
        QCOMPARE(w.Dialogs.Messages.size(), 1);
    }

    // The "Change" button (the store's tests cover what it refuses): the dialog, its start
    // (home until a desktop folder exists, then the desktop), the message, Text1 and the file,
    // for a cancel, a folder that is not there, and a folder. And a scratch file that cannot be
    // written: told once per folder, the report right anyway.
    void changeResultsDirectoryAndScratchProblems() {
        WindowUnderTest w;
        QTemporaryDir other;
        QVERIFY(QDir(w.ProgramFiles() + "/Pexabit").removeRecursively());
        w.Convert("0.1");
        w.Convert("0.1");
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        QVERIFY(w.Dialogs.Messages[0].contains(w.ProgramFiles() + "/Pexabit/ss.dat"));
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));
        QDir().mkpath(w.ProgramFiles() + "/Pexabit");
        const std::string file = (w.ProgramFiles() + "/Pexabit/Pexabit.eng").toStdString();
        for (const QString& answer : {QString(), other.path() + "/missing"}) {  // cancelled; refused
            w.Dialogs.FolderAnswer = answer;
            w.Window().Command1_Click();
            QCOMPARE(w.Text("Text1"), QString());
            QVERIFY(ReadBytes(file).empty());
        }
        QCOMPARE(w.Dialogs.Messages.size(), 2);  // the missing folder only
        w.Dialogs.FolderAnswer = other.path();
        QVERIFY(QDir(Home.path()).mkdir("Desktop"));
        w.Window().Command1_Click();
        QCOMPARE(w.Dialogs.FolderStarts, (QStringList{Home.path(), Home.path(), Home.filePath("Desktop")}));
        QCOMPARE(w.Dialogs.FolderTitles.last(), QStringLiteral("Select a directory to store the result:"));
        QCOMPARE(w.Text("Text1"), other.path() + "/");
        QVERIFY(ReadBytes(file).find((other.path() + "/").toStdString()) != std::string::npos);
        // The chosen folder disappears: a new problem, told once more.
        QVERIFY(QDir(other.path()).removeRecursively());
        w.Convert("0.1");
        w.Convert("0.1");
        QCOMPARE(w.Dialogs.Messages.size(), 3);
        QVERIFY(w.Dialogs.Messages[2].contains(other.path() + "/"));
    }

private:
    QTemporaryDir Home;
};

QTEST_MAIN(WindowStartupTest)
#include "WindowStartupTest.moc"
