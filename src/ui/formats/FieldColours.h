#pragma once
// The colours of the bit strip's fields, taken from the widget's palette so that light and dark
// desktop themes both get cells that read well: a tint of each field's hue at the lightness of
// the palette's window, and for the digits on it whichever text colour keeps the contrast.

#include <QColor>
#include <QPalette>

namespace pexabit {

// The parts of a pattern, from the most significant bit down.
enum class BitField { Sign, Exponent, IntegerBit, Fraction };

struct FieldColours {
    QColor Fill[4];  // indexed by BitField
    QColor Text;     // the digits on every fill

    const QColor& FillOf(BitField field) const { return Fill[static_cast<int>(field)]; }
};

// The fills for `palette`: light tints on a light window, deep ones on a dark window; Text is the
// palette's window text when it reaches 4.5:1 on every fill, else black or white, whichever does.
FieldColours FieldColoursFor(const QPalette& palette);

// `preferred` when it reaches 4.5:1 on `fill`, else black or white, whichever contrasts more:
// white on Fusion's light highlight (3.7:1) gives black.
QColor ReadableText(const QColor& fill, const QColor& preferred);

// The WCAG 2 contrast ratio of two colours, 1 to 21: black on white gives 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace pexabit
