#include "ui/WindowStart.h"

#include <QCommandLineOption>

namespace pexabit {

namespace {

// The options Qt 6 takes from every program's arguments (QGuiApplication, QApplication and the
// xcb platform, as their documentation lists them), those with a value marked.
struct QtOption {
    const char* Name;
    bool TakesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true}, {"qwindowicon", true}, {"icon", true},
    {"qwindowtitle", true}, {"title", true}, {"session", true}, {"display", true}, {"name", true},
    {"visual", true}, {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false}, {"widgetcount", false}, {"testability", false}, {"nograb", false}, {"dograb", false},
};

// Qt's platforms that open their windows on an X11 or a Wayland display; every other one
// (offscreen, minimal, vnc, linuxfb, eglfs, ...) needs neither.
bool NeedsDisplay(const QString& platform) {
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

// A platform choice "name[:options]", or several separated by ";" that Qt tries in turn: true
// when one of them needs no display. An empty choice is Qt's default, xcb or wayland.
bool ChoosesDisplayFreePlatform(const QString& choice) {
    for (const QString& entry : choice.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!NeedsDisplay(entry.section(QLatin1Char(':'), 0, 0).trimmed())) return true;
    }
    return false;
}

}  // namespace

void AddQtOptions(QCommandLineParser& parser) {
    for (const QtOption& o : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.Name));
        if (o.TakesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString TypedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option == QLatin1Char('-') + name || option == QLatin1String("--") + name) return option;
    }
    return name;
}

bool HasDisplay(const QCommandLineParser& parser) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    if (parser.isSet(QStringLiteral("display"))) return true;
    const QString platform = parser.isSet(QStringLiteral("platform")) ? parser.value(QStringLiteral("platform"))
                                                                      : qEnvironmentVariable("QT_QPA_PLATFORM");
    return ChoosesDisplayFreePlatform(platform);
}

}  // namespace pexabit
