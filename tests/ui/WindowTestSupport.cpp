#include "WindowTestSupport.h"

namespace pexabit::test {

WindowUnderTest::WindowUnderTest(const QString& programFiles)
    : ProgramFilesPath(programFiles.isEmpty() ? Temporary.path() : programFiles) {
    qputenv("ProgramFiles", ProgramFilesPath.toUtf8());
    Form = std::make_unique<Form1>(Dialogs);
    Form->AfterBusyRepaint = [this] { BusySnapshots.push_back(Buttons()); };
    Form->Form_Load(QDate(2026, 12, 5));
}

QString WindowUnderTest::Text(const char* control) const {
    QWidget* widget = Find<QWidget>(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) return multi->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return QStringLiteral("<no control %1>").arg(QString::fromUtf8(control));
}

void WindowUnderTest::SetText(const char* control, const QString& text) {
    QWidget* widget = Find<QWidget>(control);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setText(text);
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) multi->setPlainText(text);
}

ButtonsSnapshot WindowUnderTest::Buttons() const {
    auto* c2 = Find<QPushButton>("Command2");
    auto* c3 = Find<QPushButton>("Command3");
    auto* c4 = Find<QPushButton>("Command4");
    return {c2->text(),   c3->text(),     c4->text(),     c2->isEnabled(),
            c3->isEnabled(), c4->isEnabled(), c2->isHidden(), c3->isHidden(),
            c4->isHidden(),  c2->palette().color(QPalette::Button),
            c3->palette().color(QPalette::Button), c4->palette().color(QPalette::Button),
            Text("Text7"), Text("Label15")};
}

}  // namespace pexabit::test
