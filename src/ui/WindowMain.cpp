// pexabit: the window. Creates Form1, runs its start-up and waits for the user's events; with
// --formats the formats window instead.
// The arguments are read before QApplication is made, which aborts where there is no display:
// --help and --version are answered on standard output, an unknown option and a start without
// a display are named on standard error with status 2, all without a display.

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "pexabit/Version.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"
#include "ui/WindowStart.h"
#include "ui/formats/FormatsWindow.h"

namespace {

constexpr int ExitUsage = 2;  // as pexabit-cli

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int UsageError(const QString& error) {
    std::fprintf(stderr, "pexabit: %s\nTry 'pexabit --help' for more information.\n", error.toLocal8Bit().constData());
    return ExitUsage;
}

// Why the arguments were refused: the first unknown option as typed, or the parser's reason (a
// missing value).
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) return parser.errorText();
    return QStringLiteral("unknown option '%1'").arg(pexabit::TypedOption(arguments, unknown.first()));
}

constexpr const char* NoDisplay =
    "pexabit: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset or empty).\n"
    "pexabit-cli is the command-line front end: the same reports on a terminal, no display needed\n"
    "(pexabit-cli --help).\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("pexabit"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(pexabit::SoftwareVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Pexabit shows how a decimal number is stored as an IEEE 754 Single and Double.\n"
        "The options of every Qt program (-platform, -style, ...) are taken as well."));
    // Qt's own options are single-dash words: read as one option each, known to the parser and
    // taken from the arguments by QApplication.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    // -V as pexabit-cli has it, -v as Qt programs have it.
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption formats(QStringLiteral("formats"),
                                     QStringLiteral("Open the formats window: every format side by side as you type."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(formats);
    pexabit::AddQtOptions(parser);
    const QStringList arguments = Arguments(argc, argv);
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication core(argc, argv);  // needs no display; names the program in the help
        const QString answer = parser.isSet(help) ? parser.helpText()
                                                  : QStringLiteral("pexabit %1\n").arg(pexabit::SoftwareVersion);
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!parsed) return UsageError(ParseError(parser, arguments));
    if (!pexabit::HasDisplay(parser)) {
        std::fputs(NoDisplay, stderr);
        return ExitUsage;
    }

    QApplication app(argc, argv);
    // Fusion: the style whose one-pixel button outline the graphical buttons paint inside.
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (parser.isSet(formats)) {
        pexabit::FormatsWindow window(pexabit::DefaultFormatsSettingsPath());
        window.show();
        return QApplication::exec();
    }
    pexabit::QtDialogs dialogs;
    pexabit::Form1 window(dialogs);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
