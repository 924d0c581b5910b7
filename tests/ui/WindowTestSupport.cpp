#include "WindowTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pexabit::test {

WindowUnderTest::WindowUnderTest(const QString& programFiles)
    : ProgramFilesPath(programFiles.isEmpty() ? Temporary.path() : programFiles) {
    qputenv("ProgramFiles", ProgramFilesPath.toUtf8());
    Form = std::make_unique<Form1>(Dialogs);
    Form->AfterBusyRepaint = [this] { Busy.push_back(Now()); };
    Form->Form_Load(QDate(2026, 12, 5));
}

QString WindowUnderTest::Text(const QString& control) const {
    QWidget* widget = Find(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) return multi->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return "<no control " + control + ">";
}

void WindowUnderTest::SetText(const QString& control, const QString& text) {
    if (auto* line = Find<QLineEdit>(control)) line->setText(text);
    if (auto* multi = Find<QPlainTextEdit>(control)) multi->setPlainText(text);
}

Snapshot WindowUnderTest::Now() const {
    Snapshot now{{}, Text("Text7"), Text("Label15")};
    const char* names[] = {"Command2", "Command3", "Command4"};
    for (std::size_t i = 0; i < now.Buttons.size(); ++i) {
        const auto* b = Find<QPushButton>(names[i]);
        now.Buttons[i] = {b->text(), b->isEnabled(), b->isHidden(), b->palette().color(QPalette::Button)};
    }
    return now;
}

void WindowUnderTest::Convert(const QString& typed) {
    SetText("Text2", typed);
    Form->Command2_Click();
}

void WindowUnderTest::Decode(bool single, const QString& typed) {
    SetText(single ? "Text7" : "Text12", typed);
    single ? Form->Command3_Click() : Form->Command4_Click();
}

}  // namespace pexabit::test
