// Takes the formats window's screenshots for the README: pexabit_formats_screenshot OUT.png TEXT
// [light|dark] [WIDTHxHEIGHT] [STEP...] opens the window with its default formats over a scratch
// settings file, types TEXT, waits for the answer, takes each STEP as a user would and saves the
// window: as drawn offscreen, or as the display shows it on any other platform (Xvfb). A STEP is
// show:FORMAT or hide:FORMAT (its box ticked or not), click:FORMAT:BIT, step:FORMAT:up or step:FORMAT:down. Run by hand when
// the window changes; its output is committed.
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QMouseEvent>
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

void WaitForAnswer(const pexabit::FormatsWindow& window) {
    QElapsedTimer waited;
    waited.start();
    while ((window.Waiting() && waited.elapsed() < 20000) || waited.elapsed() < 300) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void ClickBit(pexabit::BitStrip* strip, int bit) {
    const QPointF at = strip->CellRect(bit).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, strip->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &press);
}

// One STEP of the command line, as the mouse takes it; false for one that names nothing.
bool TakeStep(pexabit::FormatsWindow& window, const QString& step) {
    const QStringList parts = step.split(':');
    const pexabit::FloatFormat* format = pexabit::FindFormat(parts.value(1).toStdString());
    if (format == nullptr) return false;
    pexabit::FormatPanel* panel = window.Panel(*format);
    if (parts[0] == QLatin1String("show") || parts[0] == QLatin1String("hide")) window.Shows(*format)->setChecked(parts[0] == QLatin1String("show"));
    else if (parts[0] == QLatin1String("click")) ClickBit(panel->Strip(), parts.value(2).toInt());
    else if (parts[0] == QLatin1String("step")) panel->Step(parts.value(2) == QLatin1String("up"))->click();
    else return false;
    WaitForAnswer(window);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: pexabit_formats_screenshot OUT.png TEXT [light|dark] [WIDTHxHEIGHT] [STEP...]\n", stderr);
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
    WaitForAnswer(window);
    for (int i = 5; i < argc; ++i) {
        if (!TakeStep(window, QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "pexabit_formats_screenshot: no such step '%s'\n", argv[i]);
            return 2;
        }
    }
    const bool drawn = QGuiApplication::platformName() == QLatin1String("offscreen");
    const QPixmap shot = drawn ? window.grab() : window.screen()->grabWindow(window.winId());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
