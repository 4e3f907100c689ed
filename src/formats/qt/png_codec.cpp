// PNG reading and writing through Qt's image reader and writer: any colour
// type and depth Qt's decoder takes, interlaced or not; alpha as magenta.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <cstdint>

#include "core/checked.h"
#include "core/color.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/qt/qt_codecs_impl.h"
#include "formats/qt/qt_picture_file.h"

namespace tilesmith {

// Decodes into `fresh`; the caller's package is not touched.
void qt_read_png(const std::string& file_name, Package& fresh, Progress& progress) {
    // Our own messages for a missing file or a folder, before Qt's vaguer ones.
    { InFile probe(file_name); }
    QtPictureFile picture(file_name, "png");
    QImageReader& reader = picture.reader();
    // The header's size, checked before a pixel is decoded.
    const QSize announced = reader.size();
    if (!announced.isValid())
        throw Error(Msg::CannotReadFile, file_name, Msg::NotAPng);
    picture.check_size(announced);

    // Half the gauge while Qt decodes the rows, half while they are turned into ours.
    const int rows = announced.height();
    progress.reset(2 * rows);
    QImage image = picture.read(progress, rows);
    if (image.size() != announced)
        throw Error(Msg::CannotReadFile, file_name, Msg::PictureNotAsHeader);
    // Greyscale, palette (with its transparent entries), 16-bit: one layout,
    // alpha not premultiplied, so the colour of an opaque pixel is exact.
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);

    const int width = image.width(), height = image.height();
    fresh.resize(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* dst = fresh.row(y);
        for (int x = 0; x < width; ++x) {
            const QRgb c = src[x];
            const bool hole = qAlpha(c) < 128;
            dst[3 * x] = hole ? blue_of(kTransparent) : std::uint8_t(qBlue(c));
            dst[3 * x + 1] = hole ? green_of(kTransparent) : std::uint8_t(qGreen(c));
            dst[3 * x + 2] = hole ? red_of(kTransparent) : std::uint8_t(qRed(c));
        }
        progress.step();
    }
}

void qt_save_png(const std::string& file_name, const Package& package, Progress& progress) {
    const int width = package.width(), height = package.height();
    progress.reset(height);
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull() && width > 0 && height > 0)
        throw Error(Msg::CannotWriteFile, file_name, Msg::NotEnoughMemory);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = package.row(y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const PackedColor c = pack_rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            // Magenta keeps its colour under the transparency, for viewers
            // that ignore alpha.
            dst[x] = qRgba(red_of(c), green_of(c), blue_of(c), c == kTransparent ? 0 : 255);
        }
        progress.step();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) throw Error(Msg::CannotWriteFile, file_name, writer.errorString().toStdString());
    write_file_atomic(file_name, bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace tilesmith
