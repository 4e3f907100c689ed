// The strokes the pictograms are drawn from: a page, a folder, an arrow, a
// floppy, a tile, letters, stripes and a bevel, in the pictograms' colours.
#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tilesmith::icon_strokes {

inline const QColor kInk(48, 48, 48);
inline const QColor kPaper(252, 252, 252);
inline const QColor kFolder(232, 190, 80);
inline const QColor kBlue(50, 100, 200);
inline const QColor kGreen(40, 150, 60);
inline const QColor kRed(205, 45, 45);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kSilver(192, 192, 192);

void page(QPainter& p, qreal x, qreal y, qreal w, qreal h);
void folder(QPainter& p);
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, qreal width = 2);
void floppy(QPainter& p);
void tile(QPainter& p, const QRectF& r, const QColor& fill);
void letters(QPainter& p, const QString& text, const QColor& c, int pixel_size = 11);
void stripes(QPainter& p, bool horizontal);
void bevel(QPainter& p, bool raised);

}  // namespace tilesmith::icon_strokes
