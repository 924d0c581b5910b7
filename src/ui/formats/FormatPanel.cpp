#include "ui/formats/FormatPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "report/FormatReportText.h"
#include "report/PatternFields.h"
#include "report/PatternInput.h"

namespace pexabit {

namespace {

constexpr std::size_t DigitsShown = 40;  // of the ulp and the errors

// "single (32 bits: 1 sign, 8 exponent, 23 fraction)": the panel's title.
QString Title(const FloatFormat& f) {
    QString title = QStringLiteral("%1 (%2 bits: 1 sign, %3 exponent, ").arg(QLatin1String(f.Name.data(), qsizetype(f.Name.size()))).arg(f.TotalBits).arg(f.ExponentBits);
    if (f.StoredIntegerBit) title += QStringLiteral("1 integer, ");
    return title + QStringLiteral("%1 fraction)").arg(f.FractionBits);
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// "-4 (biased 123)", or the field alone where it has no unbiased meaning.
QString ExponentText(const FloatFormat& f, const StoredValue& v) {
    const std::optional<int> unbiased = UnbiasedExponent(f, v);
    if (!unbiased) return QStringLiteral("biased %1").arg(v.BiasedExponent);
    return QStringLiteral("%1 (biased %2)").arg(*unbiased).arg(v.BiasedExponent);
}

QToolButton* MakeStep(const QString& name, const QString& text, const QString& tip, QWidget* parent) {
    auto* step = new QToolButton(parent);
    step->setObjectName(name);
    step->setText(text);
    step->setToolTip(tip);
    step->setFocusPolicy(Qt::TabFocus);
    return step;
}

QLabel* MakeBadge(const QString& flag, QWidget* parent) {
    auto* badge = new QLabel(flag, parent);
    badge->setObjectName(flag);
    badge->setAlignment(Qt::AlignCenter);
    badge->setMargin(3);
    badge->setAutoFillBackground(true);
    return badge;
}

}  // namespace

FormatPanel::FormatPanel(const FloatFormat& format, QWidget* parent)
    : QGroupBox(Title(format), parent), Shown(format), Bits(new BitStrip(format, this)),
      ExactDecimal(new ExactValueView(10, this)), ExactBinary(new ExactValueView(2, this)),
      Inexact(MakeBadge(QStringLiteral("inexact"), this)), Underflow(MakeBadge(QStringLiteral("underflow"), this)),
      Overflow(MakeBadge(QStringLiteral("overflow"), this)), RefusalLabel(new QLabel(this)),
      PatternErrorLabel(new QLabel(this)), OriginLabel(new QLabel(tr("origin: the pattern you picked"), this)),
      StepDown(MakeStep(QStringLiteral("next_down"), tr("\u25BC next down"), tr("The largest value below (Down)"), this)),
      StepUp(MakeStep(QStringLiteral("next_up"), tr("\u25B2 next up"), tr("The least value above (Up)"), this)) {
    setObjectName(QStringLiteral("Panel_") + QLatin1String(format.Name.data(), qsizetype(format.Name.size())));
    setFocusPolicy(Qt::ClickFocus);
    ExactDecimal->setObjectName(QStringLiteral("exact"));
    ExactBinary->setObjectName(QStringLiteral("exact_binary"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Bits, 1, 0, 1, 4);
    grid->addWidget(new QLabel(tr("pattern"), this), 2, 0);
    grid->addLayout(PatternRow(), 2, 1);
    AddRow(grid, 2, 2, tr("bytes, least significant first"), QStringLiteral("bytes_le"));
    PatternErrorLabel->setObjectName(QStringLiteral("pattern_error"));
    PatternErrorLabel->setWordWrap(true);
    PatternErrorLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(PatternErrorLabel, 3, 1, 1, 3);
    AddRow(grid, 4, 0, tr("sign"), QStringLiteral("sign"));
    AddRow(grid, 4, 2, tr("exponent"), QStringLiteral("exponent"));
    AddRow(grid, 5, 0, tr("fraction"), QStringLiteral("fraction"));
    AddRow(grid, 5, 2, tr("class"), QStringLiteral("class"));
    grid->addWidget(new QLabel(tr("exact"), this), 6, 0, Qt::AlignTop);
    grid->addWidget(ExactDecimal, 6, 1, 1, 3);
    grid->addWidget(new QLabel(tr("exact, base 2"), this), 7, 0, Qt::AlignTop);
    grid->addWidget(ExactBinary, 7, 1, 1, 3);
    AddRow(grid, 8, 0, tr("shortest"), QStringLiteral("shortest"));
    AddRow(grid, 8, 2, tr("hex float"), QStringLiteral("hexfloat"));
    AddRow(grid, 9, 0, tr("ULP"), QStringLiteral("ulp"));
    AddRow(grid, 9, 2, tr("error"), QStringLiteral("error"));
    AddRow(grid, 10, 0, tr("relative error"), QStringLiteral("relative_error"));
    auto* badges = new QHBoxLayout;
    for (QLabel* badge : {Inexact, Underflow, Overflow}) badges->addWidget(badge);
    badges->addStretch();
    OriginLabel->setObjectName(QStringLiteral("origin"));
    QFont bold = OriginLabel->font();
    bold.setBold(true);
    OriginLabel->setFont(bold);
    badges->addWidget(OriginLabel);
    grid->addLayout(badges, 10, 2, 1, 2);
    RefusalLabel->setObjectName(QStringLiteral("refusal"));
    RefusalLabel->setWordWrap(true);
    RefusalLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(RefusalLabel, 0, 0, 1, 4);  // on top: the panel below it is empty
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(Bits, &BitStrip::FlipRequested, this, [this](int bit) {
        if (Bits->Value()) emit PatternChosen(Bits->Value()->Pattern ^ (Bits128{1} << bit));
    });
    connect(StepDown, &QToolButton::clicked, this, [this] { StepTo(NextDown); });
    connect(StepUp, &QToolButton::clicked, this, [this] { StepTo(NextUp); });
    SetOrigin(false);
    Clear();
}

// The pattern, which takes a typed one on Enter, and the step buttons beside it.
QLayout* FormatPanel::PatternRow() {
    auto* pattern = new ValueLine(this);
    pattern->setObjectName(QStringLiteral("pattern"));
    pattern->setReadOnly(false);
    pattern->setFrame(true);
    pattern->setToolTip(tr("Type a pattern in hex (0x allowed) and press Enter"));
    connect(pattern, &QLineEdit::returnPressed, this, &FormatPanel::TakeTypedPattern);
    auto* row = new QHBoxLayout;
    row->addWidget(pattern, 1);
    row->addWidget(StepDown);
    row->addWidget(StepUp);
    return row;
}

// A pattern as --pattern reads it becomes the current value; any other text is left in the
// field with the command line's message under it, and nothing else changes.
void FormatPanel::TakeTypedPattern() {
    const PatternText read = ReadPatternText(Shown, Line(QStringLiteral("pattern"))->text().toStdString(), false);
    PatternErrorLabel->setText(QString::fromStdString(read.Error));
    PatternErrorLabel->setVisible(!read.Pattern);
    if (read.Pattern) emit PatternChosen(*read.Pattern);
}

void FormatPanel::StepTo(const std::optional<Bits128>& neighbour) {
    if (neighbour) emit PatternChosen(*neighbour);
}

// Up and Down step to the neighbours from anywhere in the panel that leaves them unused.
void FormatPanel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up && e->modifiers() == Qt::NoModifier) StepTo(NextUp);
    else if (e->key() == Qt::Key_Down && e->modifiers() == Qt::NoModifier) StepTo(NextDown);
    else QGroupBox::keyPressEvent(e);
}

void FormatPanel::SetOrigin(bool origin) { OriginLabel->setVisible(origin); }

bool FormatPanel::IsOrigin() const { return !OriginLabel->isHidden(); }

void FormatPanel::HideMessages() {
    RefusalLabel->clear();
    RefusalLabel->hide();
    PatternErrorLabel->clear();
    PatternErrorLabel->hide();
}

// The step buttons work where the report has a neighbour.
void FormatPanel::SetNeighbours(std::optional<Bits128> down, std::optional<Bits128> up) {
    NextDown = down;
    NextUp = up;
    StepDown->setEnabled(NextDown.has_value());
    StepUp->setEnabled(NextUp.has_value());
}

void FormatPanel::AddRow(QGridLayout* grid, int row, int column, const QString& label, const QString& name) {
    auto* value = new ValueLine(this);
    value->setObjectName(name);
    grid->addWidget(new QLabel(label, this), row, column);
    grid->addWidget(value, row, column + 1);
}

ValueLine* FormatPanel::Line(const QString& name) const { return findChild<ValueLine*>(name); }

QLabel* FormatPanel::Badge(const QString& flag) const { return findChild<QLabel*>(flag); }

void FormatPanel::SetBadge(QLabel* badge, bool set) {
    badge->setProperty("set", set);
    QPalette colours = palette();
    if (set) {
        colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
        colours.setColor(QPalette::WindowText,
                         ReadableText(colours.color(QPalette::Highlight), colours.color(QPalette::HighlightedText)));
    } else {
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Disabled, QPalette::WindowText));
    }
    badge->setPalette(colours);
    badge->setToolTip(set ? tr("raised by the rounding") : tr("not raised"));
}

