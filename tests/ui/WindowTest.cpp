// The window: key controls with their literal values, every caption fitting its control, the
// menu and its panels, the title and icon, the settings file on first start, start-up problems
// told once, the choice of a new results folder; and its handlers: the view rule, the convert
// button and the two hex buttons, each with its busy state seen from inside and the idle state
// after it.

#include "WindowTestSupport.h"
#include "ui/ControlTable.h"
#include "ui/settings/SettingsFile.h"
#include "window_report/ConvertReport.h"

using namespace pexabit::test;

namespace {

// Literal values of the design, written independently of the control table, so that a
// mistyped row, a wrong twips conversion or a lost font, colour or alignment shows up.
const char* const Mono14 = "Courier New 14.25";
const auto Base = QPalette::Base;
const struct {
    const char *Reason, *Control, *Kind, *Text;
    QRect Pixels;
    const char* Font;  // family and points; "" = not checked
    QPalette::ColorRole Role;
    QColor Colour;          // in `Role`; invalid = not checked
    Qt::Alignment Align{};  // a label's horizontal alignment
} Controls[] = {
    {"Double mantissa: 52 zeros in 8715 twips", "Text3", "QLineEdit", "0000000000000000000000000000000000000000000000000000", {175, 298, 581, 33}, Mono14, Base, {128, 255, 255}},
    {"Double exact value, small font", "Text6", "QPlainTextEdit", "", {63, 21, 727, 64}, "Courier New 8.25", Base, {}},
    {"two blanks kept, right-aligned", "Label8", "QLabel", "Double(64bit Pexabit)=", {24, 276, 253, 21}, "", Base, {}, Qt::AlignRight},
    {"maker's name in blue", "AboutMakerLabel", "QLabel", "Tavrilendor", {27, 99, 88, 28}, "MS Sans Serif 12", QPalette::WindowText, {0, 0, 255}, Qt::AlignLeft},
    {"sign bit centred on red", "Label9", "QLabel", "0", {20, 86, 25, 33}, Mono14, QPalette::Window, {255, 0, 0}, Qt::AlignHCenter},
};

// A start-up problem reaches the user once and conversions go on; the store's tests cover every
// kind of damage, these show the message box is wired.
const struct {
    const char *Reason, *Blocked;  // the file written in the program files folder
    bool NamesFolder;              // the message names the program folder; else it is the corrupt one
} StartupProblems[] = {
    {"a damaged settings file", "Pexabit/Pexabit.eng", false},
    {"a file in the place of the program folder: its scratch file not told again", "Pexabit", true},
};

// First starts on 5 December 2026, a Saturday: the month folder takes the locale's full month
// name, the title its English name (which the Russian name, capitalised as the original
// platform writes it, must match) and the weekday as the locale writes it.
const struct {
    const char* Reason;
    QLocale::Language Language;
    const char *MonthFolder, *Weekday;
} FirstStarts[] = {
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

// The buttons while button `running` (0 convert, 1 Single hex, 2 Double hex) works: it shows
// `caption` in black on flat light red (not the style's pale disabled shading and grey caption)
// and is disabled; the other two are hidden.
QString BusyButtons(int running, const QString& caption) {
    QStringList buttons{"hidden", "hidden", "hidden"};
    buttons[running] = caption + " off #ff8080 ink #000000";
    return buttons.join(", ");
}

// All three buttons shown, usable and shaded by the style again, with the hex captions given.
QString IdleButtons(const QString& single, const QString& dbl) {
    const QString face = " on shaded ink #000000";
    return "Pexabit" + face + ", " + single + face + ", " + dbl + face;
}

// Changes in the frames after a report of 0.1: each box follows its own frame's choices only.
using Texts = pexabit::ExactTexts;
const struct {
    const char* Reason;
    QStringList Changes;                      // option buttons set, check boxes checked; "~Check1" = grey
    std::string Texts::*Text9, Texts::*Text6;  // the Single's and the Double's text shown afterwards
} ViewCases[] = {
    {"Single BIN", {"Option1"}, &Texts::Binary, &Texts::Exact},
    {"Single BIN and Exp", {"Check1", "Option1"}, &Texts::BinarySci, &Texts::Exact},
    {"grey Exp counts as unchecked", {"~Check1"}, &Texts::Exact, &Texts::Exact},
    {"Double BIN", {"Option3"}, &Texts::Exact, &Texts::Binary},
    {"Double Exp", {"Check2"}, &Texts::Exact, &Texts::ExactSci},
    {"grey Double Exp", {"~Check2"}, &Texts::Exact, &Texts::Exact},
};

// The convert button after a report of 0.1. Expected: pairs of control and text ("*" = not
// empty). A refused text leaves the report as it was and never enters the busy state.
const QString Refused = QString::fromUtf8(pexabit::InvalidNumberMessage.data());
const struct {
    const char *Reason, *Typed;
    QStringList Expected;
} ConvertCases[] = {
    {"0.1", "0.1", {"Text7", "3DCCCCCD", "Text12", "3FB999999999999A", "Label16", "E=7B hex", "Label19", "E=3FB hex",
                    "Text9", "+0,100000001490116119384765625", "Text8", "*", "Text10", "*", "Text11", "*"}},
    {"empty text converts as zero", "", {"Text7", "00000000", "Text12", "0000000000000000", "Label15", "S= 0"}},
    {"1e39: Single overflow only", "1e39", {"Label21", "Number of Single displayed in the Windows F = Overflow",
                                            "Text7", "7F800000", "Text9", "+Infinity", "Text11", "", "Text8", "", "Text10", "*"}},
    {"-1e309: both overflow, no difference; the Double's fields", "-1e309",
     {"Label22", "Double the number displayed in the Windows F = Overflow", "Text12", "FFF0000000000000", "Text6",
      "-Infinity", "Text4", "11111111111", "Text3", QString(52, '0'), "Text8", "", "Text10", "", "Text11", ""}},
    {"refused: a blank inside", "1 2", {"Text2", Refused, "Text7", "3DCCCCCD", "Text9", "+0,100000001490116119384765625"}},
};

// A hex button after a report of 0.1. A refused pattern gets its message box (the box reset
// after a bad character) and no busy state. Special patterns are named by the hex button
// alone, Text2 and the other format cleared; finite ones go through their exact value and the
// convert button: two busy states in turn. An accepted button shows its format's name.
const struct {
    const char* Reason;
    bool Single;
    const char *Typed, *Message, *Text7, *Text12;
    const char* Named;  // the special pattern's name in the exact-value box; "" = finite
} HexCases[] = {
    {"Single: 7 digits", true, "3F80000", "hex number must be 8 digits", "3F80000", "3FB999999999999A", ""},
    {"Single: a G", true, "3F80000G", "You misspelled hex-number", "00000000", "3FB999999999999A", ""},
    {"Double: 16 Cyrillic letters are 16 characters", false, "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", "ou misspelled hex-number", "3DCCCCCD", "0000000000000000", ""},
    {"Single +Infinity", true, "7F800000", "", "7F800000", "", "+Infinity"},
    {"Double NaN, sign set", false, "FFF8000000000000", "", "", "FFF8000000000000", "NANs"},
    {"negative zero keeps its sign", true, "80000000", "", "80000000", "8000000000000000", ""},
    {"smallest Double subnormal: 1077 characters", false, "0000000000000001", "", "00000000", "0000000000000001", ""},
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        // A home of the run's own, without a desktop folder at first and without the user's
        // folder settings, so that the folder dialog's start is known.
        qputenv("HOME", Home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", Home.filePath("config").toUtf8());
    }

    void keyControls_data() { AddRows(Controls); }
    void keyControls() {
        const auto& c = CurrentRow(Controls);
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
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, c.Align);
    }

    // A first start in a fresh ProgramFiles folder (the view rule's test starts from its
    // choices): the window and its menu, every caption unclipped, the title for the date, the
    // settings file and date folders, and the Setting panel showing the folder.
    void firstStartInAFreshProgramFolder_data() { AddRows(FirstStarts); }
    void firstStartInAFreshProgramFolder() {
        const auto& c = CurrentRow(FirstStarts);
        WindowUnderTest w({}, QLocale(c.Language));
        QCOMPARE(w.Form->centralWidget()->size(), QSize(904, 632));
        QVERIFY(w.Find<QLineEdit>("Text1")->isReadOnly());
        QStringList menu;
        for (const QAction* a : w.Form->menuBar()->actions()) menu << a->objectName() + ':' + a->text();
        for (const QAction* a : w.Find<QMenu>("mnu_File")->actions()) menu << a->objectName() + ':' + a->text();
        QCOMPARE(menu, (QStringList{":Menu", "mnu_Setting:Setting", "mnu_Prog:About", "mnu_Exit:Exit"}));
        QCOMPARE(w.Form->windowTitle(),
                 "Tavrilendor       Pexabit v.1.00               Today: 5  December  2026 year  " + QString(c.Weekday));
        QCOMPARE(w.Text("AboutLabel"), QStringLiteral("Pexabit v.1.00"));
        for (const pexabit::ControlSpec& row : pexabit::Controls) {  // every caption fits, not clipped
            QWidget* control = w.Find(row.Name);
            const int space = CaptionSpace(control), needed = control->fontMetrics().horizontalAdvance(w.Text(row.Name));
            if (space < 0) continue;  // an edit field
            QVERIFY2(needed <= space, qPrintable(QString("%1: %2 of %3 pixels").arg(row.Name).arg(needed).arg(space)));
        }
        QVERIFY(w.Form->windowIcon().availableSizes().contains(QSize(256, 256)));
        const QString folder = w.ProgramFiles + "/Pexabit/";
        const std::string stored = folder.toStdString();
        QVERIFY(ReadBytes(stored + "Pexabit.eng") == pexabit::EncodeSettingsFile({"Pexabit", "v.1.00", stored, stored}));
        QVERIFY(QDir(folder + "2026/" + c.MonthFolder).exists());
        QVERIFY(w.Dialogs.Messages.isEmpty());
        // Each panel starts hidden and toggles; shown, it is opaque and above every other control.
        for (const auto& [action, panel] : {std::pair{"mnu_Setting", "Frame1"}, std::pair{"mnu_Prog", "AboutFrame"}}) {
            auto* item = w.Form->findChild<QAction*>(action);
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

    void startupProblemToldOnce_data() { AddRows(StartupProblems); }
    void startupProblemToldOnce() {
        const auto& c = CurrentRow(StartupProblems);
        QTemporaryDir programFiles;
        QVERIFY(QDir(programFiles.path()).mkpath(QFileInfo(c.Blocked).path()));
        WriteBytes(programFiles.filePath(c.Blocked).toStdString(), std::string(2000, '\xFF'));
        WindowUnderTest w(programFiles.path());
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        const QString expected = c.NamesFolder ? programFiles.path() + "/Pexabit/" : pexabit::CorruptSettingsMessage;
        QVERIFY2(w.Dialogs.Messages[0].contains(expected), qPrintable(w.Dialogs.Messages[0]));
        w.Convert("0.1");  // the program folder's scratch file: not told again
        QCOMPARE(w.Dialogs.Messages.size(), 1);
    }

    // The "Change" button (the store's tests cover what it refuses): the dialog, its start
    // (home until a desktop folder exists, then the desktop), the message, Text1 and the file,
    // for a cancel, a folder that is not there, and a folder. And a scratch file that cannot be
    // written: told once per folder, the report right anyway.
    void changeResultsDirectoryAndScratchProblems() {
        WindowUnderTest w;
        QTemporaryDir other;
        QVERIFY(QDir(w.ProgramFiles + "/Pexabit").removeRecursively());
        w.Convert("0.1");
        w.Convert("0.1");
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        QVERIFY(w.Dialogs.Messages[0].contains(w.ProgramFiles + "/Pexabit/ss.dat"));
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));
        QDir().mkpath(w.ProgramFiles + "/Pexabit");
        const std::string file = (w.ProgramFiles + "/Pexabit/Pexabit.eng").toStdString();
        for (const QString& answer : {QString(), other.path() + "/missing"}) {  // cancelled; refused
            w.Dialogs.FolderAnswer = answer;
            w.Form->Command1_Click();
            QCOMPARE(w.Text("Text1"), QString());
            QVERIFY(ReadBytes(file).empty());
        }
        QCOMPARE(w.Dialogs.Messages.size(), 2);  // the missing folder only
        w.Dialogs.FolderAnswer = other.path();
        QVERIFY(QDir(Home.path()).mkdir("Desktop"));
        w.Form->Command1_Click();
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

    void viewRuleEachFrameAlone_data() { AddRows(ViewCases); }
    void viewRuleEachFrameAlone() {
        const auto& c = CurrentRow(ViewCases);
        WindowUnderTest w;
        w.Convert("0.1");
        for (const QString& change : c.Changes) {
            if (auto* check = w.Find<QCheckBox>(QString(change).remove('~'))) {
                check->setTristate(true);
                check->setCheckState(change.startsWith('~') ? Qt::PartiallyChecked : Qt::Checked);
            } else {
                w.Find<QRadioButton>(change)->setChecked(true);
            }
        }
        for (const bool later : {false, true}) {  // as the change left it; the choices hold for later conversions
            if (later) w.Convert("2.5");
            pexabit::ConversionState s;
            pexabit::ConvertResult converted;
            pexabit::ConvertText(s, later ? "2.5" : "0.1", {}, converted);
            QCOMPARE(w.Text("Text9") + " | " + w.Text("Text6"),
                     QString::fromStdString(s.Single.Texts.*c.Text9 + " | " + s.Double.Texts.*c.Text6));
        }
    }

    void convertButton_data() { AddRows(ConvertCases); }
    void convertButton() {
        const auto& c = CurrentRow(ConvertCases);
        WindowUnderTest w;
        w.Convert("0.1");
        w.Busy.clear();
        w.BusyReport.clear();
        w.Convert(c.Typed);
        const bool refused = c.Expected[1] == Refused;  // else busy once, the old report already cleared
        QCOMPARE(w.Busy, refused ? QStringList{} : QStringList{BusyButtons(0, "wait")});
        QCOMPARE(w.BusyReport, refused ? QStringList{} : QStringList{"S="});
        for (qsizetype i = 0; i + 1 < c.Expected.size(); i += 2) {
            const QString actual = w.Text(c.Expected[i]);
            if (c.Expected[i + 1] == "*") QVERIFY2(!actual.isEmpty(), qPrintable(c.Expected[i]));
            else QCOMPARE(actual, c.Expected[i + 1]);
        }
        QVERIFY(w.Dialogs.Messages.isEmpty());
        QCOMPARE(w.Buttons(), IdleButtons("Single hex", "Double hex"));
    }

    void hexButtons_data() { AddRows(HexCases); }
    void hexButtons() {
        const auto& c = CurrentRow(HexCases);
        WindowUnderTest w;
        w.Convert("0.1");
        w.Busy.clear();
        w.Find<QLineEdit>(c.Single ? "Text7" : "Text12")->setText(c.Typed);
        c.Single ? w.Form->Command3_Click() : w.Form->Command4_Click();
        QCOMPARE(w.Text("Text7"), QString(c.Text7));
        QCOMPARE(w.Text("Text12"), QString(c.Text12));
        const bool refused = *c.Message != '\0', special = *c.Named != '\0';
        QCOMPARE(w.Dialogs.Messages, refused ? QStringList{c.Message} : QStringList{});
        QStringList busy;
        if (refused) {
            QCOMPARE(w.Text("Text2"), QStringLiteral("0.1"));
        } else if (special) {
            busy << BusyButtons(c.Single ? 1 : 2, "Wait");
            QCOMPARE(w.Text(c.Single ? "Text9" : "Text6"), QString(c.Named));
            QCOMPARE(w.Text("Text2"), QString());
        } else {  // then the convert button on the exact value
            busy << BusyButtons(c.Single ? 1 : 2, "Wait") << BusyButtons(0, "wait");
            QVERIFY(w.Text("Text2").startsWith('+') || w.Text("Text2").startsWith('-'));
        }
        QCOMPARE(w.Busy, busy);
        const bool single = !refused && c.Single, dbl = !refused && !c.Single;  // named after decoding
        QCOMPARE(w.Buttons(), IdleButtons(single ? "Single" : "Single hex", dbl ? "Double" : "Double hex"));
    }
private:
    QTemporaryDir Home;
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
