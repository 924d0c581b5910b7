#include "ui/formats/FieldColours.h"

#include <algorithm>
#include <cmath>

namespace pexabit {

namespace {

// Hues of sign, exponent, integer bit and fraction: red, blue, amber, green.
constexpr int Hues[4] = {0, 212, 40, 120};

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * Channel(rgb.red()) + 0.7152 * Channel(rgb.green()) + 0.0722 * Channel(rgb.blue());
}

double WorstContrast(const FieldColours& colours, const QColor& text) {
    double worst = 21;
    for (const QColor& fill : colours.Fill) worst = std::min(worst, ContrastRatio(fill, text));
    return worst;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableText(const QColor& fill, const QColor& preferred) {
    if (ContrastRatio(fill, preferred) >= 4.5) return preferred;
    return ContrastRatio(fill, Qt::black) >= ContrastRatio(fill, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

FieldColours FieldColoursFor(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    FieldColours colours;
    for (int i = 0; i < 4; ++i) colours.Fill[i] = dark ? QColor::fromHsl(Hues[i], 110, 62) : QColor::fromHsl(Hues[i], 170, 208);
    const QColor own = palette.color(QPalette::WindowText);
    const QColor plain = dark ? QColor(Qt::white) : QColor(Qt::black);
    colours.Text = WorstContrast(colours, own) >= 4.5 ? own : plain;
    return colours;
}

}  // namespace pexabit
