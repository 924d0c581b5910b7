#pragma once
// The window's modal dialogs behind one small interface, so that tests put their own in place.

#include <QString>

class QWidget;

namespace pexabit {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with one OK button; returns when the user closed it.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A folder chooser titled `title` that starts in `start`; the absolute path chosen, or ""
    // when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
};

// The real dialogs: QMessageBox titled "Pexabit" and QFileDialog::getExistingDirectory.
class QtDialogs final : public Dialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
};

}  // namespace pexabit
