// pexabit: the window. Creates Form1, runs its start-up and waits for the user's events.

#include <QApplication>

#include "ui/Dialogs.h"
#include "ui/Form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Fusion: the style whose one-pixel button outline the graphical buttons paint inside.
    QApplication::setStyle(QStringLiteral("Fusion"));
    pexabit::QtDialogs dialogs;
    pexabit::Form1 window(dialogs);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
