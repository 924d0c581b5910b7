// The window as it starts: controls, nesting, texts, fonts, colours, positions, menu, panels.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "WindowTestSupport.h"
#include "ui/ControlTable.h"

using pexabit::test::WindowUnderTest;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    // Every row of the control table becomes a widget of its kind, in its container, at its
    // pixel position, with its text: catches a builder that drops, misplaces or renames one.
    void everyControlIsBuiltFromItsRow_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(pexabit::ControlCount); ++row) {
            QTest::newRow(pexabit::Controls[static_cast<std::size_t>(row)].Name) << row;
        }
    }
    void everyControlIsBuiltFromItsRow() {
        QFETCH(int, row);
        const pexabit::ControlSpec& spec = pexabit::Controls[static_cast<std::size_t>(row)];
        WindowUnderTest w;
        auto* widget = w.Find<QWidget>(spec.Name);
        QVERIFY(widget != nullptr);
        const QString container = spec.Container ? spec.Container : "Form1Client";
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), QRect(pexabit::ToPixels(spec.Left), pexabit::ToPixels(spec.Top),
                                          pexabit::ToPixels(spec.Width), pexabit::ToPixels(spec.Height)));
        if (spec.Kind != pexabit::ControlKind::Frame && std::string(spec.Name) != "AboutLabel") {
            QCOMPARE(w.Text(spec.Name), QString::fromUtf8(spec.Text));
        }
        QCOMPARE(widget->isHidden(), (spec.Style & pexabit::HiddenAtStart) != 0U);
    }

    // Literal values of the design, independent of the table: catch a mistyped row.
    void designValuesHold_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Double mantissa: 52 zeros, 8715 twips") << "Text3" << "QLineEdit" << QString(52, '0') << QRect(175, 298, 581, 33);
        QTest::newRow("Single mantissa: 23 zeros") << "Label11" << "QLabel" << QString(23, '0') << QRect(136, 86, 265, 33);
        QTest::newRow("Double exponent: 11 zeros") << "Text4" << "QLineEdit" << QString(11, '0') << QRect(47, 298, 129, 33);
        QTest::newRow("Single pattern box") << "Text7" << "QLineEdit" << "00000000" << QRect(267, 60, 94, 25);
        QTest::newRow("Double pattern box") << "Text12" << "QLineEdit" << "0000000000000000" << QRect(279, 273, 184, 25);
        QTest::newRow("convert button") << "Command2" << "QPushButton" << "Pexabit" << QRect(738, 60, 73, 22);
        QTest::newRow("Single hex button") << "Command3" << "QPushButton" << "Single hex" << QRect(366, 60, 73, 22);
        QTest::newRow("Double hex button") << "Command4" << "QPushButton" << "Double hex" << QRect(468, 273, 73, 22);
        QTest::newRow("number box, multi-line") << "Text2" << "QPlainTextEdit" << "" << QRect(19, 18, 794, 40);
        QTest::newRow("Single exact value, multi-line") << "Text9" << "QPlainTextEdit" << "" << QRect(63, 18, 727, 64);
        QTest::newRow("difference box, multi-line") << "Text11" << "QPlainTextEdit" << "" << QRect(288, 570, 520, 39);
        QTest::newRow("settings button inside Frame1") << "Command1" << "QPushButton" << "Change" << QRect(504, 36, 73, 19);
        QTest::newRow("two blanks kept in the Double frame") << "Label8" << "QLabel" << "Double(64bit Pexabit)=" << QRect(24, 276, 253, 21);
    }
    void designValuesHold() {
        QFETCH(QString, control);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, pixels);
        WindowUnderTest w;
        auto* widget = w.Find<QWidget>(control.toUtf8().constData());
        QVERIFY(widget != nullptr);
        QCOMPARE(QString(widget->metaObject()->className()), kind);
        QCOMPARE(w.Text(control.toUtf8().constData()), text);
        QCOMPARE(widget->geometry(), pixels);
    }

    void clientAreaIs904By632() {
        WindowUnderTest w;
        QCOMPARE(w.Window().centralWidget()->size(), QSize(904, 632));
    }

    // Fonts: family chain with its metric-compatible fallback, point sizes of the design.
    void fontsFollowTheDesign_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::newRow("mono 14 pattern") << "Text7" << "Courier New" << 14.25;
        QTest::newRow("mono 14 label") << "Label21" << "Courier New" << 14.25;
        QTest::newRow("mono 8 exact value") << "Text6" << "Courier New" << 8.25;
        QTest::newRow("sans 12 field value") << "Label19" << "MS Sans Serif" << 12.0;
        QTest::newRow("sans 12 maker") << "AboutMakerLabel" << "MS Sans Serif" << 12.0;
    }
    void fontsFollowTheDesign() {
        QFETCH(QString, control);
        QFETCH(QString, family);
        QFETCH(double, points);
        WindowUnderTest w;
        const QFont font = w.Find<QWidget>(control.toUtf8().constData())->font();
        QCOMPARE(font.families().front(), family);
        QCOMPARE(font.pointSizeF(), points);
        // The installed fallback is the metric-compatible one, so 52 digits fit their box.
        if (points > 14.0) QCOMPARE(QFontMetrics(font).horizontalAdvance(QString(52, '0')), 572);
    }

    void fieldColours_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Single sign red") << "Label9" << int(QPalette::Window) << QColor(255, 0, 0);
        QTest::newRow("Single exponent green") << "Label10" << int(QPalette::Window) << QColor(0, 192, 0);
        QTest::newRow("Single mantissa light cyan") << "Label11" << int(QPalette::Window) << QColor(128, 255, 255);
        QTest::newRow("Double sign red") << "Text5" << int(QPalette::Base) << QColor(255, 0, 0);
        QTest::newRow("Double exponent green") << "Text4" << int(QPalette::Base) << QColor(0, 192, 0);
        QTest::newRow("Double mantissa light cyan") << "Text3" << int(QPalette::Base) << QColor(128, 255, 255);
        QTest::newRow("maker's name blue") << "AboutMakerLabel" << int(QPalette::WindowText) << QColor(0, 0, 255);
    }
    void fieldColours() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        WindowUnderTest w;
        const auto* widget = w.Find<QWidget>(control.toUtf8().constData());
        QCOMPARE(widget->palette().color(static_cast<QPalette::ColorRole>(role)), colour);
    }

    void choicesStartAtDecimalWithoutExponent() {
        WindowUnderTest w;
        QVERIFY(w.Find<QRadioButton>("Option2")->isChecked());
        QVERIFY(w.Find<QRadioButton>("Option4")->isChecked());
        QVERIFY(!w.Find<QRadioButton>("Option1")->isChecked());
        QVERIFY(!w.Find<QRadioButton>("Option3")->isChecked());
        QCOMPARE(w.Find<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
        QCOMPARE(w.Find<QCheckBox>("Check2")->checkState(), Qt::Unchecked);
        QVERIFY(w.Find<QLineEdit>("Text1")->isReadOnly());
    }

    void menuHoldsMenuSettingAbout() {
        WindowUnderTest w;
        const auto actions = w.Window().menuBar()->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0]->text(), QStringLiteral("Menu"));
        QCOMPARE(actions[1]->objectName(), QStringLiteral("mnu_Setting"));
        QCOMPARE(actions[1]->text(), QStringLiteral("Setting"));
        QCOMPARE(actions[2]->objectName(), QStringLiteral("mnu_Prog"));
        QCOMPARE(actions[2]->text(), QStringLiteral("About"));
        auto* file = w.Find<QMenu>("mnu_File");
        QVERIFY(file != nullptr);
        QCOMPARE(file->actions().size(), 1);
        QCOMPARE(file->actions()[0]->objectName(), QStringLiteral("mnu_Exit"));
        QCOMPARE(file->actions()[0]->text(), QStringLiteral("Exit"));
    }

    // Each panel toggles; when shown it lies above every other control of the window.
    void panelsToggleAndCoverTheWindow_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Setting shows Frame1") << "mnu_Setting" << "Frame1";
        QTest::newRow("About shows AboutFrame") << "mnu_Prog" << "AboutFrame";
    }
    void panelsToggleAndCoverTheWindow() {
        QFETCH(QString, action);
        QFETCH(QString, panel);
        WindowUnderTest w;
        auto* item = w.Window().findChild<QAction*>(action);
        auto* frame = w.Find<QGroupBox>(panel.toUtf8().constData());
        item->trigger();
        QVERIFY(!frame->isHidden());
        QVERIFY(frame->autoFillBackground());  // opaque, so it covers what lies under it
        QCOMPARE(frame->parentWidget()->children().last(), static_cast<QObject*>(frame));
        item->trigger();
        QVERIFY(frame->isHidden());
    }

    void settingPanelShowsTheCurrentResultsDirectory() {
        WindowUnderTest w;
        auto* setting = w.Window().findChild<QAction*>(QStringLiteral("mnu_Setting"));
        setting->trigger();
        QCOMPARE(w.Text("Text1"), w.ProgramFiles() + "/Pexabit/");
        setting->trigger();
        const QString chosen = w.ProgramFiles();
        w.Dialogs.FolderAnswer = chosen;
        w.Window().Command1_Click();
        setting->trigger();
        QCOMPARE(w.Text("Text1"), chosen + "/");
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
