// Takes the formats window's screenshots for the README: pexabit_formats_screenshot OUT.png TEXT
// [light|dark] [WIDTHxHEIGHT] opens the window with its default formats over a scratch settings
// file, types TEXT, waits for the answer and saves the window as drawn. Run by hand (offscreen
// or on any display) when the window changes; its output is committed.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "ui/formats/FormatsWindow.h"

namespace {

// Fusion's dark palette as desktop themes make it.
QPalette DarkPalette() {
    QPalette p(QColor(53, 53, 53));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    return p;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: pexabit_formats_screenshot OUT.png TEXT [light|dark] [WIDTHxHEIGHT]\n", stderr);
        return 2;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc > 3 && QString::fromLocal8Bit(argv[3]) == QLatin1String("dark")) QApplication::setPalette(DarkPalette());
    const QTemporaryDir config;
    pexabit::FormatsWindow window(config.filePath(QStringLiteral("formats.conf")));
    const QStringList size = argc > 4 ? QString::fromLocal8Bit(argv[4]).split('x') : QStringList{"1100", "820"};
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.show();
    window.Input()->setText(QString::fromLocal8Bit(argv[2]));
    QElapsedTimer waited;
    waited.start();
    while ((window.Waiting() && waited.elapsed() < 20000) || waited.elapsed() < 300) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
