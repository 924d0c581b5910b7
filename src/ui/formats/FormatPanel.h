#pragma once
// One format's panel in the formats window: the bit strip, the pattern and its bytes, the fields
// and the class, the exact value in base 10 and 2, the other answers of the every-format report
// and the rounding's flags as badges. It shows one FormatReport, or why its format cannot hold
// the input, or nothing once cleared. The user picks a new pattern of its format here: by
// flipping a bit, typing a pattern (Enter), or stepping to a neighbour (the step buttons, or Up
// and Down while the panel holds the focus).

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

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
    // Marks the panel as the origin of the current value: the pattern the user picked.
    void SetOrigin(bool origin);
    bool IsOrigin() const;

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
    // The step buttons, "next_down" and "next_up"; disabled where there is no neighbour.
    QToolButton* Step(bool up) const { return up ? StepUp : StepDown; }
    // Why the typed pattern was not taken (the command line's message); empty when it was.
    QString PatternError() const { return PatternErrorLabel->text(); }

signals:
    // The user picked `pattern` of this panel's format.
    void PatternChosen(pexabit::Bits128 pattern);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void AddRow(QGridLayout* grid, int row, int column, const QString& label, const QString& name);
    QLayout* PatternRow();
    void SetBadge(QLabel* badge, bool set);
    void TakeTypedPattern();
    void StepTo(const std::optional<Bits128>& neighbour);
    void HideMessages();
    void SetNeighbours(std::optional<Bits128> down, std::optional<Bits128> up);

    const FloatFormat& Shown;
    BitStrip* Bits;
    ExactValueView *ExactDecimal, *ExactBinary;
    QLabel *Inexact, *Underflow, *Overflow;
    QLabel* RefusalLabel;
    QLabel *PatternErrorLabel, *OriginLabel;
    QToolButton *StepDown, *StepUp;
    std::optional<Bits128> NextDown, NextUp;
};

}  // namespace pexabit
