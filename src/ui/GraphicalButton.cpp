#include "ui/GraphicalButton.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace pexabit {
namespace {

// The window's style (Fusion) outlines a button with one pixel; the face fills all inside it.
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
    // The style greys a disabled button's caption; this one keeps it readable on its colour.
    option.palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                            option.palette.color(QPalette::Active, QPalette::ButtonText));
    painter.drawControl(QStyle::CE_PushButtonBevel, option);  // the outline
    painter.fillRect(rect().adjusted(OutlineWidth, OutlineWidth, -OutlineWidth, -OutlineWidth), colour);
    option.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

}  // namespace pexabit
