// Tiles to and from the system clipboard as images.
#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <cstring>

#include "ui/pane.h"

namespace tilesmith {

QImage package_to_image(const Package& package) {
    const QImage view = package_view(package);
    if (view.isNull()) return {};
    return view.convertToFormat(QImage::Format_RGB32);  // converting copies
}

std::optional<Package> image_to_package(const QImage& image, int max_w, int max_h) {
    if (image.isNull()) return std::nullopt;
    const int w = std::min(image.width(), max_w), h = std::min(image.height(), max_h);
    // Only the part that will be used is converted, however large the image is.
    const QImage part = image.copy(0, 0, w, h).convertToFormat(QImage::Format_BGR888);
    if (part.isNull()) return std::nullopt;
    Package result(w, h);
    for (int y = 0; y < h; ++y) std::memcpy(result.row(y), part.constScanLine(y), std::size_t(w) * 3);
    return result;
}

void put_tile_on_clipboard(const Package& tile) {
    QGuiApplication::clipboard()->setImage(package_to_image(tile));
}

std::optional<Package> image_from_clipboard(int max_w, int max_h) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) return std::nullopt;
    return image_to_package(QGuiApplication::clipboard()->image(), max_w, max_h);
}

}  // namespace tilesmith
