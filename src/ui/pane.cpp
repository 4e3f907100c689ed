// Pane composition (draw_panes) and the pane panels.
#include "ui/pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/dimensions.h"

namespace tilesmith {

namespace {
// The pixel grid at high zoom: the grid colour, faint.
constexpr int kPixelGridAlpha = 48;
constexpr int kPixelGridZoom = 4;
// `over` at alpha/256 over `under`.
QRgb blend(QRgb under, QRgb over, int alpha) {
    const auto mix = [&](int u, int o) { return (u * (256 - alpha) + o * alpha) >> 8; };
    return qRgb(mix(qRed(under), qRed(over)), mix(qGreen(under), qGreen(over)), mix(qBlue(under), qBlue(over)));
}

// Writes every device pixel of `buffer` (RGB32): the package pixel it shows,
// nearest neighbour, or the background; with `pixel_grid`, the first device
// row and column of each package pixel faintly in the grid colour. Only the
// visible part of the package is read; a row that repeats the one above is copied.
void draw_package_part(QImage& buffer, const Package& package, const View& view, const QColor& background,
                       bool pixel_grid, const QColor& grid, const TextureUse* use) {
    const int W = buffer.width(), H = buffer.height();
    // Device pixels per package pixel: the zoom at the buffer's device pixel ratio.
    const double scale = view.zoom() * buffer.devicePixelRatio();
    std::vector<int> column(std::size_t(W), -1);
    std::vector<char> edge(std::size_t(W), 0);
    for (int dx = 0; dx < W; ++dx) {
        const int x = view.scroll_x() + int(dx / scale);
        if (x >= 0 && x < package.width()) column[std::size_t(dx)] = x * 3;
        edge[std::size_t(dx)] = pixel_grid && dx > 0 && int(dx / scale) != int((dx - 1) / scale);
    }
    const QRgb face = background.rgb(), line = grid.rgb();
    int last_y = -1;
    bool last_was_edge = true;
    for (int dy = 0; dy < H; ++dy) {
        auto* out = reinterpret_cast<QRgb*>(buffer.scanLine(dy));
        const int y = view.scroll_y() + int(dy / scale);
        const bool edge_row = pixel_grid && dy > 0 && y != last_y;
        if (y == last_y && !last_was_edge) {
            std::memcpy(out, buffer.constScanLine(dy - 1), std::size_t(W) * sizeof(QRgb));
            continue;
        }
        last_y = y;
        last_was_edge = edge_row;
        if (y < 0 || y >= package.height()) {
            std::fill(out, out + W, face);
        } else {
            const std::uint8_t* in = package.row(y);
            if (use) {
                // Texture use: what no face or sprite placed samples is dimmed to half.
                for (int dx = 0; dx < W; ++dx) {
                    const int at = column[std::size_t(dx)];
                    if (at < 0) {
                        out[dx] = face;
                        continue;
                    }
                    const QRgb c = qRgb(in[at + 2], in[at + 1], in[at]);
                    out[dx] = use->sampled(at / 3, y) ? c : 0xFF000000u | ((c >> 1) & 0x7F7F7Fu);
                }
            } else if (scale == 1.0) {
                // 1:1, the common case: one contiguous run of the row.
                const int x0 = view.scroll_x(), n = std::clamp(package.width() - x0, 0, W);
                for (int dx = 0; dx < n; ++dx) {
                    const std::uint8_t* px = in + 3 * (x0 + dx);
                    out[dx] = 0xFF000000u | (QRgb(px[2]) << 16) | (QRgb(px[1]) << 8) | px[0];
                }
                std::fill(out + n, out + W, face);
            } else for (int dx = 0; dx < W; ++dx) {
                const int at = column[std::size_t(dx)];
                out[dx] = at < 0 ? face : qRgb(in[at + 2], in[at + 1], in[at]);
            }
        }
        if (!pixel_grid) continue;
        for (int dx = 0; dx < W; ++dx)
            if (edge_row || edge[std::size_t(dx)]) out[dx] = blend(out[dx], line, kPixelGridAlpha);
    }
}

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
                  const QColor& background, const QLocale& locale, const TextureUse* use) {
    // In picture pixels: a buffer at a device pixel ratio of 2 has twice as
    // many of its own, where the text is drawn sharp and each package pixel
    // becomes a square of four (nearest neighbour: no smoothing is asked for).
    const QSizeF logical = buffer.deviceIndependentSize();
    const int W = qRound(logical.width()), H = qRound(logical.height());
    const int z = view.zoom(), sx = view.scroll_x(), sy = view.scroll_y();
    const auto screen_x = [&](int x) { return (x - sx) * z; };
    const auto screen_y = [&](int y) { return (y - sy) * z; };
    const QColor select = to_qcolor(options.select_color);
    const bool pixel_grid = options.grid_visible && options.grid_step > 0 && z >= kPixelGridZoom;
    draw_package_part(buffer, package, view, background, pixel_grid, select, use);

    // The grid lies on the package's pixels; no line at the picture's own edges.
    if (options.grid_visible && options.grid_step > 0) {
        // Straight into the rows: a painter's lines cost more than the whole picture.
        const qreal ratio = buffer.devicePixelRatio();
        const int thick = std::max(1, qRound(ratio));
        const QRgb colour = select.rgb();
        const int step = options.grid_step;
        // The lines stop where the package does.
        const int bottom = std::min(buffer.height(), qRound(screen_y(package.height()) * ratio));
        const int right = std::min(buffer.width(), qRound(screen_x(package.width()) * ratio));
        for (int x = (sx / step + 1) * step; x < package.width() && screen_x(x) < W; x += step)
            for (int dy = 0; dy < bottom; ++dy) {
                auto* row = reinterpret_cast<QRgb*>(buffer.scanLine(dy));
                const int first = qRound(screen_x(x) * ratio);
                for (int t = 0; t < thick && first + t < right; ++t) row[first + t] = colour;
            }
        for (int y = (sy / step + 1) * step; y < package.height() && screen_y(y) < H; y += step) {
            const int first = qRound(screen_y(y) * ratio);
            for (int t = 0; t < thick && first + t < bottom; ++t) {
                auto* row = reinterpret_cast<QRgb*>(buffer.scanLine(first + t));
                std::fill(row, row + std::max(right, 0), colour);
            }
        }
    }

    QPainter p(&buffer);
    if (use) {
        // The outlines of the faces and sprites that reach into the picture.
        const QRect shown(sx, sy, W / z + 1, H / z + 1);
        p.setPen(QPen(select, 1, Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        for (const MappedFace& f : use->object_faces()) {
            QPolygon outline;
            for (int i = 0; i < f.corner_count; ++i) outline << QPoint(f.corners[i].x, f.corners[i].y);
            if (!outline.boundingRect().intersects(shown)) continue;
            for (QPoint& corner : outline) corner = QPoint(screen_x(corner.x()), screen_y(corner.y()));
            p.drawPolygon(outline);
        }
        for (const MappedRect& r : use->sprite_rects())
            if (QRect(r.x, r.y, r.width, r.height).intersects(shown))
                p.drawRect(screen_x(r.x), screen_y(r.y), r.width * z - 1, r.height * z - 1);
    }
    // Marked tiles (duplicates found, unused tiles): a veil of the selection
    // colour and a solid frame, under the selection's own frame.
    if (!view.marked().empty()) {
        QColor veil = select;
        veil.setAlpha(72);
        p.setPen(QPen(select, 1, Qt::SolidLine));
        p.setBrush(veil);
        const QRect shown(sx, sy, W / z + 1, H / z + 1);
        for (const TileSpot& t : view.marked())
            if (QRect(t.column * kTileSide, t.row * kTileSide, kTileSide, kTileSide).intersects(shown))
                p.drawRect(screen_x(t.column * kTileSide), screen_y(t.row * kTileSide), kTileSide * z - 1,
                           kTileSide * z - 1);
    }
    // Two outlines, the second shifted by one pixel: a frame two pixels thick
    // around the selected rectangle, dashes of the selection colour over a
    // line of the tone farthest from it, so the frame shows on any picture.
    const Rect s = view.selection();
    const int fx = screen_x(s.left), fy = screen_y(s.top), fw = s.width() * z, fh = s.height() * z;
    p.setBrush(Qt::NoBrush);
    const QColor under = qGray(select.rgb()) >= 128 ? QColor(Qt::black) : QColor(Qt::white);
    for (const QPen& pen : {QPen(under, 1, Qt::SolidLine), QPen(select, 1, Qt::DashLine)}) {
        p.setPen(pen);
        p.drawRect(fx, fy, fw - 2, fh - 2);
        p.drawRect(fx + 1, fy + 1, fw - 2, fh - 2);
    }

    if (options.show_coordinates) {
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
