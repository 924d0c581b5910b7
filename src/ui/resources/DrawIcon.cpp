// Draws the window icon Icon1.png (256 x 256): the 32 bits of the Single 0.1 (3DCCCCCD) as a
// grid of cells coloured by field, sign red, exponent green, mantissa cyan, under a large
// "0.1". Usage: pexabit_draw_icon OUTPUT.png [SIZE]; a SIZE other than 256 draws the same
// picture scaled, for the installed icons of other sizes (packaging/icons/).

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Size = 256;
constexpr std::uint32_t SinglePointOne = 0x3DCCCCCDU;  // 0.1 as stored in binary32
constexpr int Columns = 8;
constexpr int Rows = 4;

QColor FieldColour(int bit, bool one) {
    QColor colour = bit == 0 ? QColor(235, 50, 50) : bit <= 8 ? QColor(20, 190, 60) : QColor(90, 230, 240);
    return one ? colour : colour.darker(300);
}

void DrawBackground(QPainter& painter) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(4, 4, Size - 8, Size - 8), 36, 36);
    painter.fillPath(outline, QColor(22, 32, 58));
    painter.setPen(QPen(QColor(90, 230, 240), 4));
    painter.drawPath(outline);
}

void DrawValue(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(92);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(245, 245, 245));
    painter.drawText(QRect(0, 14, Size, 100), Qt::AlignCenter, QStringLiteral("0.1"));
}

void DrawBits(QPainter& painter) {
    constexpr int Cell = 26;
    constexpr int Gap = 2;
    constexpr int Left = (Size - Columns * (Cell + Gap) + Gap) / 2;
    constexpr int Top = 122;
    painter.setPen(Qt::NoPen);
    for (int bit = 0; bit < Columns * Rows; ++bit) {
        const bool one = ((SinglePointOne >> (31 - bit)) & 1U) != 0U;
        const int x = Left + (bit % Columns) * (Cell + Gap);
        const int y = Top + (bit / Columns) * (Cell + Gap);
        painter.setBrush(FieldColour(bit, one));
        painter.drawRoundedRect(QRect(x, y, Cell, Cell), 5, 5);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[2]) : Size;
    if (argc < 2 || argc > 3 || size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: pexabit_draw_icon OUTPUT.png [SIZE]   (SIZE 16..1024, default 256)\n");
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn at 256 x 256 and scaled, so that every size shows the same picture.
    painter.scale(size / static_cast<double>(Size), size / static_cast<double>(Size));
    DrawBackground(painter);
    DrawValue(painter);
    DrawBits(painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
