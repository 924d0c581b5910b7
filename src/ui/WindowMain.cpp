// pexabit: the window. Creates Form1, runs its start-up and waits for the user's events; with
// --formats the formats window instead.
// --help and --version are answered on standard output before any window exists, so that they
// work without a display.

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "pexabit/Version.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"
#include "ui/formats/FormatsWindow.h"

namespace {

constexpr int ExitUsage = 2;  // as pexabit-cli

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("pexabit"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(pexabit::SoftwareVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Pexabit shows how a decimal number is stored as an IEEE 754 Single and Double.\n"
        "The options of every Qt program (-platform, -style, ...) are taken as well."));
    // Qt's own options are single-dash words: read as one option each, they are left to QApplication.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption formats(QStringLiteral("formats"),
                                     QStringLiteral("Open the formats window: every format side by side as you type."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(formats);
    parser.parse(Arguments(argc, argv));  // the options of Qt are unknown here, and not yet an error
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication core(argc, argv);  // needs no display; names the program in the help
        const QString answer = parser.isSet(help) ? parser.helpText()
                                                  : QStringLiteral("pexabit %1\n").arg(pexabit::SoftwareVersion);
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    if (!parser.parse(QApplication::arguments())) {  // what is left once Qt took its options
        std::fprintf(stderr, "pexabit: %s\nTry 'pexabit --help' for more information.\n",
                     parser.errorText().toLocal8Bit().constData());
        return ExitUsage;
    }
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
