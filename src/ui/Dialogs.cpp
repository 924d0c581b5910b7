#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace pexabit {

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pexabit"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
}

}  // namespace pexabit
