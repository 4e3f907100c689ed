// MainWindow's place and size and the panes' zoom, kept across runs in the
// per-user settings beside the dialogs' folders.
#include <QSettings>
#include <memory>

#include "ui/main_window.h"

namespace tilesmith {

namespace {

std::unique_ptr<QSettings> user_settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tilesmith"),
                                       QStringLiteral("dialogs"));
}

const QString kGeometry = QStringLiteral("window/geometry");
const QString kZoom[2] = {QStringLiteral("window/zoom_source"), QStringLiteral("window/zoom_target")};

}  // namespace

void MainWindow::restore_window_state() {
    const auto settings = user_settings();
    // A place saved on a screen that is gone is moved back onto one by Qt.
    const QByteArray geometry = settings->value(kGeometry).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    workspace_.set_zoom(Side::source, settings->value(kZoom[0], 1).toInt());
    workspace_.set_zoom(Side::target, settings->value(kZoom[1], 1).toInt());
}

void MainWindow::save_window_state() const {
    const auto settings = user_settings();
    settings->setValue(kGeometry, saveGeometry());
    settings->setValue(kZoom[0], workspace_.view(Side::source).zoom());
    settings->setValue(kZoom[1], workspace_.view(Side::target).zoom());
}

}  // namespace tilesmith
