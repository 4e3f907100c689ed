// MainWindow's place and size and the panes' zoom, kept across runs in the
// per-user state beside config.dat.
#include "ui/main_window.h"

namespace tilesmith {

void MainWindow::restore_window_state() {
    // A place saved on a screen that is gone is moved back onto one by Qt.
    const QByteArray geometry = QByteArray::fromBase64(folders_.window_value("geometry").toLatin1());
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    for (const auto& [side, name] : {std::pair{Side::source, "zoom_source"}, std::pair{Side::target, "zoom_target"}}) {
        const int zoom = folders_.window_value(name).toInt();
        if (zoom > 0) workspace_.views().set_zoom(side, zoom);
    }
}

void MainWindow::save_window_state() {
    folders_.remember_window({{"geometry", saveGeometry().toBase64().toStdString()},
                              {"zoom_source", std::to_string(workspace_.view(Side::source).zoom())},
                              {"zoom_target", std::to_string(workspace_.view(Side::target).zoom())}});
}

}  // namespace tilesmith
