#pragma once
// The bit strip of a format's panel: one cell per bit of the pattern, most significant first,
// coloured by field (sign, exponent, extended's stored integer bit, fraction), with a gap
// between fields. Hovering over a cell tells the bit's number and its weight. Clicking a cell,
// or Space on the focused one, asks to flip that bit; the Left and Right keys move the focus
// along the strip.

#include <QWidget>
#include <optional>

#include "format/StoredValue.h"
#include "ui/formats/FieldColours.h"

namespace pexabit {

// The field bit `bit` of a `format` pattern belongs to, bit 0 the least significant: single's
// bit 31 is the sign, bits 23 to 30 the exponent, bits 0 to 22 the fraction.
BitField FieldOfBit(const FloatFormat& format, int bit);

// What hovering over bit `bit` tells, the weight at the value's exponent as an exact text (cut
// to its first digits when long). For single 1.0 and bit 22: "bit 22, fraction: 0\nweight
// 2^-1 = 0.5". Without a value, only the number and the field.
QString BitDescription(const FloatFormat& format, const std::optional<StoredValue>& value, int bit);

class BitStrip : public QWidget {
    Q_OBJECT
public:
    explicit BitStrip(const FloatFormat& format, QWidget* parent = nullptr);

    void SetValue(const StoredValue& value);
    void Clear();  // empty cells: no value is shown
    const std::optional<StoredValue>& Value() const { return Shown; }

    // The cell of bit `bit` in widget coordinates, and the bit under a point (-1 for none).
    QRect CellRect(int bit) const;
    int BitAt(QPoint point) const;

    // The bit that Space flips, drawn framed while the strip has the focus; the sign at first.
    int FocusedBit() const { return Focused; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user asks to flip bit `bit` of the shown pattern; sent only while a value is shown.
    void FlipRequested(int bit);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int CellWidth() const;
    void Flip(int bit);

    const FloatFormat& Format;
    std::optional<StoredValue> Shown;
    int Focused;
};

}  // namespace pexabit
