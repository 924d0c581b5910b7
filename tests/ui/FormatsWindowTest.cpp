// The formats window driven as a user drives it: typing, choosing the rounding mode and the
// formats, copying the report, restarting it; its answers are compared with the command line's.

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "ui/formats/FormatsWindow.h"

using namespace pexabit;

namespace {

constexpr int AnswerMs = 20000;  // the longest a test waits for an answer (a loaded machine)

// One table of formats x cases. Each row types "1", waits for its answer, then types Text and
// picks Mode, and reads the panel of Format.
const struct PanelCase {
    const char *Reason, *Text, *Mode;
    const FloatFormat* Format;
    const char *Pattern, *Flags;  // Pattern "": the panels are cleared
    const char* Message;          // under the input; "" for none
} PanelCases[] = {
    // Everyday values: each panel shows its own format's rounding.
    {"0.1 in single", "0.1", "nearest-even", &SingleFormat, "3DCCCCCD", "inexact", ""},
    {"0.1 in double", "0.1", "nearest-even", &DoubleFormat, "3FB999999999999A", "inexact", ""},
    {"65520 overflows half to infinity", "65520", "nearest-even", &HalfFormat, "7C00", "inexact overflow", ""},
    {"an exact value raises no flag", "-2.5", "nearest-even", &Bfloat16Format, "C020", "", ""},
    {"a value below half the smallest quad underflows to zero", "1e-4970", "nearest-even", &QuadFormat, "00000000000000000000000000000000", "inexact underflow", ""},
    // The rounding mode: changing it re-rounds every panel.
    {"toward zero cuts 0.1 in single", "0.1", "toward-zero", &SingleFormat, "3DCCCCCC", "inexact", ""},
    {"down cuts 0.1 in double", "0.1", "down", &DoubleFormat, "3FB9999999999999", "inexact", ""},
    {"toward zero keeps an overflow finite in half", "65536", "toward-zero", &HalfFormat, "7BFF", "inexact overflow", ""},
    {"up lifts it to the smallest quad", "1e-4970", "up", &QuadFormat, "00000000000000000000000000000001", "inexact underflow", ""},
    // A refusal clears every panel, never leaving the last value, and says why.
    {"a second decimal separator", "1.5.3", "nearest-even", &SingleFormat, "", "", "*"},
    {"a word that is no number", "one", "up", &DoubleFormat, "", "", "*"},
    // A NaN e4m3 cannot hold: its panel says why (Pattern and Message ""), the others show it.
    {"snan in half though e4m3 cannot hold it", "snan", "nearest-even", &HalfFormat, "7C01", "", ""},
    {"snan in e4m3, whose panel keeps nothing of 1", "snan", "nearest-even", &E4M3Format, "", "", ""},
};

// Bits of a typed value and what hovering over them tells.
const struct BitCase {
    const char *Reason, *Text;
    const FloatFormat* Format;
    int Bit;
    const char* Description;
} BitCases[] = {
    {"the top fraction bit of 1 weighs one half", "1", &SingleFormat, 22, "bit 22, fraction: 0\nweight 2^-1 = 0.5"},
    {"an exponent bit weighs in the biased exponent", "1", &SingleFormat, 23, "bit 23, exponent: 1\nweight 2^0 = 1 in the biased exponent"},
    {"extended stores its integer bit", "1", &ExtendedFormat, 63, "bit 63, integer bit: 1\nweight 2^0 = 1"},
    {"a subnormal's bits weigh at the smallest exponent", "6e-8", &HalfFormat, 0, "bit 0, fraction: 1\nweight 2^-24 = 0.000000059604644775390625"},
    {"a long weight is cut", "1", &QuadFormat, 0, "bit 0, fraction: 0\nweight 2^-112 = 1.92592994438723585305597794258...e-34 (49 more digits)"},
    {"an infinity's fraction has no weight", "inf", &HalfFormat, 3, "bit 3, fraction: 0\nno weight: the exponent field is all ones"},
};

template <typename Case, std::size_t N>
void AddRows(const Case (&cases)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) QTest::newRow(cases[i].Reason) << int(i);
}

// What pexabit-cli prints for the same input, mode and formats.
QString CommandLineOutput(const QString& list, const QString& mode, const QString& text) {
    QProcess cli;
    cli.start(QStringLiteral(PEXABIT_CLI), {"--format", list, "--round", mode, "--", text});
    cli.waitForFinished(AnswerMs);
    return QString::fromUtf8(cli.readAllStandardOutput());
}

QString FlagsOf(FormatPanel* panel) {
    QStringList set;
    for (const char* flag : {"inexact", "underflow", "overflow"}) {
        if (panel->Badge(flag)->property("set").toBool()) set << flag;
    }
    return set.join(' ');
}

}  // namespace

class FormatsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir Config;
    QString SettingsPath() const { return Config.filePath("pexabit/formats.conf"); }

    // A window showing every format, its answer to "1" on screen.
    std::unique_ptr<FormatsWindow> OpenWithAllFormats() {
        auto window = std::make_unique<FormatsWindow>(SettingsPath());
        for (const FloatFormat* f : AllFormats) window->Shows(*f)->setChecked(true);
        window->Input()->setText("1");
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs); }();
        return window;
    }

