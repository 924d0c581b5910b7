#pragma once
// The one window of the tool: every control of the control table, the menu, the settings and
// information panels, and the event handlers. The rules of a conversion live in the core; the
// handlers apply the texts the core computes, around the busy state of the buttons.

#include <QDate>
#include <QLocale>
#include <QMainWindow>
#include <functional>
#include <set>
#include <string>

#include "ui/Dialogs.h"
#include "ui/ReportControls.h"
#include "ui/settings/Settings.h"
#include "ui/settings/SettingsStore.h"
#include "window_report/ConversionState.h"
#include "window_report/ConvertReport.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace pexabit {

class Form1 : public QMainWindow {
public:
    // Builds every control in its initial state; `dialogs` must outlive the window.
    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);

    // Start-up: icon, About caption, title for `today` with the month and weekday names of
    // `locale`, program directory, settings file and the results folders. Tells the user once
    // about folders it cannot use.
    void Form_Load(const QDate& today, const QLocale& locale);
    // The names of the user's time locale (LC_TIME).
    void Form_Load() { Form_Load(QDate::currentDate(), QLocale::system()); }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Check1_Click() { ApplySingleView(); }
    void Option1_Click() { ApplySingleView(); }
    void Option2_Click() { ApplySingleView(); }
    void Check2_Click() { ApplyDoubleView(); }
    void Option3_Click() { ApplyDoubleView(); }
    void Option4_Click() { ApplyDoubleView(); }
    void mnu_Exit_Click();
    void mnu_Setting_Click();
    void mnu_Prog_Click();

    // Called right after every forced repaint of a busy state: lets tests look at that state.
    std::function<void()> AfterBusyRepaint;

private:
    void BuildControls();
    void BuildMenu();
    void FindControls();
    void ConnectHandlers();

    void ApplySingleView();
    void ApplyDoubleView();
    void ApplyTexts(const ControlTexts& texts);
    void ApplyText(const ControlText& text);

    void EnterConvertBusy();
    void LeaveConvertBusy();
    void EnterHexBusy(QPushButton* busy, QPushButton* otherA, QPushButton* otherB);
    void LeaveHexBusy(QPushButton* busy, QPushButton* showFirst, QPushButton* showSecond,
                      const QString& caption);
    void RepaintNow();
    void DecodeHex(bool single);
    // The convert button's work around its busy state: `convert` fills the result, which is shown.
    void RunConversion(const std::function<void(const ConvertSettings&, ConvertResult&)>& convert);
    void TellFolderOnce(const std::string& folder, const std::string& message);
    void Tell(const std::string& message);

    Dialogs& Boxes;
    ConversionState Conversion;
    SettingsValues SettingsData;
    SettingsStore Store;
    std::set<std::string> ToldFolders;  // folders the user has already been told about

    QGroupBox* AboutFrame = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* AboutLabel = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text12 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPlainTextEdit* Text6 = nullptr;
    QPlainTextEdit* Text9 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option3 = nullptr;
};

}  // namespace pexabit
