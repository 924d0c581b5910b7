// The window's handlers: the view rule, the convert button and the two hex buttons, each with
// its busy state seen from inside and the idle state after it.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "WindowTestSupport.h"
#include "encode/ConvertReport.h"

using pexabit::test::Snapshot;
using pexabit::test::WindowUnderTest;

namespace {

// Button `running` (0 convert, 1 Single hex, 2 Double hex) shows `caption`, light red and
// disabled; the other two are hidden.
void VerifyBusy(const Snapshot& s, std::size_t running, const QString& caption) {
    QCOMPARE(s.Buttons[running].Caption, caption);
    QCOMPARE(s.Buttons[running].Colour, QColor(255, 128, 128));
    QVERIFY(!s.Buttons[running].Enabled);
    for (std::size_t i = 0; i < 3; ++i) QVERIFY(i == running || s.Buttons[i].Hidden);
}

// All three buttons shown, usable and in the face colour, with the hex captions given.
void VerifyIdle(const WindowUnderTest& w, const QString& single, const QString& dbl) {
    const Snapshot now = w.Now();
    const QColor face = QApplication::palette(w.Find<QPushButton>("Command2")).color(QPalette::Button);
    const QString captions[] = {"Pexabit", single, dbl};
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(now.Buttons[i].Caption, captions[i]);
        QVERIFY(now.Buttons[i].Enabled && !now.Buttons[i].Hidden);
        QCOMPARE(now.Buttons[i].Colour, face);
    }
}

// One change in one frame: that frame's box follows the view table, the other stays.
struct ViewCase {
    const char *Reason, *Control;  // the option button or check box changed
    Qt::CheckState State;          // for a check box
    const char *Text9, *Text6;     // the ConversionState fields shown afterwards
};
const ViewCase ViewCases[] = {
    {"Single BIN", "Option1", Qt::Checked, "SingleBinary", "DoubleExact"},
    {"Single Exp", "Check1", Qt::Checked, "SingleExactSci", "DoubleExact"},
    {"grey Exp counts as unchecked", "Check1", Qt::PartiallyChecked, "SingleExact", "DoubleExact"},
    {"Double BIN", "Option3", Qt::Checked, "SingleExact", "DoubleBinary"},
    {"Double Exp", "Check2", Qt::Checked, "SingleExact", "DoubleExactSci"},
    {"grey Double Exp", "Check2", Qt::PartiallyChecked, "SingleExact", "DoubleExact"},
};

// The convert button after a report of 0.1. Expected: pairs of control and text ("*" = not
// empty). A refused text leaves the report as it was and never enters the busy state.
const QString Refused = QString::fromUtf8(pexabit::InvalidNumberMessage.data());
struct ConvertCase {
    const char *Reason, *Typed;
    QStringList Expected;
};
const ConvertCase ConvertCases[] = {
    {"0.1", "0.1", {"Text7", "3DCCCCCD", "Text12", "3FB999999999999A", "Label16", "E=7B hex", "Label19", "E=3FB hex",
                    "Text9", "+0,100000001490116119384765625", "Text8", "*", "Text10", "*", "Text11", "*"}},
    {"empty text converts as zero", "", {"Text7", "00000000", "Text12", "0000000000000000", "Label15", "S= 0"}},
    {"1e39: Single overflow only", "1e39", {"Label21", "Number of Single displayed in the Windows F = Overflow",
                                            "Text7", "7F800000", "Text9", "+Infinity", "Text11", "", "Text8", "", "Text10", "*"}},
    {"1e309: both overflow, no difference", "1e309", {"Label22", "Double the number displayed in the Windows F = Overflow",
                                                      "Text12", "7FF0000000000000", "Text8", "", "Text10", "", "Text11", ""}},
    {"-1e309: negative infinities", "-1e309", {"Text12", "FFF0000000000000", "Text7", "FF800000", "Text9", "-Infinity"}},
    {"refused: a blank inside", "1 2", {"Text2", Refused, "Text7", "3DCCCCCD", "Text9", "+0,100000001490116119384765625"}},
    {"refused: a letter other than e", "12a", {"Text2", Refused, "Text7", "3DCCCCCD", "Text12", "3FB999999999999A"}},
    {"refused: canonical text beyond its bound", "1e99999999", {"Text2", Refused, "Text7", "3DCCCCCD"}},
};

// A hex button after a report of 0.1. A refused pattern gets its message box (the box reset
// after a bad character) and no busy state. Special patterns are named by the hex button
// alone, Text2 and the other format cleared; finite ones go through their exact value and the
// convert button: two busy states in turn. An accepted button shows its format's name.
struct HexCase {
    const char* Reason;
    bool Single;
    const char *Typed, *Message, *Text7, *Text12;
    const char* Named;  // the special pattern's name in the exact-value box; "" = finite
};
const HexCase HexCases[] = {
    {"Single: 7 digits", true, "3F80000", "hex number must be 8 digits", "3F80000", "3FB999999999999A", ""},
    {"Single: a G", true, "3F80000G", "You misspelled hex-number", "00000000", "3FB999999999999A", ""},
    {"Single: a leading blank counts", true, " 3F80000", "You misspelled hex-number", "00000000", "3FB999999999999A", ""},
    {"Double: 15 digits", false, "3FF000000000000", "hex число должно иметь 16 цифр", "3DCCCCCD", "3FF000000000000", ""},
    {"Double: a Z", false, "3FF000000000000Z", "ou misspelled hex-number", "3DCCCCCD", "0000000000000000", ""},
    {"Double: 16 Cyrillic letters are 16 characters", false, "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", "ou misspelled hex-number", "3DCCCCCD", "0000000000000000", ""},
    {"Single +Infinity", true, "7F800000", "", "7F800000", "", "+Infinity"},
    {"Single -Infinity", true, "FF800000", "", "FF800000", "", "-Infinity"},
    {"Single quiet NaN", true, "7FC00000", "", "7FC00000", "", "NANs"},
    {"Double NaN, sign set", false, "FFF8000000000000", "", "", "FFF8000000000000", "NANs"},
    {"Single one", true, "3F800000", "", "3F800000", "3FF0000000000000", ""},
    {"Single, lower case", true, "3dcccccd", "", "3DCCCCCD", "3FB99999A0000000", ""},
    {"smallest Single subnormal", true, "00000001", "", "00000001", "36A0000000000000", ""},
    {"negative zero keeps its sign", true, "80000000", "", "80000000", "8000000000000000", ""},
    {"largest Double", false, "7FEFFFFFFFFFFFFF", "", "7F800000", "7FEFFFFFFFFFFFFF", ""},
    {"smallest Double subnormal: 1077 characters", false, "0000000000000001", "", "00000000", "0000000000000001", ""},
};

}  // namespace

class WindowHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void viewRuleEachFrameAlone_data() { pexabit::test::AddRows(ViewCases); }
    void viewRuleEachFrameAlone() {
        QFETCH(int, row);
        const ViewCase& c = ViewCases[row];
        WindowUnderTest w;
        w.Convert("0.1");
        const auto& s = w.Window().State();
        const QMap<QString, std::string> fields{
            {"SingleBinary", s.SingleBinary}, {"SingleExact", s.SingleExact}, {"SingleExactSci", s.SingleExactSci},
            {"DoubleBinary", s.DoubleBinary}, {"DoubleExact", s.DoubleExact}, {"DoubleExactSci", s.DoubleExactSci}};
        if (auto* check = w.Find<QCheckBox>(c.Control)) {
            check->setTristate(true);
            check->setCheckState(c.State);
        } else {
            w.Find<QRadioButton>(c.Control)->setChecked(true);
        }
        QCOMPARE(w.Text("Text9"), QString::fromStdString(fields[c.Text9]));
        QCOMPARE(w.Text("Text6"), QString::fromStdString(fields[c.Text6]));
    }

    void viewRuleBothChoicesKeptByLaterConversions() {
        WindowUnderTest w;
        w.Find<QCheckBox>("Check1")->setChecked(true);
        QCOMPARE(w.Text("Text9"), QString());  // nothing to show before any conversion
        w.Convert("0.1");
        w.Find<QRadioButton>("Option1")->setChecked(true);
        w.Convert("2.5");
        QCOMPARE(w.Text("Text9"), QString::fromStdString(w.Window().State().SingleBinarySci));
        QCOMPARE(w.Text("Text6"), QString::fromStdString(w.Window().State().DoubleExact));
    }

    void convertButton_data() { pexabit::test::AddRows(ConvertCases); }
    void convertButton() {
        QFETCH(int, row);
        const ConvertCase& c = ConvertCases[row];
        WindowUnderTest w;
        w.Convert("0.1");
        w.Busy.clear();
        w.Convert(c.Typed);
        if (c.Expected[1] == Refused) {
            QVERIFY(w.Busy.empty());
        } else {  // busy once, the old report already cleared
            QCOMPARE(w.Busy.size(), std::size_t{1});
            VerifyBusy(w.Busy[0], 0, "wait");
            QCOMPARE(w.Busy[0].Text7 + w.Busy[0].Label15, QStringLiteral("S="));
        }
        for (qsizetype i = 0; i + 1 < c.Expected.size(); i += 2) {
            const QString actual = w.Text(c.Expected[i]);
            if (c.Expected[i + 1] == "*") QVERIFY2(!actual.isEmpty(), qPrintable(c.Expected[i]));
            else QCOMPARE(actual, c.Expected[i + 1]);
        }
        QVERIFY(w.Dialogs.Messages.isEmpty());
        VerifyIdle(w, "Single hex", "Double hex");
    }

    void hexButtons_data() { pexabit::test::AddRows(HexCases); }
    void hexButtons() {
        QFETCH(int, row);
        const HexCase& c = HexCases[row];
        WindowUnderTest w;
        w.Convert("0.1");
        w.Busy.clear();
        w.Decode(c.Single, c.Typed);
        QCOMPARE(w.Text("Text7"), QString(c.Text7));
        QCOMPARE(w.Text("Text12"), QString(c.Text12));
        const bool refused = *c.Message != '\0', special = *c.Named != '\0';
        QCOMPARE(w.Dialogs.Messages, refused ? QStringList{c.Message} : QStringList{});
        if (refused) {
            QVERIFY(w.Busy.empty());
            QCOMPARE(w.Text("Text2"), QStringLiteral("0.1"));
            return VerifyIdle(w, "Single hex", "Double hex");
        }
        QCOMPARE(w.Busy.size(), std::size_t(special ? 1 : 2));
        VerifyBusy(w.Busy[0], c.Single ? 1 : 2, "Wait");
        if (special) {
            QCOMPARE(w.Text(c.Single ? "Text9" : "Text6"), QString(c.Named));
            QCOMPARE(w.Text("Text2"), QString());
        } else {
            VerifyBusy(w.Busy[1], 0, "wait");
            QVERIFY(w.Text("Text2").startsWith('+') || w.Text("Text2").startsWith('-'));
        }
        VerifyIdle(w, c.Single ? "Single" : "Single hex", c.Single ? "Double hex" : "Double");
    }
};

QTEST_MAIN(WindowHandlersTest)
#include "WindowHandlersTest.moc"
