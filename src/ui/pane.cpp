// Pane composition (draw_panes) and the pane panels.
#include "ui/pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>

#include "core/dimensions.h"

namespace tilesmith {

QColor to_qcolor(PackedColor c) { return QColor(red_of(c), green_of(c), blue_of(c)); }

PackedColor to_packed(const QColor& c) {
    return pack_rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

QImage package_view(const Package& package) {
    if (package.width() <= 0 || package.height() <= 0) return {};
    return QImage(package.bits(), package.width(), package.height(),
                  qsizetype(package.stride()), QImage::Format_BGR888);
}

QString tile_number_text(double value, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'g', 15);
}

QFont pane_font() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(7);
    font.setBold(true);
    // Where Verdana is missing, the nearest sans face (DejaVu Sans is drawn
    // after it). Aliased glyphs of such faces break up at this size.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void compose_pane(QImage& buffer, const Package& package, const Pane& pane,
                  const Options& options, const QColor& background, const QLocale& locale) {
    // In pane pixels: a buffer at a device pixel ratio of 2 has twice as many
    // of its own, where the text is drawn sharp and each package pixel becomes
    // a square of four (nearest neighbour: no smoothing is asked for).
    const QSizeF logical = buffer.deviceIndependentSize();
    const int W = qRound(logical.width()), H = qRound(logical.height());
    const QColor select = to_qcolor(options.select_color);
    buffer.fill(background);
    QPainter p(&buffer);

    // The package window at 64 x the scroll position; where the package ends the
    // background stays.
    const QImage view = package_view(package);
    if (!view.isNull()) {
        const QRect window(kTileSide * pane.h.position, kTileSide * pane.v.position, W, H);
        const QRect part = window & view.rect();
        if (!part.isEmpty()) p.drawImage(part.topLeft() - window.topLeft(), view, part);
    }

    // The grid belongs to the pane, not the package. A line at x = W or y = H
    // would fall outside the buffer.
    if (options.view_gird && options.grid_step > 0) {
        p.setPen(QPen(select, 1, Qt::SolidLine));
        const int step = options.grid_step;
        for (int x = step; x < W; x += step) p.drawLine(x, 0, x, H - 1);
        for (int y = step; y < H; y += step) p.drawLine(0, y, W - 1, y);
    }

    // Two dashed outlines, the second shifted by one pixel: a frame two pixels
    // thick around the 64 x 64 selected area. Dash gaps stay transparent.
    const int sx = pane.sel_x, sy = pane.sel_y;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(select, 1, Qt::DashLine));
    p.drawRect(sx, sy, kTileSide - 2, kTileSide - 2);
    p.drawRect(sx + 1, sy + 1, kTileSide - 2, kTileSide - 2);

    if (options.cord) {
        const QString x_text =
            QStringLiteral("X: ") + tile_number_text(sx / double(kTileSide) + pane.h.position + 1, locale);
        const QString y_text =
            QStringLiteral("Y: ") + tile_number_text(sy / double(kTileSide) + pane.v.position + 1, locale);
        p.setFont(pane_font());
        // Positions are the texts' top-left corners.
        const auto text_at = [&](int x, int y, const QString& text) {
            p.drawText(QRect(x, y, 256, 64), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
        };
        p.setPen(Qt::black);
        text_at(sx + 5, sy + 2, x_text);
        text_at(sx + 5, sy + 12, y_text);
        p.setPen(select);
        text_at(sx + 4, sy + 1, x_text);
        text_at(sx + 4, sy + 11, y_text);
    }
}

PaneView::PaneView(QWidget* parent, Compose compose, Press press, Wheel wheel)
    : QWidget(parent), compose_(std::move(compose)), press_(std::move(press)),
      wheel_(std::move(wheel)) {
    // Every pixel is painted each time: nothing to clear first, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaneView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height();
    // The panel's own colour shows where the buffer does not reach.
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.drawImage(1, 1, compose_());
    // Lowered inner bevel: shadow on the top and left, light on the bottom and right.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(1, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 1, w - 1, h - 1);
}

void PaneView::mousePressEvent(QMouseEvent* event) {
    MouseButton button;
    switch (event->button()) {
        case Qt::LeftButton: button = MouseButton::left; break;
        case Qt::MiddleButton: button = MouseButton::middle; break;
        case Qt::RightButton: button = MouseButton::right; break;
        default: return;
    }
    const QPoint at = event->position().toPoint();
    press_(button, at.x(), at.y());
}

void PaneView::wheelEvent(QWheelEvent* event) {
    if (!wheel_) {
        event->ignore();
        return;
    }
    QPoint delta = event->angleDelta();
    // Shift+wheel scrolls sideways, unless the platform has already turned it.
    if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0) delta = QPoint(delta.y(), 0);
    wheel_rest_ += delta;
    // One notch is 120 eighths of a degree; touch pads send less at a time.
    const int vertical = wheel_rest_.y() / QWheelEvent::DefaultDeltasPerStep;
    const int horizontal = wheel_rest_.x() / QWheelEvent::DefaultDeltasPerStep;
    wheel_rest_ -= QPoint(horizontal, vertical) * QWheelEvent::DefaultDeltasPerStep;
    if (vertical != 0 || horizontal != 0) wheel_(vertical, horizontal);
    event->accept();
}

}  // namespace tilesmith