private slots:
    void init() { QFile::remove(SettingsPath()); }

    void panels_data() { AddRows(PanelCases); }
    void panels() {
        QFETCH(int, row);
        const PanelCase& c = PanelCases[row];
        auto window = OpenWithAllFormats();
        window->Input()->clear();
        QTest::keyClicks(window->Input(), c.Text);
        window->Rounding()->setCurrentText(c.Mode);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs);
        FormatPanel* panel = window->Panel(*c.Format);
        QCOMPARE(panel->Line("pattern")->text(), QString(c.Pattern));
        QCOMPARE(FlagsOf(panel), QString(c.Flags));
        QCOMPARE(panel->Strip()->Value().has_value(), *c.Pattern != 0);
        if (*c.Message == 0) QVERIFY(window->Message()->text().isEmpty());
        const QString refusal = panel->Refusal();  // the command line's "cannot hold:" line
        QCOMPARE(!refusal.isEmpty(), *c.Pattern == 0 && *c.Message == 0);
        if (!refusal.isEmpty()) {
            QVERIFY(CommandLineOutput("all", c.Mode, c.Text).contains("  cannot hold:    " + refusal + "\n"));
        }
        // A refusal: the command line's own words, and no panel keeps a value.
        if (*c.Message != 0) {
            QVERIFY(CommandLineOutput(c.Format->Name.data(), c.Mode, c.Text).contains(QString("Refused:").leftJustified(18) + window->Message()->text() + "\n"));
            for (const FloatFormat* f : AllFormats) QVERIFY(window->Panel(*f)->Line("exponent")->text().isEmpty());
        }
    }

    // Ctrl+Shift+C copies what the command line prints for the shown formats in panel order.
    void clipboard_data() { AddRows(PanelCases); }
    void clipboard() {
        QFETCH(int, row);
        const PanelCase& c = PanelCases[row];
        FormatsWindow window(SettingsPath());
        window.Shows(ExtendedFormat)->setChecked(true);  // between the defaults in panel order
        window.Shows(*c.Format)->setChecked(true);
        window.Rounding()->setCurrentText(c.Mode);
        window.Input()->setText(c.Text);
        QTRY_VERIFY_WITH_TIMEOUT(!window.Waiting(), AnswerMs);
        QApplication::clipboard()->clear();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QStringList list;
        for (const FloatFormat* f : AllFormats) {
            if (window.Shows(*f)->isChecked()) list << f->Name.data();
        }
        QCOMPARE(QApplication::clipboard()->text(), CommandLineOutput(list.join(','), c.Mode, c.Text));
    }

    void bits_data() { AddRows(BitCases); }
    void bits() {
        QFETCH(int, row);
        const BitCase& c = BitCases[row];
        auto window = OpenWithAllFormats();
        window->Input()->setText(c.Text);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs);
        const BitStrip* strip = window->Panel(*c.Format)->Strip();
        QCOMPARE(BitDescription(*c.Format, strip->Value(), c.Bit), QString(c.Description));
    }

    // The chosen formats and mode come back after a restart; geometry is the window system's.
    void savedChoices() {
        {
            FormatsWindow first(SettingsPath());
            first.Shows(SingleFormat)->setChecked(false);
            first.Shows(E4M3Format)->setChecked(true);
            first.Rounding()->setCurrentText("up");
        }
        FormatsWindow second(SettingsPath());
        QStringList shown;
        for (const FloatFormat* f : AllFormats) {
            if (second.Shows(*f)->isChecked()) shown << f->Name.data();
        }
        QCOMPARE(shown.join(','), QString("half,bfloat16,double,e4m3"));
        QCOMPARE(second.Rounding()->currentText(), QString("up"));
    }

    // A slow input followed by a fast one: the fast one's answer stays on screen.
    void newestInputWins() {
        auto window = OpenWithAllFormats();
        window->Input()->setText("1e-4950");  // the slowest input in every format
        window->Input()->setText("0.1");
        QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs);
        QTest::qWait(50);  // any late answer to the slow input would arrive here
        QCOMPARE(window->Panel(SingleFormat)->Line("pattern")->text(), QString("3DCCCCCD"));
        QCOMPARE(window->Panel(QuadFormat)->Line("shortest")->text(), QString("0.1"));
    }

    // Digits on every field colour, and a raised flag's name, keep a contrast of 4.5:1 in a light
    // and a dark palette.
    void fieldContrast_data() {
        QTest::addColumn<QPalette>("palette");
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        QTest::newRow("light: Fusion's own, white on its highlight too faint") << fusion->standardPalette();
        QTest::newRow("dark") << QPalette(QColor(53, 53, 53));
        QPalette greyText(QColor(48, 48, 48));
        greyText.setColor(QPalette::WindowText, QColor(150, 150, 150));
        QTest::newRow("dark with grey text: the digits leave the palette's text") << greyText;
    }
    void fieldContrast() {
        QFETCH(QPalette, palette);
        const FieldColours colours = FieldColoursFor(palette);
        for (const QColor& fill : colours.Fill) QVERIFY2(ContrastRatio(fill, colours.Text) >= 4.5, qPrintable(fill.name()));
        const QColor badge = palette.color(QPalette::Highlight);  // a raised flag's badge
        QVERIFY(ContrastRatio(badge, ReadableText(badge, palette.color(QPalette::HighlightedText))) >= 4.5);
    }

    // pexabit --formats opens this window, which writes its own settings and none of Form1's files.
    void startsFromTheCommand() {
        QTemporaryDir home;
        QProcess window;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("ProgramFiles", home.filePath("programs"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        window.setProcessEnvironment(environment);
        window.start(QStringLiteral(PEXABIT_WINDOW), {"--formats"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("config/pexabit/formats.conf")), AnswerMs);
        QCOMPARE(window.state(), QProcess::Running);
        QVERIFY(!QFile::exists(home.filePath("data/Pexabit")) && !QFile::exists(home.filePath("programs/Pexabit")));
        window.kill();
        window.waitForFinished();
    }
};

QTEST_MAIN(FormatsWindowTest)
#include "FormatsWindowTest.moc"
