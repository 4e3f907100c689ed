// MainWindow's panes: presses, drags, the wheel, zoom, the arrow keys, the
// scroll bars and the pixel under the pointer, each mapped onto the workspace's view.
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/main_window.h"
#include "ui/pane.h"

namespace tilesmith {

void MainWindow::pane_pressed(Side side, MouseButton button, int x, int y, bool extend) {
    run([&] { workspace_.press(side, button, x, y, extend); });
}

void MainWindow::pane_dragged(Side side, int x, int y) {
    // A drag past the pane's edge scrolls it: the view keeps the far corner in sight.
    run([&] { workspace_.drag(side, x, y); });
}

void MainWindow::pane_hovered(Side side, int x, int y) {
    const View& v = workspace_.view(side);
    const auto [px, py] = v.package_point(x, y);
    if (!v.in_package(px, py)) {
        panels_[8]->clear();
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
    // With texture use shown: how many textures of the level map the tile.
    if (const TextureUse* use = workspace_.options().texture_use ? workspace_.texture_use(side) : nullptr)
        readout += QStringLiteral("  ") +
                   text(Msg::UsedByFaces).arg(use->faces_at_tile(px / kTileSide, py / kTileSide).total());
    panels_[8]->setText(readout);
}

void MainWindow::pane_wheel(Side side, int vertical_notches, int horizontal_notches) {
    run([&] { workspace_.scroll_notches(side, vertical_notches, horizontal_notches); });
}

void MainWindow::pane_zoom(Side side, int notches, int x, int y) {
    run([&] { workspace_.zoom_at(side, notches, x, y); });
}

void MainWindow::zoom_command(int direction) { workspace_.zoom_step(direction); }

void MainWindow::keyPressEvent(QKeyEvent* event) {
    int columns = 0, rows = 0;
    switch (event->key()) {
        case Qt::Key_Left: columns = -1; break;
        case Qt::Key_Right: columns = 1; break;
        case Qt::Key_Up: rows = -1; break;
        case Qt::Key_Down: rows = 1; break;
        default: QMainWindow::keyPressEvent(event); return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    run([&] { workspace_.move_selection(columns, rows, extend); });
    event->accept();
}

const QImage& MainWindow::compose(Side side) {
    const View& view = workspace_.view(side);
    QImage& buffer = pane_buffers_[side == Side::source ? 0 : 1];
    // At the screen's resolution, so a display scale of 2 draws sharp text.
    const qreal ratio = surf1_->devicePixelRatioF();
    const QSize size(view.viewport_width(), view.viewport_height());
    if (buffer.devicePixelRatio() != ratio || buffer.deviceIndependentSize().toSize() != size) {
        buffer = QImage(size * ratio, QImage::Format_RGB32);
        buffer.setDevicePixelRatio(ratio);
    }
    compose_pane(buffer, workspace_.package(side), view, workspace_.options(), palette().color(QPalette::Button),
                 QLocale(), workspace_.options().texture_use ? workspace_.texture_use(side) : nullptr);
    return buffer;
}

QImage MainWindow::pane_image(int pane) { return compose(pane == 1 ? Side::source : Side::target).copy(); }

void MainWindow::sync_scroll_bars() {
    const auto show = [](QScrollBar* bar, int value, int max, int page) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, max);
        bar->setPageStep(page);
        bar->setValue(value);
        bar->setEnabled(max > 0);
    };
    for (const auto& [side, h, v] : {std::tuple{Side::source, h_scroll_, v_scroll_},
                                     std::tuple{Side::target, h_scroll2_, v_scroll2_}}) {
        const View& view = workspace_.view(side);
        show(h, view.scroll_x(), view.max_scroll_x(), view.visible_width());
        show(v, view.scroll_y(), view.max_scroll_y(), view.visible_height());
    }
}

}  // namespace tilesmith
