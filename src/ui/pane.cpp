// Pane composition (draw_panes) and the pane panels.
#include "ui/pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>

#include "core/dimensions.h"

namespace tilesmith {

namespace {
// The pixel grid at high zoom: the grid colour, faint.
constexpr int kPixelGridAlpha = 48;
constexpr int kPixelGridZoom = 4;
}  // namespace

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

void compose_pane(QImage& buffer, const Package& package, const View& view, const Options& options,
                  const QColor& background, const QLocale& locale) {
    // In picture pixels: a buffer at a device pixel ratio of 2 has twice as
    // many of its own, where the text is drawn sharp and each package pixel
    // becomes a square of four (nearest neighbour: no smoothing is asked for).
    const QSizeF logical = buffer.deviceIndependentSize();
    const int W = qRound(logical.width()), H = qRound(logical.height());
    const int z = view.zoom(), sx = view.scroll_x(), sy = view.scroll_y();
    const auto screen_x = [&](int x) { return (x - sx) * z; };
    const auto screen_y = [&](int y) { return (y - sy) * z; };
    const QColor select = to_qcolor(options.select_color);
    buffer.fill(background);
    QPainter p(&buffer);

    // Only the visible part of the package is drawn; where it ends the background stays.
    const QImage whole = package_view(package);
    if (!whole.isNull()) {
        const QRect part = QRect(sx, sy, W / z + 1, H / z + 1) & whole.rect();
        if (!part.isEmpty()) {
            const QRect place(screen_x(part.left()), screen_y(part.top()), part.width() * z, part.height() * z);
            if (z == 1) p.drawImage(place.topLeft(), whole, part);
            else p.drawImage(place, whole, part);
        }
    }

    // The grid lies on the package's pixels; no line at the picture's own edges.
    if (options.view_gird && options.grid_step > 0) {
        const auto lines = [&](int step, const QColor& colour) {
            p.setPen(QPen(colour, 1, Qt::SolidLine));
            for (int x = (sx / step + 1) * step; screen_x(x) < W; x += step) p.drawLine(screen_x(x), 0, screen_x(x), H - 1);
            for (int y = (sy / step + 1) * step; screen_y(y) < H; y += step) p.drawLine(0, screen_y(y), W - 1, screen_y(y));
        };
        if (z >= kPixelGridZoom) {
            QColor faint = select;
            faint.setAlpha(kPixelGridAlpha);
            lines(1, faint);
        }
        lines(options.grid_step, select);
    }

    // Two dashed outlines, the second shifted by one pixel: a frame two pixels
    // thick around the selected rectangle. Dash gaps stay transparent.
    const Rect s = view.selection();
    const int fx = screen_x(s.left), fy = screen_y(s.top), fw = s.width() * z, fh = s.height() * z;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(select, 1, Qt::DashLine));
    p.drawRect(fx, fy, fw - 2, fh - 2);
    p.drawRect(fx + 1, fy + 1, fw - 2, fh - 2);

    if (options.cord) {
        QStringList lines{QStringLiteral("X: ") + tile_number_text(s.left / double(kTileSide) + 1, locale),
                          QStringLiteral("Y: ") + tile_number_text(s.top / double(kTileSide) + 1, locale)};
        if (view.selection_columns() > 1 || view.selection_rows() > 1)
            lines << QStringLiteral("%1 x %2").arg(view.selection_columns()).arg(view.selection_rows());
        p.setFont(pane_font());
        // Positions are the texts' top-left corners.
        const auto text_at = [&](int x, int y, const QString& text) {
            p.drawText(QRect(x, y, 256, 64), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
        };
        for (int i = 0; i < lines.size(); ++i) {
            p.setPen(Qt::black);
            text_at(fx + 5, fy + 2 + 10 * i, lines[i]);
            p.setPen(select);
            text_at(fx + 4, fy + 1 + 10 * i, lines[i]);
        }
    }
}

PaneView::PaneView(QWidget* parent, PaneEvents events) : QWidget(parent), events_(std::move(events)) {
    // Every pixel is painted each time: nothing to clear first, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PaneView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height();
    // The panel's own colour shows where the buffer does not reach.
    p.fillRect(rect(), palette().color(QPalette::Button));
    if (events_.compose) p.drawImage(1, 1, events_.compose());
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
    const QPoint at = event->position().toPoint() - QPoint(1, 1);
    if (events_.press) events_.press(button, at.x(), at.y(), event->modifiers() & Qt::ShiftModifier);
}

void PaneView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - QPoint(1, 1);
    if ((event->buttons() & Qt::LeftButton) && events_.drag) events_.drag(at.x(), at.y());
    if (events_.hover) events_.hover(at.x(), at.y());
}

void PaneView::leaveEvent(QEvent*) {
    if (events_.leave) events_.leave();
}

void PaneView::wheelEvent(QWheelEvent* event) {
    QPoint delta = event->angleDelta();
    // Shift+wheel scrolls sideways, unless the platform has already turned it.
    if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0) delta = QPoint(delta.y(), 0);
    wheel_rest_ += delta;
    // One notch is 120 eighths of a degree; touch pads send less at a time.
    const int vertical = wheel_rest_.y() / QWheelEvent::DefaultDeltasPerStep;
    const int horizontal = wheel_rest_.x() / QWheelEvent::DefaultDeltasPerStep;
    wheel_rest_ -= QPoint(horizontal, vertical) * QWheelEvent::DefaultDeltasPerStep;
    const QPoint at = event->position().toPoint() - QPoint(1, 1);
    if (event->modifiers() & Qt::ControlModifier) {
        if (vertical != 0 && events_.zoom) events_.zoom(vertical, at.x(), at.y());
    } else if ((vertical != 0 || horizontal != 0) && events_.wheel) {
        events_.wheel(vertical, horizontal);
    }
    event->accept();
}

void PaneView::resizeEvent(QResizeEvent*) {
    if (events_.resized) events_.resized(std::max(width() - 2, 1), std::max(height() - 2, 1));
}

}  // namespace tilesmith
