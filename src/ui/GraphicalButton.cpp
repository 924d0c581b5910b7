#include "ui/GraphicalButton.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace pexabit {
namespace {

// The style's outline is one pixel wide; the face fills everything inside it.
constexpr int OutlineWidth = 1;

}  // namespace

void GraphicalButton::paintEvent(QPaintEvent* event) {
    const QColor colour = palette().color(QPalette::Button);
    if (colour == QApplication::palette(this).color(QPalette::Button)) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // A disabled style greys the caption; this button keeps it readable on its colour.
    option.palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                            option.palette.color(QPalette::Active, QPalette::ButtonText));
    painter.drawControl(QStyle::CE_PushButtonBevel, option);  // the outline
    painter.fillRect(rect().adjusted(OutlineWidth, OutlineWidth, -OutlineWidth, -OutlineWidth), colour);
    option.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

}  // namespace pexabit
