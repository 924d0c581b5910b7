#include "ui/WindowFonts.h"

#include <QApplication>
#include <QStringList>

namespace pexabit {
namespace {

constexpr double Mono14Points = 14.25;
constexpr double Mono8Points = 8.25;
constexpr double Sans12Points = 12.0;

QFont MakeFont(const QStringList& families, QFont::StyleHint hint, double points) {
    QFont font(families.front());
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    // Whole-pixel advances, as the original layout was measured with: 14.25 pt Courier New is
    // 11 pixels a digit, so 52 mantissa digits fit their 581-pixel box.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The application's font in Liberation Sans Narrow (fonts-liberation): "DEC" takes 21 pixels
// of the 23 a 43-pixel option button leaves beside its indicator at 9 pt, where the usual
// sans-serif fonts take 25.
QFont NarrowDialogFont() {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans Narrow")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont WindowFont(FontChoice choice) {
    const QStringList mono{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                           QStringLiteral("DejaVu Sans Mono")};
    const QStringList sans{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")};
    switch (choice) {
        case FontChoice::Mono14: return MakeFont(mono, QFont::TypeWriter, Mono14Points);
        case FontChoice::Mono8: return MakeFont(mono, QFont::TypeWriter, Mono8Points);
        case FontChoice::Sans12: return MakeFont(sans, QFont::SansSerif, Sans12Points);
        case FontChoice::SansNarrow: return NarrowDialogFont();
        case FontChoice::Dialog: break;
    }
    return QApplication::font();
}

}  // namespace pexabit
