// The window's handlers: the view rule, the convert button and the two hex buttons, each with
// its busy state seen from inside and the idle state after it.

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "WindowTestSupport.h"
#include "encode/ConvertReport.h"

using pexabit::test::WindowUnderTest;

namespace {

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
struct ViewCase {
    const char* Reason;
    QStringList Changes;                      // option buttons set, check boxes checked; "~Check1" = grey
    std::string Texts::*Text9, Texts::*Text6;  // the Single's and the Double's text shown afterwards
};
const ViewCase ViewCases[] = {
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
    {"-1e309: both overflow, no difference; the Double's fields", "-1e309",
     {"Label22", "Double the number displayed in the Windows F = Overflow", "Text12", "FFF0000000000000", "Text6",
      "-Infinity", "Text4", "11111111111", "Text3", QString(52, '0'), "Text8", "", "Text10", "", "Text11", ""}},
    {"refused: a blank inside", "1 2", {"Text2", Refused, "Text7", "3DCCCCCD", "Text9", "+0,100000001490116119384765625"}},
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
    {"Double: 15 digits", false, "3FF000000000000", "hex число должно иметь 16 цифр", "3DCCCCCD", "3FF000000000000", ""},
    {"Double: 16 Cyrillic letters are 16 characters", false, "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", "ou misspelled hex-number", "3DCCCCCD", "0000000000000000", ""},
    {"Single +Infinity", true, "7F800000", "", "7F800000", "", "+Infinity"},
    {"Double NaN, sign set", false, "FFF8000000000000", "", "", "FFF8000000000000", "NANs"},
    {"negative zero keeps its sign", true, "80000000", "", "80000000", "8000000000000000", ""},
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
        for (const QString& change : c.Changes) {
            if (auto* check = w.Find<QCheckBox>(QString(change).remove('~'))) {
                check->setTristate(true);
                check->setCheckState(change.startsWith('~') ? Qt::PartiallyChecked : Qt::Checked);
            } else {
                w.Find<QRadioButton>(change)->setChecked(true);
            }
        }
        const auto verifyShown = [&] {
            const pexabit::ConversionState& s = w.Window().State();
            QCOMPARE(w.Text("Text9") + " | " + w.Text("Text6"),
                     QString::fromStdString(s.Single.Texts.*c.Text9 + " | " + s.Double.Texts.*c.Text6));
        };
        verifyShown();
        w.Convert("2.5");  // the choices hold for later conversions
        verifyShown();
    }

    void convertButton_data() { pexabit::test::AddRows(ConvertCases); }
    void convertButton() {
        QFETCH(int, row);
        const ConvertCase& c = ConvertCases[row];
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

    void hexButtons_data() { pexabit::test::AddRows(HexCases); }
    void hexButtons() {
        QFETCH(int, row);
        const HexCase& c = HexCases[row];
        WindowUnderTest w;
        w.Convert("0.1");
        w.Busy.clear();
        w.Find<QLineEdit>(c.Single ? "Text7" : "Text12")->setText(c.Typed);
        c.Single ? w.Window().Command3_Click() : w.Window().Command4_Click();
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
};

QTEST_MAIN(WindowHandlersTest)
#include "WindowHandlersTest.moc"
