// The strokes of the 16 x 16 pictograms.
#include "ui/icon_strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tilesmith::icon_strokes {

void page(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    QPolygonF shape;
    shape << QPointF(x, y) << QPointF(x + w - 3, y) << QPointF(x + w, y + 3)
          << QPointF(x + w, y + h) << QPointF(x, y + h);
    p.drawPolygon(shape);
}

void folder(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 6, 3));
    p.setBrush(kFolder);
    p.drawRect(QRectF(1.5, 5.5, 13, 8));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, qreal width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    QLineF line(to, from);
    QLineF a = line, b = line;
    a.setLength(4);
    b.setLength(4);
    a.setAngle(line.angle() + 35);
    b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

void floppy(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kSilver);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void tile(QPainter& p, const QRectF& r, const QColor& fill) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void letters(QPainter& p, const QString& text, const QColor& c, int pixel_size) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel_size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void stripes(QPainter& p, bool horizontal) {
    tile(p, QRectF(1.5, 1.5, 13, 13), kPaper);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int k = 3; k < 14; k += 3) {
        if (horizontal) p.drawRect(QRectF(2, k, 12, 1.5));
        else p.drawRect(QRectF(k, 2, 1.5, 12));
    }
}

void bevel(QPainter& p, bool raised) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSilver);
    p.drawRect(QRectF(1, 1, 14, 14));
    const QColor light = raised ? Qt::white : QColor(100, 100, 100);
    const QColor dark = raised ? QColor(100, 100, 100) : Qt::white;
    p.setPen(QPen(light, 2));
    p.drawLine(QPointF(2, 2), QPointF(14, 2));
    p.drawLine(QPointF(2, 2), QPointF(2, 14));
    p.setPen(QPen(dark, 2));
    p.drawLine(QPointF(2, 14), QPointF(14, 14));
    p.drawLine(QPointF(14, 2), QPointF(14, 14));
}

}  // namespace tilesmith::icon_strokes
