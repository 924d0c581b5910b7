#pragma once
// One format's panel in the formats window: the bit strip, the pattern and its bytes, the fields
// and the class, the exact value in base 10 and 2, the other answers of the every-format report
// and the rounding's flags as badges. It shows one FormatReport, or why its format cannot hold
// the input, or nothing once cleared.

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "report/FormatReport.h"
#include "ui/formats/BitStrip.h"
#include "ui/formats/ValueTexts.h"

namespace pexabit {

class FormatPanel : public QGroupBox {
    Q_OBJECT
public:
    // A panel for `format`, named "Panel_" and the format's name ("Panel_single").
    explicit FormatPanel(const FloatFormat& format, QWidget* parent = nullptr);

    const FloatFormat& Format() const { return Shown; }
    // Shows `report`, which must be of this panel's format and answered (no Refusal).
    void SetReport(const FormatReport& report);
    // Empties the panel and says why its format cannot hold the input.
    void SetRefusal(const std::string& message);
    // Empties every text, the strip and the badges.
    void Clear();

    BitStrip* Strip() const { return Bits; }
    // The texts by their report names: "pattern", "bytes_le", "class", "sign", "exponent",
    // "fraction", "shortest", "hexfloat", "ulp", "error", "relative_error".
    ValueLine* Line(const QString& name) const;
    ExactValueView* Exact(int base) const { return base == 2 ? ExactBinary : ExactDecimal; }
    // The badge of "inexact", "underflow" or "overflow"; its property "set" tells whether the
    // flag is raised.
    QLabel* Badge(const QString& flag) const;
    // The message of SetRefusal; empty while the panel shows a value or nothing.
    QString Refusal() const { return RefusalLabel->text(); }

private:
    void AddRow(QGridLayout* grid, int row, int column, const QString& label, const QString& name);
    void SetBadge(QLabel* badge, bool set);

    const FloatFormat& Shown;
    BitStrip* Bits;
    ExactValueView *ExactDecimal, *ExactBinary;
    QLabel *Inexact, *Underflow, *Overflow;
    QLabel* RefusalLabel;
};

}  // namespace pexabit
