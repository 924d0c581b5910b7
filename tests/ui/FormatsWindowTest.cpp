// The formats window driven as a user drives it: typing, choosing the rounding mode and the
// formats, clicking bits, typing patterns, stepping, copying the report, restarting it; its
// answers are compared with the command line's.

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
    {"a payload e4m3 has no room for: its panel says why", "nan(0x1)", "nearest-even", &E4M3Format, "", "", ""},
    {"... and half still answers", "nan(0x1)", "nearest-even", &HalfFormat, "7E01", "", ""},
};

// A pattern picked in the panel of Source after typing Text: a cell clicked (Arg the bit), a step
// button ("up", "down"), keys on the bit strip, or a typed pattern and Enter. Then Line of
// Target's panel shows Expected, and the input line Input.
enum class Act { Click, Step, Keys, Edit };
const struct PickCase {
    const char *Reason, *Text;
    const FloatFormat* Source; Act Action; const char* Arg;
    const FloatFormat* Target; const char *Line, *Expected, *Input;
} PickCases[] = {
    // A flipped bit: the others round from its exact value, never from a decimal near it.
    {"single's sign bit negates 0.1", "0.1", &SingleFormat, Act::Click, "31", &SingleFormat, "pattern", "BDCCCCCD", "-0x1.99999ap-4"},
    {"double holds the single's value, not -0.1", "0.1", &SingleFormat, Act::Click, "31", &DoubleFormat, "pattern", "BFB99999A0000000", "-0x1.99999ap-4"},
    {"half rounds the single's value", "0.1", &SingleFormat, Act::Click, "31", &HalfFormat, "pattern", "AE66", "-0x1.99999ap-4"},
    {"bfloat16 rounds the single's value", "0.1", &SingleFormat, Act::Click, "31", &Bfloat16Format, "pattern", "BDCD", "-0x1.99999ap-4"},
    {"a fraction bit of inf makes a NaN", "inf", &SingleFormat, Act::Click, "22", &DoubleFormat, "pattern", "7FF8000000000000", "nan"},
    // Steps go to the report's neighbour, and nowhere where it has none.
    {"next_up from half's largest is infinity", "65504", &HalfFormat, Act::Step, "up", &HalfFormat, "pattern", "7C00", "inf"},
    {"next_up from e4m3's 448 is disabled", "448", &E4M3Format, Act::Step, "up", &E4M3Format, "next_up", "disabled", "448"},
    {"next_down from +0 is the negative subnormal", "0", &HalfFormat, Act::Step, "down", &HalfFormat, "pattern", "8001", "-0x0.004p-14"},
    // Keys on the bit strip: Up steps its panel, Space flips the focused bit, Right moves right.
    {"Up steps a single holding 1", "1", &SingleFormat, Act::Keys, "Up", &SingleFormat, "pattern", "3F800001", "0x1.000002p+0"},
    {"Space flips the focused sign bit", "1", &SingleFormat, Act::Keys, "Space", &SingleFormat, "pattern", "BF800000", "-0x1p+0"},
    {"Right reaches the top exponent bit: 1 becomes inf", "1", &SingleFormat, Act::Keys, "Right Space", &SingleFormat, "pattern", "7F800000", "inf"},
    // A typed pattern: what --pattern takes, shown as --pattern describes it.
    {"0x and lower case are taken", "1", &HalfFormat, Act::Edit, "0x3c01", &SingleFormat, "pattern", "3F802000", "0x1.004p+0"},
    {"a pseudo-denormal shows as noncanonical, with no typed text", "1", &ExtendedFormat, Act::Edit, "00008000000000000000", &ExtendedFormat, "class", "noncanonical", ""},
    {"an unnormal has no value: the others show a NaN", "1", &ExtendedFormat, Act::Edit, "3FFF0000000000000000", &DoubleFormat, "pattern", "7FF8000000000000", ""},
    {"a malformed pattern changes nothing", "0.1", &SingleFormat, Act::Edit, "3DCCCCC", &DoubleFormat, "pattern", "3FB999999999999A", "0.1"},
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

// What pexabit-cli prints for `arguments`: the same input, mode and formats, or pattern.
QString CommandLineOutput(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(PEXABIT_CLI), arguments);
    cli.waitForFinished(AnswerMs);
    return QString::fromUtf8(cli.readAllStandardOutput());
}

// What a row's Line reads in `panel`: a text, the refusal, or whether a step button is enabled.
QString LineOf(FormatPanel* panel, const QString& line) {
    if (line == "refusal") return panel->Refusal().left(35);
    if (line.startsWith("next_")) return panel->Step(line == "next_up")->isEnabled() ? "enabled" : "disabled";
    return panel->Line(line)->text();
}

void Act(FormatPanel* panel, const PickCase& c) {
    const QString arg = c.Arg;
    if (c.Action == Act::Click) QTest::mouseClick(panel->Strip(), Qt::LeftButton, {}, panel->Strip()->CellRect(arg.toInt()).center());
    if (c.Action == Act::Step) QTest::mouseClick(panel->Step(arg == "up"), Qt::LeftButton);
    for (const QString& key : arg.split(' ')) {
        if (c.Action == Act::Keys) QTest::keyClick(panel->Strip(), QKeySequence(key)[0].key());
    }
    if (c.Action == Act::Edit) {
        panel->Line("pattern")->selectAll();
        QTest::keyClicks(panel->Line("pattern"), arg + "\r");
    }
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
            QVERIFY(CommandLineOutput({"--format", "all", "--round", c.Mode, "--", c.Text}).contains("  cannot hold:    " + refusal + "\n"));
        }
        // A refusal: the command line's own words, and no panel keeps a value.
        if (*c.Message != 0) {
            QVERIFY(CommandLineOutput({"--format", c.Format->Name.data(), "--round", c.Mode, "--", c.Text}).contains(QString("Refused:").leftJustified(18) + window->Message()->text() + "\n"));
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
        QCOMPARE(QApplication::clipboard()->text(), CommandLineOutput({"--format", list.join(','), "--round", c.Mode, "--", c.Text}));
    }

    // A picked pattern, then Ctrl+Shift+C: the command line's report of the input line's text, or
    // of the pattern where it has none.
    void pick_data() { AddRows(PickCases); }
    void pick() {
        QFETCH(int, row);
        const PickCase& c = PickCases[row];
        auto window = OpenWithAllFormats();
        window->Input()->setText(c.Text);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs);
        FormatPanel* source = window->Panel(*c.Source);
        Act(source, c);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Waiting(), AnswerMs);
        QCOMPARE(LineOf(window->Panel(*c.Target), c.Line), QString(c.Expected));
        const QString input = window->Input()->text();
        QCOMPARE(input, QString(c.Input));
        QCOMPARE(source->IsOrigin(), input != c.Text);
        const QStringList pattern{"--format", c.Source->Name.data(), "--pattern", source->Line("pattern")->text()};
        if (c.Action == Act::Edit && input == c.Text) {  // refused in the command line's words
            QVERIFY(CommandLineOutput(pattern).contains("Refused:" + QString(10, ' ') + source->PatternError() + "\n"));
        }
        window->CopyReportAction()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), CommandLineOutput(input.isEmpty() ? pattern : QStringList{"--format", "all", "--", input}));
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
