#pragma once
// What the window's command line decides before QApplication exists. QApplication aborts the
// program where its platform finds no display, so an unknown option and a start without a
// display are answered before it is made: named on standard error, with status 2.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace pexabit {

// Makes `parser` know the options of every Qt program, hidden from the help, so that only the
// options neither Qt nor the window takes are unknown to it. Qt reads them from the arguments
// when QApplication is made.
void AddQtOptions(QCommandLineParser& parser);

// The argument of `arguments` that gave the option `name` as QCommandLineParser names it
// ("bogus" for "--bogus" or "-bogus=1"), as the user typed it, up to any "=": "--bogus".
QString TypedOption(const QStringList& arguments, const QString& name);

// True when the window has a display to open on: DISPLAY or WAYLAND_DISPLAY set and not empty,
// a -display argument, or a platform that needs neither (offscreen, minimal, vnc, ...) chosen by
// -platform or, without one, by QT_QPA_PLATFORM. `parser` has parsed the arguments.
bool HasDisplay(const QCommandLineParser& parser);

}  // namespace pexabit
