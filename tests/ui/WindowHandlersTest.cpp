// The window's handlers: the view rule, the convert button and the two hex buttons, with the
// busy state seen from inside a conversion and the idle state after it.

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "WindowTestSupport.h"
#include "encode/ConvertReport.h"

using pexabit::test::ButtonsSnapshot;
using pexabit::test::WindowUnderTest;

namespace {

const QColor Busy(255, 128, 128);

QString Invalid() { return QString::fromUtf8(pexabit::InvalidNumberMessage.data()); }

void Convert(WindowUnderTest& w, const QString& text) {
    w.SetText("Text2", text);
    w.Window().Command2_Click();
}

// All three buttons usable again, the convert button in its face colour.
void VerifyIdle(WindowUnderTest& w) {
    const ButtonsSnapshot b = w.Buttons();
    QCOMPARE(b.Caption2, QStringLiteral("Pexabit"));
    QVERIFY(b.Enabled2 && b.Enabled3 && b.Enabled4);
    QVERIFY(!b.Hidden2 && !b.Hidden3 && !b.Hidden4);
    const QColor face = QApplication::palette(w.Find<QPushButton>("Command2")).color(QPalette::Button);
    QCOMPARE(b.Colour2, face);
    QCOMPARE(b.Colour3, face);
    QCOMPARE(b.Colour4, face);
}

}  // namespace

class WindowHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    // One change in one frame: only that frame's box follows the view table.
    void viewRuleEachFrameAlone_data() {
        QTest::addColumn<QString>("control");    // the option or check box changed
        QTest::addColumn<int>("checkState");     // for a check box
        QTest::addColumn<QString>("singleView");  // what Text9 shows afterwards
        QTest::addColumn<QString>("doubleView");
        QTest::newRow("Single BIN") << "Option1" << 0 << "SingleBinary" << "DoubleExact";
        QTest::newRow("Single Exp") << "Check1" << int(Qt::Checked) << "SingleExactSci" << "DoubleExact";
        QTest::newRow("grey Exp counts as unchecked") << "Check1" << int(Qt::PartiallyChecked) << "SingleExact" << "DoubleExact";
        QTest::newRow("Double BIN") << "Option3" << 0 << "SingleExact" << "DoubleBinary";
        QTest::newRow("Double Exp") << "Check2" << int(Qt::Checked) << "SingleExact" << "DoubleExactSci";
        QTest::newRow("grey Double Exp") << "Check2" << int(Qt::PartiallyChecked) << "SingleExact" << "DoubleExact";
    }
    void viewRuleEachFrameAlone() {
        QFETCH(QString, control);
        QFETCH(int, checkState);
        QFETCH(QString, singleView);
        QFETCH(QString, doubleView);
        WindowUnderTest w;
        Convert(w, "0.1");
        const auto& s = w.Window().State();
        const QMap<QString, std::string> views{
            {"SingleBinary", s.SingleBinary}, {"SingleExact", s.SingleExact},
            {"SingleExactSci", s.SingleExactSci}, {"DoubleBinary", s.DoubleBinary},
            {"DoubleExact", s.DoubleExact}, {"DoubleExactSci", s.DoubleExactSci}};
        const QString texts7 = w.Text("Text7");
        if (auto* check = w.Find<QCheckBox>(control.toUtf8().constData())) {
            check->setTristate(true);
            check->setCheckState(static_cast<Qt::CheckState>(checkState));
        } else {
            w.Find<QRadioButton>(control.toUtf8().constData())->setChecked(true);
        }
        QCOMPARE(w.Text("Text9"), QString::fromStdString(views[singleView]));
        QCOMPARE(w.Text("Text6"), QString::fromStdString(views[doubleView]));
        QCOMPARE(w.Text("Text7"), texts7);
    }

    void viewRuleBothChoicesTogether() {
        WindowUnderTest w;
        Convert(w, "0.1");
        w.Find<QRadioButton>("Option1")->setChecked(true);
        w.Find<QCheckBox>("Check1")->setChecked(true);
        QCOMPARE(w.Text("Text9"), QString::fromStdString(w.Window().State().SingleBinarySci));
        // A later conversion keeps the chosen view.
        Convert(w, "2.5");
        QCOMPARE(w.Text("Text9"), QString::fromStdString(w.Window().State().SingleBinarySci));
        QCOMPARE(w.Text("Text6"), QString::fromStdString(w.Window().State().DoubleExact));
    }

    void viewBeforeAnyConversionIsEmpty() {
        WindowUnderTest w;
        w.Find<QCheckBox>("Check1")->setChecked(true);
        QCOMPARE(w.Text("Text9"), QString());
        QCOMPARE(w.Text("Text7"), QStringLiteral("00000000"));
        QCOMPARE(w.Text("Label15"), QStringLiteral("S="));
    }

    // Key inputs of the convert button, and what the report shows afterwards.
    void convertReports_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");  // pairs: control, text ("*" = not empty)
        QTest::newRow("0.1: the usual example") << "0.1" << QStringList{
            "Text7", "3DCCCCCD", "Text12", "3FB999999999999A", "Label16", "E=7B hex",
            "Label19", "E=3FB hex", "Text9", "+0,100000001490116119384765625",
            "Text8", "*", "Text10", "*", "Text11", "*"};
        QTest::newRow("empty text converts as zero") << "" << QStringList{
            "Text7", "00000000", "Text12", "0000000000000000", "Label15", "S= 0",
            "Label16", "E=0 hex", "Label17", "M=000000 hex"};
        QTest::newRow("1e39: Single overflow only") << "1e39" << QStringList{
            "Label21", "Number of Single displayed in the Windows F = Overflow",
            "Text7", "7F800000", "Text9", "+Infinity", "Text11", "", "Text8", "", "Text10", "*"};
        QTest::newRow("1e309: both overflow, no difference") << "1e309" << QStringList{
            "Label22", "Double the number displayed in the Windows F = Overflow",
            "Text12", "7FF0000000000000", "Text4", QString(11, '1'), "Text3", QString(52, '0'),
            "Text8", "", "Text10", "", "Text11", ""};
        QTest::newRow("-1e309: negative infinities") << "-1e309" << QStringList{
            "Text12", "FFF0000000000000", "Text7", "FF800000", "Text9", "-Infinity",
            "Label9", "1", "Label10", "11111111", "Label11", QString(23, '0')};
    }
    void convertReports() {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        WindowUnderTest w;
        Convert(w, typed);
        for (int i = 0; i + 1 < expected.size(); i += 2) {
            const QString actual = w.Text(expected[i].toUtf8().constData());
            if (expected[i + 1] == "*") {
                QVERIFY2(!actual.isEmpty(), qPrintable(expected[i]));
            } else {
                QCOMPARE(actual, expected[i + 1]);
            }
        }
        QCOMPARE(w.BusySnapshots.size(), std::size_t{1});
        VerifyIdle(w);
    }

    // A refused text: the message in Text2, the previous report untouched, no busy state.
    void rejectedTextKeepsThePreviousReport_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a blank inside") << "1 2";
        QTest::newRow("a letter other than e") << "12a";
        QTest::newRow("hex prefix") << "0x10";
        QTest::newRow("canonical text beyond its bound") << "1e99999999";
    }
    void rejectedTextKeepsThePreviousReport() {
        QFETCH(QString, typed);
        WindowUnderTest w;
        Convert(w, "0.1");
        const QString exact = w.Text("Text9");
        w.BusySnapshots.clear();
        Convert(w, typed);
        QCOMPARE(w.Text("Text2"), Invalid());
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));
        QCOMPARE(w.Text("Text9"), exact);
        QVERIFY(w.BusySnapshots.empty());
        QVERIFY(w.Dialogs.Messages.isEmpty());
        VerifyIdle(w);
    }

    // Inside a conversion: the convert button shows "wait", light red, disabled; the hex
    // buttons are gone; the old report is cleared.
    void convertBusyStateSeenFromInside() {
        WindowUnderTest w;
        Convert(w, "0.1");
        QCOMPARE(w.BusySnapshots.size(), std::size_t{1});
        const ButtonsSnapshot& b = w.BusySnapshots[0];
        QCOMPARE(b.Caption2, QStringLiteral("wait"));
        QCOMPARE(b.Colour2, Busy);
        QVERIFY(!b.Enabled2);
        QVERIFY(b.Hidden3 && b.Hidden4);
        QCOMPARE(b.Text7, QString());
        QCOMPARE(b.Label15, QStringLiteral("S="));
    }

    // Patterns refused before any work: a message box, maybe a reset, nothing else.
    void hexPatternRejected_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("afterwards");  // the input box after the message
        QTest::newRow("Single: 7 digits") << true << "3F80000" << "hex number must be 8 digits" << "3F80000";
        QTest::newRow("Single: 9 digits") << true << "3F8000000" << "hex number must be 8 digits" << "3F8000000";
        QTest::newRow("Single: a G") << true << "3F80000G" << "You misspelled hex-number" << "00000000";
        QTest::newRow("Single: a leading blank counts") << true << " 3F80000" << "You misspelled hex-number" << "00000000";
        QTest::newRow("Double: 15 digits") << false << "3FF000000000000" << "hex число должно иметь 16 цифр" << "3FF000000000000";
        QTest::newRow("Double: a Z") << false << "3FF000000000000Z" << "ou misspelled hex-number" << "0000000000000000";
        QTest::newRow("Double: 16 Cyrillic letters are 16 characters") << false << QString(16, QChar(0x0416)) << "ou misspelled hex-number" << "0000000000000000";
    }
    void hexPatternRejected() {
        QFETCH(bool, single);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, afterwards);
        WindowUnderTest w;
        Convert(w, "0.1");
        w.BusySnapshots.clear();
        const char* box = single ? "Text7" : "Text12";
        w.SetText(box, typed);
        single ? w.Window().Command3_Click() : w.Window().Command4_Click();
        QCOMPARE(w.Dialogs.Messages, QStringList{message});
        QCOMPARE(w.Text(box), afterwards);
        QCOMPARE(w.Text("Text2"), QStringLiteral("0.1"));
        QCOMPARE(w.Text(single ? "Text12" : "Text7"), single ? "3FB999999999999A" : "3DCCCCCD");
        QVERIFY(w.BusySnapshots.empty());
        QCOMPARE(w.Buttons().Caption3, QStringLiteral("Single hex"));
        QCOMPARE(w.Buttons().Caption4, QStringLiteral("Double hex"));
    }

    // Patterns with an all-ones exponent are named and shown by the hex button itself.
    void hexSpecialPatterns_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const QString said = QStringLiteral("The number displayed in the  Windows F=");
        QTest::newRow("Single +Infinity") << true << "7F800000" << "+Infinity" << said + "+1,#INF";
        QTest::newRow("Single -Infinity") << true << "FF800000" << "-Infinity" << said + "-1,#INF";
        QTest::newRow("Single quiet NaN") << true << "7FC00000" << "NANs" << said + " Overflow";
        QTest::newRow("Single NaN, lower case") << true << "ff800001" << "NANs" << said + " Overflow";
        QTest::newRow("Double +Infinity") << false << "7FF0000000000000" << "+Infinity" << said + "+1,#INF";
        QTest::newRow("Double -Infinity") << false << "FFF0000000000000" << "-Infinity" << said + "-1,#INF";
        QTest::newRow("Double NaN, sign set") << false << "FFF8000000000000" << "NANs" << said + " Overflow";
    }
    void hexSpecialPatterns() {
        QFETCH(bool, single);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        WindowUnderTest w;
        Convert(w, "0.1");
        w.BusySnapshots.clear();
        w.SetText(single ? "Text7" : "Text12", typed);
        single ? w.Window().Command3_Click() : w.Window().Command4_Click();
        QCOMPARE(w.Text(single ? "Text9" : "Text6"), name);
        QCOMPARE(w.Text(single ? "Label21" : "Label22"), caption);
        QCOMPARE(w.Text(single ? "Text7" : "Text12"), typed);  // left as typed
        QCOMPARE(w.Text(single ? "Text12" : "Text7"), QString());
        QCOMPARE(w.Text("Text2"), QString());
        QVERIFY(w.Dialogs.Messages.isEmpty());
        QCOMPARE(w.BusySnapshots.size(), std::size_t{1});  // the convert button never ran
        const ButtonsSnapshot& busy = w.BusySnapshots[0];
        QCOMPARE(single ? busy.Caption3 : busy.Caption4, QStringLiteral("Wait"));
        QCOMPARE(single ? busy.Colour3 : busy.Colour4, Busy);
        QVERIFY(busy.Hidden2 && (single ? busy.Hidden4 : busy.Hidden3));
        QVERIFY(single ? !busy.Enabled3 : !busy.Enabled4);
        VerifyIdle(w);
        QCOMPARE(w.Buttons().Caption3, single ? "Single" : "Single hex");
        QCOMPARE(w.Buttons().Caption4, single ? "Double hex" : "Double");
    }

    // Finite patterns go through their exact value and the convert button.
    void hexFinitePatterns_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text7");
        QTest::addColumn<QString>("text12");
        QTest::newRow("Single one") << true << "3F800000" << "3F800000" << "3FF0000000000000";
        QTest::newRow("Single, lower case") << true << "3dcccccd" << "3DCCCCCD" << "3FB99999A0000000";
        QTest::newRow("smallest Single subnormal") << true << "00000001" << "00000001" << "36A0000000000000";
        QTest::newRow("negative zero") << true << "80000000" << "80000000" << "8000000000000000";
        QTest::newRow("Double 0.1") << false << "3FB999999999999A" << "3DCCCCCD" << "3FB999999999999A";
        QTest::newRow("largest Double") << false << "7FEFFFFFFFFFFFFF" << "7F800000" << "7FEFFFFFFFFFFFFF";
        QTest::newRow("smallest Double subnormal: 1077 characters") << false << "0000000000000001" << "00000000" << "0000000000000001";
    }
    void hexFinitePatterns() {
        QFETCH(bool, single);
        QFETCH(QString, typed);
        QFETCH(QString, text7);
        QFETCH(QString, text12);
        WindowUnderTest w;
        w.SetText(single ? "Text7" : "Text12", typed);
        single ? w.Window().Command3_Click() : w.Window().Command4_Click();
        QCOMPARE(w.Text("Text7"), text7);
        QCOMPARE(w.Text("Text12"), text12);
        QVERIFY(w.Text("Text2").startsWith('+') || w.Text("Text2").startsWith('-'));
        QVERIFY(w.Dialogs.Messages.isEmpty());
        // Two busy states in turn: the hex button's, then the convert button's.
        QCOMPARE(w.BusySnapshots.size(), std::size_t{2});
        QCOMPARE(single ? w.BusySnapshots[0].Caption3 : w.BusySnapshots[0].Caption4, QStringLiteral("Wait"));
        QCOMPARE(w.BusySnapshots[1].Caption2, QStringLiteral("wait"));
        QCOMPARE(w.BusySnapshots[1].Caption3, single ? "Single" : "Single hex");
        VerifyIdle(w);
        QCOMPARE(w.Buttons().Caption3, single ? "Single" : "Single hex");
        QCOMPARE(w.Buttons().Caption4, single ? "Double hex" : "Double");
    }
};

QTEST_MAIN(WindowHandlersTest)
#include "WindowHandlersTest.moc"
