#include "ui/formats/BitStrip.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "report/CutDigits.h"
#include "report/PatternFields.h"
#include "report/PlainExactTexts.h"

namespace pexabit {

namespace {

constexpr int FieldGap = 6;     // pixels between two fields
constexpr int MaxCell = 20;     // widest cell
constexpr int MinCell = 5;      // narrowest cell (quad's 128 bits in a narrow window)
constexpr int CellHeight = 22;
constexpr std::size_t WeightDigits = 30;  // digits of a weight in a tooltip

const char* FieldName(BitField field) {
    switch (field) {
    case BitField::Sign: return "sign";
    case BitField::Exponent: return "exponent";
    case BitField::IntegerBit: return "integer bit";
    case BitField::Fraction: return "fraction";
    }
    return "";
}

// How many field boundaries lie above bit `bit`: the gaps to its left.
int GapsAbove(const FloatFormat& format, int bit) {
    int gaps = 0;
    for (int b = format.TotalBits - 1; b > bit; --b) gaps += FieldOfBit(format, b) != FieldOfBit(format, b - 1);
    return gaps;
}

// "2^-1 = 0.5": the weight 2^k written exactly, cut to its first digits when long.
QString PowerOfTwoText(int k) {
    std::string exact;
    WritePowerOfTwo(k, exact);
    return QStringLiteral("2^%1 = %2").arg(k).arg(QString::fromStdString(CutDigits(exact, WeightDigits).Text));
}

// The weight line of a bit with a value: a significand bit weighs 2^k at the value's exponent,
// an exponent bit 2^j in the biased exponent.
QString WeightLine(const FloatFormat& format, const StoredValue& value, int bit) {
    const BitField field = FieldOfBit(format, bit);
    if (field == BitField::Sign) return QStringLiteral("set: the value is negative");
    if (field == BitField::Exponent) {
        const int j = bit - format.FractionBits - (format.StoredIntegerBit ? 1 : 0);
        return QStringLiteral("weight %1 in the biased exponent").arg(PowerOfTwoText(j));
    }
    const std::optional<int> unbiased = UnbiasedExponent(format, value);
    if (!unbiased) return QStringLiteral("no weight: the exponent field is all ones");
    return QStringLiteral("weight %1").arg(PowerOfTwoText(*unbiased - format.FractionBits + bit));
}

}  // namespace

BitField FieldOfBit(const FloatFormat& format, int bit) {
    if (bit < format.FractionBits) return BitField::Fraction;
    if (format.StoredIntegerBit && bit == format.FractionBits) return BitField::IntegerBit;
    return bit == format.TotalBits - 1 ? BitField::Sign : BitField::Exponent;
}

QString BitDescription(const FloatFormat& format, const std::optional<StoredValue>& value, int bit) {
    QString text = QStringLiteral("bit %1, %2").arg(bit).arg(QLatin1String(FieldName(FieldOfBit(format, bit))));
    if (!value) return text;
    const bool set = ((value->Pattern >> bit) & 1) != 0;
    return text + (set ? QStringLiteral(": 1\n") : QStringLiteral(": 0\n")) + WeightLine(format, *value, bit);
}

BitStrip::BitStrip(const FloatFormat& format, QWidget* parent)
    : QWidget(parent), Format(format), Focused(format.TotalBits - 1) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void BitStrip::Flip(int bit) {
    Focused = bit;
    update();
    if (Shown) emit FlipRequested(bit);
}

void BitStrip::mousePressEvent(QMouseEvent* e) {
    const int bit = BitAt(e->position().toPoint());
    if (e->button() != Qt::LeftButton || bit < 0) return QWidget::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    Flip(bit);
}

// Left and Right move along the strip as it is drawn, most significant bit on the left; Home and
// End go to its ends. Other keys (Up and Down step the panel) go on to the parent.
void BitStrip::keyPressEvent(QKeyEvent* e) {
    int next = Focused;
    switch (e->key()) {
    case Qt::Key_Left: next = std::min(Focused + 1, Format.TotalBits - 1); break;
    case Qt::Key_Right: next = std::max(Focused - 1, 0); break;
    case Qt::Key_Home: next = Format.TotalBits - 1; break;
    case Qt::Key_End: next = 0; break;
    case Qt::Key_Space: Flip(Focused); return;
    default: return QWidget::keyPressEvent(e);
    }
    Focused = next;
    update();
}

void BitStrip::SetValue(const StoredValue& value) {
    Shown = value;
    update();
}

void BitStrip::Clear() {
    Shown.reset();
    update();
}

int BitStrip::CellWidth() const {
    const int gaps = GapsAbove(Format, 0) * FieldGap;
    return std::clamp((width() - gaps) / Format.TotalBits, MinCell, MaxCell);
}

QRect BitStrip::CellRect(int bit) const {
    const int cell = CellWidth();
    const int left = (Format.TotalBits - 1 - bit) * cell + GapsAbove(Format, bit) * FieldGap;
    return {left, 0, cell, CellHeight};
}

int BitStrip::BitAt(QPoint point) const {
    for (int bit = 0; bit < Format.TotalBits; ++bit) {
        if (CellRect(bit).contains(point)) return bit;
    }
    return -1;
}

QSize BitStrip::sizeHint() const {
    return {Format.TotalBits * MaxCell + GapsAbove(Format, 0) * FieldGap, CellHeight};
}

QSize BitStrip::minimumSizeHint() const {
    return {Format.TotalBits * MinCell + GapsAbove(Format, 0) * FieldGap, CellHeight};
}

bool BitStrip::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int bit = BitAt(help->pos());
        if (bit < 0) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), BitDescription(Format, Shown, bit), this, CellRect(bit));
        return true;
    }
    if (e->type() == QEvent::PaletteChange) update();
    return QWidget::event(e);
}

void BitStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const FieldColours colours = FieldColoursFor(palette());
    const bool digits = CellWidth() >= 9;
    for (int bit = 0; bit < Format.TotalBits; ++bit) {
        const QRect cell = CellRect(bit).adjusted(0, 0, -1, -1);
        painter.setPen(palette().color(QPalette::Mid));
        if (!Shown) {
            painter.drawRect(cell);
            continue;
        }
        painter.setBrush(colours.FillOf(FieldOfBit(Format, bit)));
        painter.drawRect(cell);
        if (!digits) continue;
        painter.setPen(colours.Text);
        painter.drawText(cell, Qt::AlignCenter, ((Shown->Pattern >> bit) & 1) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (!hasFocus()) return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(CellRect(Focused).adjusted(1, 1, -1, -1));
}

}  // namespace pexabit