void FormatPanel::SetReport(const FormatReport& r) {
    HideMessages();
    const StoredValue& v = r.Value;
    Bits->SetValue(v);
    SetNeighbours(r.NextDown, r.NextUp);
    Line(QStringLiteral("pattern"))->SetValue(Text(HexText(v.Pattern, Shown.HexDigits())));
    std::string bytes;
    AppendBytesLe(bytes, Shown, v.Pattern);
    Line(QStringLiteral("bytes_le"))->SetValue(Text(bytes));
    Line(QStringLiteral("sign"))->SetValue(v.Negative ? QStringLiteral("1 (negative)") : QStringLiteral("0 (positive)"));
    Line(QStringLiteral("exponent"))->SetValue(ExponentText(Shown, v));
    QString fraction = Text(FractionHex(Shown, v));
    if (Shown.StoredIntegerBit) fraction = (v.IntegerBit ? QStringLiteral("integer bit 1, ") : QStringLiteral("integer bit 0, ")) + fraction;
    Line(QStringLiteral("fraction"))->SetValue(fraction);
    Line(QStringLiteral("class"))->SetValue(Text(std::string(ClassName(v.Class))));
    ExactDecimal->SetValue(r.Exact);
    ExactBinary->SetValue(r.ExactBinary);
    Line(QStringLiteral("shortest"))->SetValue(Text(r.Shortest.value_or("")));
    Line(QStringLiteral("hexfloat"))->SetValue(Text(r.HexFloat.value_or("")));
    Line(QStringLiteral("ulp"))->SetCutValue(r.Ulp.value_or(""), DigitsShown);
    Line(QStringLiteral("error"))->SetCutValue(ErrorShown(r).value_or(""), DigitsShown);
    Line(QStringLiteral("relative_error"))->SetCutValue(r.RelativeError.value_or(""), DigitsShown);
    SetBadge(Inexact, r.Flags.Inexact);
    SetBadge(Underflow, r.Flags.Underflow);
    SetBadge(Overflow, r.Flags.Overflow);
}

void FormatPanel::SetRefusal(const std::string& message) {
    Clear();
    RefusalLabel->setText(Text(message));
    RefusalLabel->show();
}

void FormatPanel::Clear() {
    HideMessages();
    SetNeighbours(std::nullopt, std::nullopt);
    Bits->Clear();
    for (ValueLine* line : findChildren<ValueLine*>()) line->Clear();
    ExactDecimal->Clear();
    ExactBinary->Clear();
    for (QLabel* badge : {Inexact, Underflow, Overflow}) SetBadge(badge, false);
}

}  // namespace pexabit
