// The panes: presses, drags, the wheel, zoom, the scroll bars and the pixel
// under the pointer, each mapped onto the workspace's view.
#include "ui/pane_presenter.h"

#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>
#include <tuple>

#include "ui/pane.h"
#include "ui/qt_texts.h"

namespace tilesmith {

namespace {

QScrollBar* make_scroll_bar(QWidget* parent, const char* name, Qt::Orientation o) {
    auto* bar = new QScrollBar(o, parent);
    bar->setObjectName(QString::fromLatin1(name));
    // One tile per arrow click; the keys move the selection, never a bar.
    bar->setSingleStep(kTileSide);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setRange(0, 0);
    bar->setEnabled(false);
    return bar;
}

int index_of(Side side) { return side == Side::source ? 0 : 1; }

}  // namespace

PanePresenter::PanePresenter(QWidget* client, Workspace& workspace, Guard command, Guard guard,
                             std::function<void(std::function<QString(Language)>)> show_pixel)
    : workspace_(workspace), show_pixel_(std::move(show_pixel)) {
    for (const auto& [pane_side, name] : {std::pair{Side::source, "source_pane"}, std::pair{Side::target, "target_pane"}}) {
        const Side side = pane_side;  // Clang 14 cannot capture a structured binding
        PaneEvents events;
        events.compose = [this, side]() -> const QImage& { return compose(side); };
        events.press = [this, side, command](MouseButton b, int x, int y, bool extend) {
            command([&] { workspace_.views().press(side, b, x, y, extend); });
        };
        // A drag past the pane's edge scrolls it: the view keeps the far corner in sight.
        events.drag = [this, side, command](int x, int y) { command([&] { workspace_.views().drag(side, x, y); }); };
        events.hover = [this, side](int x, int y) { hovered(side, x, y); };
        events.leave = [this, side] {
            show_pixel_({});
            if (pointed_tile_) pointed_tile_(side, std::nullopt);
        };
        events.wheel = [this, side, command](int v, int h) {
            command([&] { workspace_.views().scroll_notches(side, v, h); });
        };
        events.zoom = [this, side, command](int notches, int x, int y) {
            command([&] { workspace_.views().zoom_at(side, notches, x, y); });
        };
        auto* pane = new PaneView(client, std::move(events));
        pane->setObjectName(QString::fromLatin1(name));
        panes_[index_of(side)] = pane;
    }
    bars_[0] = {make_scroll_bar(client, "source_horizontal_bar", Qt::Horizontal), make_scroll_bar(client, "source_vertical_bar", Qt::Vertical)};
    bars_[1] = {make_scroll_bar(client, "target_horizontal_bar", Qt::Horizontal),
                make_scroll_bar(client, "target_vertical_bar", Qt::Vertical)};
    // A bar moved: the new offset, then a repaint at once.
    for (Side side : {Side::source, Side::target}) {
        for (bool horizontal : {true, false}) {
            connect_through(scroll_bar(side, horizontal), &QScrollBar::valueChanged, client, guard,
                            [this, side, horizontal](int value) {
                                const View& v = workspace_.view(side);
                                workspace_.views().scroll_to(side, horizontal ? value : v.scroll_x(),
                                                     horizontal ? v.scroll_y() : value);
                                draw();
                            });
        }
    }
}

QScrollBar* PanePresenter::scroll_bar(Side side, bool horizontal) const {
    return bars_[index_of(side)][horizontal ? 0 : 1];
}

void PanePresenter::hovered(Side side, int x, int y) {
    const View& v = workspace_.view(side);
    const auto [px, py] = v.package_point(x, y);
    if (pointed_tile_)
        pointed_tile_(side, v.in_package(px, py) ? std::optional(std::pair(px / kTileSide, py / kTileSide)) : std::nullopt);
    if (!v.in_package(px, py)) {
        show_pixel_({});
        return;
    }
    const PackedColor c = workspace_.package(side).pixel(px, py);
    QString readout = QStringLiteral("%1, %2  #%3%4%5")
                          .arg(px)
                          .arg(py)
                          .arg(red_of(c), 2, 16, QLatin1Char('0'))
                          .arg(green_of(c), 2, 16, QLatin1Char('0'))
                          .arg(blue_of(c), 2, 16, QLatin1Char('0'))
                          .toUpper();
    // With texture use shown: the faces and sprites of the level that sample
    // the pixel (the textures mapping it when the level's objects are unknown),
    // in whichever language the status bar speaks.
    const TextureUse* use = workspace_.options().texture_use ? workspace_.origins().texture_use(side) : nullptr;
    if (!use) {
        show_pixel_([readout](Language) { return readout; });
        return;
    }
    const bool placed = use->counts_placed();
    const PixelUse at = placed ? use->placed_at(px, py) : PixelUse{};
    const int faces = placed ? 0 : use->faces_at(px, py).total();
    show_pixel_([readout, placed, at, faces](Language language) {
        return readout + QStringLiteral("  ") +
               ui_text(placed ? used_by(at, language) : used_by_faces(faces, language), language);
    });
}

const QImage& PanePresenter::compose(Side side) {
    const View& view = workspace_.view(side);
    QImage& buffer = buffers_[index_of(side)];
    // At the screen's resolution, so a display scale of 2 draws sharp text.
    const qreal ratio = panes_[0]->devicePixelRatioF();
    const QSize size(view.viewport_width(), view.viewport_height());
    if (buffer.devicePixelRatio() != ratio || buffer.deviceIndependentSize().toSize() != size) {
        buffer = QImage(size * ratio, QImage::Format_RGB32);
        buffer.setDevicePixelRatio(ratio);
    }
    compose_pane(buffer, workspace_.package(side), view, workspace_.options(),
                 panes_[0]->window()->palette().color(QPalette::Button), QLocale(),
                 workspace_.options().texture_use ? workspace_.origins().texture_use(side) : nullptr);
    return buffer;
}

void PanePresenter::sync() {
    const auto show = [](QScrollBar* bar, int value, int max, int page) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, max);
        bar->setPageStep(page);
        bar->setValue(value);
        bar->setEnabled(max > 0);
    };
    for (Side side : {Side::source, Side::target}) {
        const View& view = workspace_.view(side);
        show(scroll_bar(side, true), view.scroll_x(), view.max_scroll_x(), view.visible_width());
        show(scroll_bar(side, false), view.scroll_y(), view.max_scroll_y(), view.visible_height());
    }
    redraw_pending_ = true;
}

void PanePresenter::idle_redraw() {
    if (!redraw_pending_) return;
    // Cleared first: the update below wakes the loop once, not forever.
    redraw_pending_ = false;
    for (PaneView* pane : panes_) pane->update();
}

void PanePresenter::draw() {
    redraw_pending_ = false;
    for (PaneView* pane : panes_) pane->repaint();
}

}  // namespace tilesmith
