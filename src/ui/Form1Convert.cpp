// The three conversion buttons: the busy state around the core's work, the report applied in
// the order the core gives it, the idle state always restored.

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>

#include "ui/Form1.h"
#include "window_report/ConvertReport.h"
#include "window_report/ExactTexts.h"
#include "window_report/HexDecoding.h"

namespace pexabit {
namespace {

const QColor BusyColour(255, 128, 128);  // &H8080FF: red 255, green 128, blue 128

void SetButtonColour(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

// The system's button-face colour.
QColor ButtonFace(QPushButton* button) { return QApplication::palette(button).color(QPalette::Button); }

// Runs `leave` when the scope ends, however it ends: the buttons always return to idle.
class IdleOnExit {
public:
    explicit IdleOnExit(std::function<void()> leave) : Leave(std::move(leave)) {}
    ~IdleOnExit() { if (Leave) Leave(); }
    IdleOnExit(const IdleOnExit&) = delete;
    IdleOnExit& operator=(const IdleOnExit&) = delete;
    void Dismiss() { Leave = nullptr; }

private:
    std::function<void()> Leave;
};

}  // namespace

void Form1::Command2_Click() {
    const std::string text = Text2->toPlainText().toStdString();
    if (!AcceptDecimalText(text)) {
        Text2->setPlainText(QString::fromUtf8(InvalidNumberMessage.data(),
                                              static_cast<qsizetype>(InvalidNumberMessage.size())));
        return;
    }
    RunConversion([&](const ConvertSettings& settings, ConvertResult& result) {
        ConvertText(Conversion, text, settings, result);
    });
}

void Form1::RunConversion(const std::function<void(const ConvertSettings&, ConvertResult&)>& convert) {
    const ViewChoice view{Option1->isChecked(), Check1->checkState() == Qt::Checked,
                          Option3->isChecked(), Check2->checkState() == Qt::Checked};
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    const std::filesystem::path scratch(SettingsData.Record.ResultsDirectory);
    const bool haveScratch = !SettingsData.Record.ResultsDirectory.empty();
    ConvertResult result;
    {
        // The busy state shows while the core works; the idle state returns however it ends.
        EnterConvertBusy();
        IdleOnExit idle([this] { LeaveConvertBusy(); });
        convert(ConvertSettings{separator, haveScratch ? &scratch : nullptr}, result);
        if (result.Kind == Outcome::Converted) ApplyTexts(ConvertedTexts(Conversion, result, view));
    }
    if (result.ScratchError) {
        const std::string& folder = SettingsData.Record.ResultsDirectory;
        TellFolderOnce(folder, "The scratch file ss.dat cannot be written in the folder " + folder +
                                   ": " + *result.ScratchError +
                                   ".\n\nThe results shown are right. You are told this once "
                                   "for this folder.");
    }
}

void Form1::EnterConvertBusy() {
    ApplyTexts(BusyStateTexts());
    Command3->hide();
    Command4->hide();
    SetButtonColour(Command2, BusyColour);
    Command2->setText(QStringLiteral("wait"));
    Command2->setEnabled(false);
    RepaintNow();
}

void Form1::LeaveConvertBusy() {
    Command3->show();
    Command4->show();
    SetButtonColour(Command2, ButtonFace(Command2));
    Command2->setText(QStringLiteral("Pexabit"));
    Command2->setEnabled(true);
}

void Form1::EnterHexBusy(QPushButton* busy, QPushButton* otherA, QPushButton* otherB) {
    otherA->hide();
    otherB->hide();
    SetButtonColour(busy, BusyColour);
    busy->setText(QStringLiteral("Wait"));
    busy->setEnabled(false);
    RepaintNow();
}

void Form1::LeaveHexBusy(QPushButton* busy, QPushButton* showFirst, QPushButton* showSecond,
                         const QString& caption) {
    showFirst->show();
    showSecond->show();
    SetButtonColour(busy, ButtonFace(busy));
    busy->setText(caption);
    busy->setEnabled(true);
}

void Form1::RepaintNow() {
    repaint();
    if (AfterBusyRepaint) AfterBusyRepaint();
}

void Form1::Command3_Click() { DecodeHex(true); }
void Form1::Command4_Click() { DecodeHex(false); }

// Command3_Click (single) and Command4_Click: checks, busy state, decoding; a finite pattern
// puts its exact decimal value into Text2 and is converted from its bits as the convert button
// converts, a special one is shown directly.
void Form1::DecodeHex(bool single) {
    const PatternFormat format = single ? PatternFormat::Single : PatternFormat::Double;
    QLineEdit* input = single ? Text7 : Text12;
    QPushButton* busy = single ? Command3 : Command4;
    QPushButton* other = single ? Command4 : Command3;
    const QString caption = single ? QStringLiteral("Single") : QStringLiteral("Double");
    const std::string text = input->text().toStdString();
    if (auto rejection = CheckHexPattern(format, text)) {
        Tell(rejection->Message);
        if (rejection->ResetText) input->setText(QString::fromStdString(*rejection->ResetText));
        return;
    }
    EnterHexBusy(busy, Command2, other);
    IdleOnExit idle([=, this] { LeaveHexBusy(busy, other, Command2, caption); });
    const Bits128 pattern = ReadHexPattern(text);
    if (IsSpecialPattern(format, pattern)) {
        ConvertResult result;
        DecodeSpecialPattern(Conversion, format, pattern, result);
        ApplyTexts(SpecialTexts(Conversion, result));
        return;
    }
    std::string exact;
    WriteWindowDecimal(DecodePattern(FormatOf(format), pattern), exact);
    Text2->setPlainText(QString::fromStdString(exact));
    idle.Dismiss();
    LeaveHexBusy(busy, other, Command2, caption);  // all three buttons idle before converting
    RunConversion([&](const ConvertSettings& settings, ConvertResult& result) {
        ConvertPattern(Conversion, format, pattern, settings, result);
    });
}

}  // namespace pexabit
