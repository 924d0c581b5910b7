#include "ui/formats/ValueTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMenu>

#include "report/CutDigits.h"

namespace pexabit {

namespace {

constexpr std::size_t ExactDigitsShown = 60;
constexpr int CutLines = 2, WholeLines = 10;

// The editor's own menu with "Copy" of the whole value first.
void UseCopyWholeMenu(QWidget* widget, const QString* whole, const std::function<QMenu*()>& standard) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [=](QPoint at) {
        QMenu* menu = standard();
        QAction* copy = new QAction(QObject::tr("Copy"), menu);
        copy->setObjectName(QStringLiteral("CopyWhole"));
        copy->setEnabled(!whole->isEmpty());
        QObject::connect(copy, &QAction::triggered, [whole] { QApplication::clipboard()->setText(*whole); });
        menu->insertAction(menu->actions().value(0), copy);
        menu->insertSeparator(menu->actions().value(1));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(widget->mapToGlobal(at));
    });
}

int LinesHeight(const QPlainTextEdit* text, int lines) {
    const int frame = 2 * text->frameWidth() + 2 * int(text->document()->documentMargin());
    return lines * text->fontMetrics().lineSpacing() + frame;
}

}  // namespace

ValueLine::ValueLine(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
    UseCopyWholeMenu(this, &WholeText, [this] { return createStandardContextMenu(); });
}

void ValueLine::SetValue(const QString& whole) {
    WholeText = whole;
    setText(whole);
    setCursorPosition(0);
}

void ValueLine::SetCutValue(const std::string& whole, std::size_t keep, int base) {
    WholeText = QString::fromStdString(whole);
    setText(QString::fromStdString(CutDigits(whole, keep, base).Text));
    setCursorPosition(0);
}

ExactValueView::ExactValueView(int base, QWidget* parent)
    : QWidget(parent), Base(base), Text(new QPlainTextEdit(this)), ToggleButton(new QToolButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Text->setReadOnly(true);
    Text->setWordWrapMode(QTextOption::WrapAnywhere);
    Text->setFixedHeight(LinesHeight(Text, CutLines));
    ToggleButton->setCheckable(true);
    ToggleButton->setText(tr("Show all"));
    layout->addWidget(Text, 1);
    layout->addWidget(ToggleButton, 0, Qt::AlignTop);
    connect(ToggleButton, &QToolButton::toggled, this, &ExactValueView::ShowWhole);
    UseCopyWholeMenu(Text, &WholeText, [this] { return Text->createStandardContextMenu(); });
}

void ExactValueView::SetValue(const std::string& whole) {
    WholeText = QString::fromStdString(whole);
    const CutText cut = CutDigits(whole, ExactDigitsShown, Base);
    CutShown = QString::fromStdString(cut.Text);
    ToggleButton->setVisible(cut.LeftOut > 0);
    ToggleButton->setChecked(false);
    ShowWhole(false);
}

void ExactValueView::ShowWhole(bool whole) {
    Text->setPlainText(whole ? WholeText : CutShown);
    Text->setFixedHeight(LinesHeight(Text, whole ? WholeLines : CutLines));
    ToggleButton->setText(whole ? tr("Cut") : tr("Show all"));
}

}  // namespace pexabit
