#include "ui/formats/FormatPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "report/FormatReportText.h"
#include "report/PatternFields.h"

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
      Overflow(MakeBadge(QStringLiteral("overflow"), this)), RefusalLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("Panel_") + QLatin1String(format.Name.data(), qsizetype(format.Name.size())));
    ExactDecimal->setObjectName(QStringLiteral("exact"));
    ExactBinary->setObjectName(QStringLiteral("exact_binary"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Bits, 0, 0, 1, 4);
    AddRow(grid, 1, 0, tr("pattern"), QStringLiteral("pattern"));
    AddRow(grid, 1, 2, tr("bytes, least significant first"), QStringLiteral("bytes_le"));
    AddRow(grid, 2, 0, tr("sign"), QStringLiteral("sign"));
    AddRow(grid, 2, 2, tr("exponent"), QStringLiteral("exponent"));
    AddRow(grid, 3, 0, tr("fraction"), QStringLiteral("fraction"));
    AddRow(grid, 3, 2, tr("class"), QStringLiteral("class"));
    grid->addWidget(new QLabel(tr("exact"), this), 4, 0, Qt::AlignTop);
    grid->addWidget(ExactDecimal, 4, 1, 1, 3);
    grid->addWidget(new QLabel(tr("exact, base 2"), this), 5, 0, Qt::AlignTop);
    grid->addWidget(ExactBinary, 5, 1, 1, 3);
    AddRow(grid, 6, 0, tr("shortest"), QStringLiteral("shortest"));
    AddRow(grid, 6, 2, tr("hex float"), QStringLiteral("hexfloat"));
    AddRow(grid, 7, 0, tr("ULP"), QStringLiteral("ulp"));
    AddRow(grid, 7, 2, tr("error"), QStringLiteral("error"));
    AddRow(grid, 8, 0, tr("relative error"), QStringLiteral("relative_error"));
    auto* badges = new QHBoxLayout;
    for (QLabel* badge : {Inexact, Underflow, Overflow}) badges->addWidget(badge);
    badges->addStretch();
    grid->addLayout(badges, 8, 2, 1, 2);
    RefusalLabel->setObjectName(QStringLiteral("refusal"));
    RefusalLabel->setWordWrap(true);
    RefusalLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(RefusalLabel, 9, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    Clear();
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
    RefusalLabel->clear();
    RefusalLabel->hide();
    const StoredValue& v = r.Value;
    Bits->SetValue(v);
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
    RefusalLabel->clear();
    RefusalLabel->hide();
    Bits->Clear();
    for (ValueLine* line : findChildren<ValueLine*>()) line->Clear();
    ExactDecimal->Clear();
    ExactBinary->Clear();
    for (QLabel* badge : {Inexact, Underflow, Overflow}) SetBadge(badge, false);
}

}  // namespace pexabit
