// Opening picture files for Qt's decoders.
#include "formats/qt_picture_file.h"

#include "core/checked.h"
#include "core/file_io.h"
#include "core/file_platform.h"

namespace tilesmith {

QtPictureFile::QtPictureFile(const std::string& file_name, const char* decoder, int bytes_per_pixel)
    : file_name_(file_name) {
    std::error_code ec;
    const platform::OpenedFile opened = platform::open_for_reading(file_name, ec);
    if (ec) throw system_error(Msg::CannotOpenFile, file_name, ec);
    if (!file_.open(opened.file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(opened.file);
        throw Error(Msg::CannotOpenFile, file_name, file_.errorString().toStdString());
    }
    QImageReader::setAllocationLimit(int(kMaxPackagePixels * bytes_per_pixel / (1024 * 1024)));
    reader_.setDevice(&file_);
    reader_.setFormat(decoder);
    reader_.setAutoDetectImageFormat(false);
    reader_.setDecideFormatFromContent(false);
}

void QtPictureFile::check_size(QSize size) const {
    if (std::int64_t(size.width()) * size.height() > kMaxPackagePixels)
        throw too_large_picture(file_name_, size.width(), size.height());
}

Error too_large_picture(const std::string& file_name, std::int64_t w, std::int64_t h) {
    return Error(Msg::CannotReadFile, file_name,
                 std::to_string(w) + " x " + std::to_string(h) + " pixels is too large a picture");
}

}  // namespace tilesmith
