// The 16 x 16 pictograms, drawn with QPainter; no image files are used.
#include "ui/icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "ui/icon_strokes.h"

namespace tilesmith {

namespace {

using namespace icon_strokes;

void draw(QPainter& p, Icon which) {
    switch (which) {
        case Icon::none:
            break;
        case Icon::new_package:
        case Icon::recent:
            page(p, 3.5, 1.5, 10, 13);
            p.setPen(QPen(kBlue, 1));
            for (int y = 6; y <= 12; y += 3) p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
            break;
        case Icon::open_source:
            folder(p);
            arrow(p, QPointF(12, 12), QPointF(12, 2), kGreen);
            break;
        case Icon::open_target:
            folder(p);
            arrow(p, QPointF(12, 2), QPointF(12, 12), kBlue);
            break;
        case Icon::save:
            floppy(p);
            break;
        case Icon::save_as:
            floppy(p);
            p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 14), QPointF(15, 8));
            break;
        case Icon::export_level:
            tile(p, QRectF(5.5, 5.5, 9, 9), kFolder);
            arrow(p, QPointF(1.5, 1.5), QPointF(9, 9), kGreen);
            break;
        case Icon::exit:
            tile(p, QRectF(2.5, 1.5, 8, 13), QColor(150, 100, 60));
            arrow(p, QPointF(7, 8), QPointF(15, 8), kRed);
            break;
        case Icon::redo:
            // The undo arrow, mirrored: it turns the other way.
            p.translate(16, 0);
            p.scale(-1, 1);
            [[fallthrough]];
        case Icon::undo: {
            p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3, 4, 10, 9), 90 * 16, -240 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF() << QPointF(1, 5) << QPointF(8, 1) << QPointF(8, 9));
            break;
        }
        case Icon::cut:
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(4, 1), QPointF(11, 10));
            p.drawLine(QPointF(12, 1), QPointF(5, 10));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kRed, 1.5));
            p.drawEllipse(QRectF(1.5, 10, 4.5, 4.5));
            p.drawEllipse(QRectF(10, 10, 4.5, 4.5));
            break;
        case Icon::copy:
            page(p, 1.5, 1.5, 8, 10);
            page(p, 6.5, 4.5, 8, 10);
            break;
        case Icon::paste:
            tile(p, QRectF(2.5, 2.5, 10, 12), QColor(170, 120, 70));
            tile(p, QRectF(5.5, 1.5, 4, 3), kSilver);
            page(p, 7.5, 6.5, 7, 8);
            break;
        case Icon::rotate:
            p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            // Anticlockwise, as the effect turns: the arc ends at the top
            // left in a head pointing left.
            p.drawArc(QRectF(2.5, 2.5, 11, 11), -120 * 16, 270 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygonF() << QPointF(6, 0.5) << QPointF(0.5, 4) << QPointF(6, 7.5));
            break;
        case Icon::flip_h:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF() << QPointF(7, 2.5) << QPointF(7, 13.5) << QPointF(1.5, 13.5));
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF() << QPointF(9, 2.5) << QPointF(9, 13.5) << QPointF(14.5, 13.5));
            break;
        case Icon::flip_v:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF() << QPointF(2.5, 7) << QPointF(13.5, 7) << QPointF(2.5, 1.5));
            p.setBrush(kPaper);
            p.drawPolygon(QPolygonF() << QPointF(2.5, 9) << QPointF(13.5, 9) << QPointF(2.5, 14.5));
            break;
        case Icon::gamma:
        case Icon::gamma_up:
        case Icon::gamma_down: {
            QLinearGradient g(0, 0, 16, 0);
            g.setColorAt(0, Qt::black);
            g.setColorAt(1, Qt::white);
            p.setPen(QPen(kInk, 1));
            p.setBrush(g);
            p.drawRect(QRectF(0.5, 9.5, 15, 6));
            if (which == Icon::gamma) {
                letters(p, QStringLiteral("\u03b3"), kBlue, 10);
            } else {
                p.setPen(QPen(which == Icon::gamma_up ? kGreen : kRed, 2));
                p.drawLine(QPointF(4, 4.5), QPointF(12, 4.5));
                if (which == Icon::gamma_up) p.drawLine(QPointF(8, 1), QPointF(8, 8));
            }
            break;
        }
        case Icon::grid:
        case Icon::grid_size:
            p.setPen(QPen(kInk, 1));
            p.setBrush(which == Icon::grid ? kPaper : kSilver);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            for (qreal k = 5.5; k < 14; k += 4) {
                p.drawLine(QPointF(k, 1.5), QPointF(k, 14.5));
                p.drawLine(QPointF(1.5, k), QPointF(14.5, k));
            }
            break;
        case Icon::add:
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawRect(QRectF(6, 2, 4, 12));
            p.drawRect(QRectF(2, 6, 12, 4));
            break;
        case Icon::remove:
            p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, 3), QPointF(13, 13));
            p.drawLine(QPointF(13, 3), QPointF(3, 13));
            break;
        case Icon::copy_transparency:
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    p.fillRect(QRectF(i * 4, j * 4, 4, 4), (i + j) % 2 ? kMagenta : kPaper);
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(0.5, 0.5, 15, 15));
            break;
        case Icon::copy_package:
            tile(p, QRectF(1.5, 1.5, 7, 7), kFolder);
            tile(p, QRectF(7.5, 7.5, 7, 7), kFolder);
            arrow(p, QPointF(9, 3), QPointF(13, 5), kGreen, 1.5);
            break;
        case Icon::invert:
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::black);
            p.drawPie(QRectF(1.5, 1.5, 13, 13), 90 * 16, 180 * 16);
            break;
        case Icon::average:
            tile(p, QRectF(1.5, 1.5, 13, 13), QColor(140, 110, 160));
            break;
        case Icon::reduce:
            for (int i = 0; i < 4; ++i)
                p.fillRect(QRectF(1 + i * 3.5, 1, 3.5, 14), QColor::fromHsv(i * 90, 200, 230));
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(0.5, 0.5, 15, 15));
            break;
        case Icon::palette:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(220, 180, 120));
            p.drawEllipse(QRectF(1, 2, 14, 12));
            p.setPen(Qt::NoPen);
            p.setBrush(kRed); p.drawEllipse(QRectF(3, 5, 3, 3));
            p.setBrush(kGreen); p.drawEllipse(QRectF(7, 4, 3, 3));
            p.setBrush(kBlue); p.drawEllipse(QRectF(10, 7, 3, 3));
            break;
        case Icon::gray:
            for (int i = 0; i < 4; ++i) p.fillRect(QRectF(1 + i * 3.5, 1, 3.5, 14), QColor::fromRgb(i * 80, i * 80, i * 80));
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(0.5, 0.5, 15, 15));
            break;
        case Icon::black_white:
            p.fillRect(QRectF(1, 1, 7, 14), Qt::black);
            p.fillRect(QRectF(8, 1, 7, 14), Qt::white);
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(0.5, 0.5, 15, 15));
            break;
        case Icon::channels:
            p.fillRect(QRectF(1, 2, 4, 12), kRed);
            p.fillRect(QRectF(6, 2, 4, 12), kGreen);
            p.fillRect(QRectF(11, 2, 4, 12), kBlue);
            break;
        case Icon::sharpen:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF() << QPointF(8, 1.5) << QPointF(14.5, 14.5) << QPointF(1.5, 14.5));
            break;
        case Icon::blur: {
            QRadialGradient g(8, 8, 7);
            g.setColorAt(0, kBlue);
            g.setColorAt(1, QColor(50, 100, 200, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            break;
        }
        case Icon::pixelate:
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    p.fillRect(QRectF(i * 4, j * 4, 4, 4), QColor::fromHsv((i * 4 + j) * 22 % 360, 120, 120 + 30 * ((i + j) % 4)));
            break;
        case Icon::button3d:
        case Icon::convex:
            bevel(p, true);
            break;
        case Icon::concave:
            bevel(p, false);
            break;
        case Icon::diaphragm:
        case Icon::diaphragm_h:
            stripes(p, true);
            break;
        case Icon::diaphragm_v:
            stripes(p, false);
            break;
        case Icon::language:
            p.setPen(QPen(kBlue, 1));
            p.setBrush(QColor(200, 225, 250));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.drawEllipse(QRectF(5, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
            break;
        case Icon::options:
            p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF() << QPointF(2, 8) << QPointF(6, 13) << QPointF(14, 3));
            break;
        case Icon::select_color:
            p.setPen(QPen(kInk, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(255, 200, 0));
            p.drawRect(QRectF(5.5, 5.5, 5, 5));
            break;
        case Icon::author:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(240, 200, 160));
            p.drawEllipse(QRectF(5, 1.5, 6, 6));
            p.setBrush(kBlue);
            p.drawChord(QRectF(2, 9, 12, 12), 0, 180 * 16);
            break;
        case Icon::history:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 8), QPointF(8, 4));
            p.drawLine(QPointF(8, 8), QPointF(11, 10));
            break;
        case Icon::mail:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 3.5, 13, 9));
            p.drawPolyline(QPolygonF() << QPointF(1.5, 3.5) << QPointF(8, 9) << QPointF(14.5, 3.5));
            break;
        case Icon::app:
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j)
                    tile(p, QRectF(1.5 + i * 7, 1.5 + j * 7, 6, 6),
                         (i + j) % 2 ? kMagenta : kFolder);
            break;
    }
}

}  // namespace

QIcon make_icon(Icon which) {
    if (which == Icon::none) return {};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, which);
    p.end();
    return QIcon(pixmap);
}

QIcon make_check_icon(Icon which) {
    QIcon icon = make_icon(which);
    if (icon.isNull()) return icon;
    // Checked: the pictogram faded under a bold check mark, which a menu shows
    // where a check box would be, so the state reads at a glance.
    QPixmap checked(16, 16);
    checked.fill(Qt::transparent);
    QPainter p(&checked);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.35);
    p.drawPixmap(0, 0, icon.pixmap(16, 16));
    p.setOpacity(1);
    const QPolygonF mark = QPolygonF() << QPointF(2.5, 8.5) << QPointF(6.5, 12.5) << QPointF(13.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(mark);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(mark);
    p.end();
    icon.addPixmap(checked, QIcon::Normal, QIcon::On);
    icon.addPixmap(checked, QIcon::Active, QIcon::On);
    return icon;
}

}  // namespace tilesmith
