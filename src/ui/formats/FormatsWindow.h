#pragma once
// The formats window (pexabit --formats): one input line, the rounding mode, the choice of
// formats, and a panel per chosen format in the order of --format all, all updated as the user
// types. The current value is the typed text, or the pattern the user last picked in a panel (a
// bit flipped, a pattern typed, a step), which every other panel rounds from exactly; the input
// line then shows the text that types that pattern's value, or nothing where no text does. Its
// choices and geometry live in its own QSettings file; it touches no file of Form1.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/formats/FormatPanel.h"
#include "ui/formats/ReportWorker.h"

class QAction;

namespace pexabit {

// The settings file of the formats window: formats.conf in the "pexabit" folder of the user's
// configuration directory (~/.config/pexabit/formats.conf).
QString DefaultFormatsSettingsPath();

class FormatsWindow : public QWidget {
    Q_OBJECT
public:
    // A window whose choices are read from and written to the INI file `settingsPath`.
    explicit FormatsWindow(const QString& settingsPath, QWidget* parent = nullptr);
    ~FormatsWindow() override;

    QLineEdit* Input() const { return InputLine; }
    QComboBox* Rounding() const { return RoundingBox; }
    QCheckBox* Shows(const FloatFormat& format) const;
    QLabel* Message() const { return MessageLabel; }
    FormatPanel* Panel(const FloatFormat& format) const;
    QAction* CopyReportAction() const { return CopyReport; }
    // True while the answer to the latest input has not been shown.
    bool Waiting() const { return LatestJob != ShownJob; }
    // The text that Ctrl+Shift+C copies: what `pexabit-cli --format LIST --round MODE TEXT`
    // prints for the shown input (TEXT a picked pattern's typed form), or `--format F --pattern P`
    // for a picked pattern that no text types; empty while there is none or a newer one is under
    // way.
    QString ReportText() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildControls();
    void LoadChoices();
    void SaveChoices() const;
    ReportRequest CurrentRequest() const;
    void Recompute();
    void Show(std::shared_ptr<const ReportOutcome> outcome);
    void ShowWorking();
    void ClearPanels();
    void ChoosePattern(const FloatFormat& format, Bits128 pattern);

    QString SettingsPath;
    QLineEdit* InputLine;
    QComboBox* RoundingBox;
    std::vector<QCheckBox*> FormatChoices;  // in the order of AllFormats
    QLabel* MessageLabel;
    std::vector<FormatPanel*> Panels;       // in the order of AllFormats
    QAction* CopyReport;
    QTimer WorkingDelay;
    ReportWorker Worker;
    quint64 LatestJob = 0, ShownJob = 0;
    std::shared_ptr<const ReportOutcome> Shown;
    std::optional<StoredInput> Picked;  // nullopt: the input line's text is the current value
    bool ShowingPicked = false;         // the input line is being set to the picked pattern's text
    QPointer<QWidget> FocusWhileWorking;  // what had the focus when the panels greyed; the answer gives it back
};

}  // namespace pexabit
