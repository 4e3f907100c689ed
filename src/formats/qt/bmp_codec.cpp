// BMP pixels through Qt's decoder, after the format's own checks of the header.
#include <QImage>
#include <cstring>

#include "core/checked.h"
#include "formats/qt/qt_codecs_impl.h"
#include "formats/qt/qt_picture_file.h"

namespace tilesmith {

void qt_read_bmp(const std::string& file_name, Package& fresh, Progress& progress) {
    QtPictureFile picture(file_name, "bmp");
    const QSize announced = picture.reader().size();
    if (announced.isValid()) picture.check_size(announced);
    // One step: Qt's decoder reads a BMP's rows in one go.
    progress.reset(1);
    const QImage image = picture.read(progress, 1);
    const int width = image.width(), height = image.height();
    if (std::int64_t(width) * height > kMaxPackagePixels) throw too_large_picture(file_name, width, height);

    fresh.resize(width, height);
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        // Qt's usual result for BMP: convert straight, dropping alpha.
        for (int y = 0; y < height; ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            std::uint8_t* dst = fresh.row(y);
            for (int x = 0; x < width; ++x) {
                dst[3 * x] = std::uint8_t(qBlue(src[x]));
                dst[3 * x + 1] = std::uint8_t(qGreen(src[x]));
                dst[3 * x + 2] = std::uint8_t(qRed(src[x]));
            }
        }
        return;
    }
    // Colour-mapped and other layouts: let Qt produce the package's byte order.
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull()) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);
    for (int y = 0; y < height; ++y) std::memcpy(fresh.row(y), bgr.constScanLine(y), std::size_t(width) * 3);
}

}  // namespace tilesmith
