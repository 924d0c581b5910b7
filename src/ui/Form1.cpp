// The window's construction, the view rule of the exact-value boxes, the menu and the panels.

#include "ui/Form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "window_report/ConvertReport.h"

namespace pexabit {
namespace {

template <typename T>
T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromUtf8(name));
    Q_ASSERT(widget != nullptr);
    return widget;
}

}  // namespace

Form1::Form1(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      Boxes(dialogs),
      Store(SettingsData, [this](const std::string& message) { Tell(message); }) {
    setObjectName(QStringLiteral("Form1"));
    BuildControls();
    BuildMenu();
    FindControls();
    ConnectHandlers();
}

void Form1::FindControls() {
    AboutFrame = Find<QGroupBox>(this, "AboutFrame");
    Frame1 = Find<QGroupBox>(this, "Frame1");
    AboutLabel = Find<QLabel>(this, "AboutLabel");
    Text1 = Find<QLineEdit>(this, "Text1");
    Text7 = Find<QLineEdit>(this, "Text7");
    Text12 = Find<QLineEdit>(this, "Text12");
    Text2 = Find<QPlainTextEdit>(this, "Text2");
    Text6 = Find<QPlainTextEdit>(this, "Text6");
    Text9 = Find<QPlainTextEdit>(this, "Text9");
    Command1 = Find<QPushButton>(this, "Command1");
    Command2 = Find<QPushButton>(this, "Command2");
    Command3 = Find<QPushButton>(this, "Command3");
    Command4 = Find<QPushButton>(this, "Command4");
    Check1 = Find<QCheckBox>(this, "Check1");
    Check2 = Find<QCheckBox>(this, "Check2");
    Option1 = Find<QRadioButton>(this, "Option1");
    Option3 = Find<QRadioButton>(this, "Option3");
}

void Form1::ConnectHandlers() {
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    // Every change of a frame's three controls applies that frame's view rule; the rule reads
    // the controls themselves, so a double signal (one option off, the other on) is harmless.
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(Option1, &QRadioButton::toggled, this, [this] { Option1_Click(); });
    connect(Find<QRadioButton>(this, "Option2"), &QRadioButton::toggled, this,
            [this] { Option2_Click(); });
    connect(Option3, &QRadioButton::toggled, this, [this] { Option3_Click(); });
    connect(Find<QRadioButton>(this, "Option4"), &QRadioButton::toggled, this,
            [this] { Option4_Click(); });
}

// Only the checked state counts: a grey (partly checked) box shows the plain form.
void Form1::ApplySingleView() {
    const bool scientific = Check1->checkState() == Qt::Checked;
    Text9->setPlainText(QString::fromStdString(ExactView(Conversion.Single.Texts, Option1->isChecked(), scientific)));
}

void Form1::ApplyDoubleView() {
    const bool scientific = Check2->checkState() == Qt::Checked;
    Text6->setPlainText(QString::fromStdString(ExactView(Conversion.Double.Texts, Option3->isChecked(), scientific)));
}

void Form1::ApplyTexts(const ControlTexts& texts) {
    for (const ControlText& text : texts) ApplyText(text);
}

void Form1::ApplyText(const ControlText& text) {
    auto* widget = findChild<QWidget*>(QString::fromStdString(text.Control));
    if (widget == nullptr) return;
    const QString value = QString::fromStdString(text.Text);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setText(value);
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) multi->setPlainText(value);
}

// Ends the program at once: no question, no further handler.
void Form1::mnu_Exit_Click() { QCoreApplication::exit(0); }

void Form1::mnu_Setting_Click() {
    if (!Frame1->isHidden()) {
        Frame1->hide();
        return;
    }
    Frame1->show();
    Frame1->raise();  // the panel covers the controls under it
    Text1->setText(QString::fromStdString(SettingsData.Record.ResultsDirectory));
}

void Form1::mnu_Prog_Click() {
    if (!AboutFrame->isHidden()) {
        AboutFrame->hide();
        return;
    }
    AboutFrame->show();
    AboutFrame->raise();
}

void Form1::Tell(const std::string& message) { Boxes.ShowMessage(this, QString::fromStdString(message)); }

void Form1::TellFolderOnce(const std::string& folder, const std::string& message) {
    if (ToldFolders.insert(folder).second) Tell(message);
}

}  // namespace pexabit
