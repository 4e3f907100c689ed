// Opening picture files for Qt's decoders.
#include "formats/qt_picture_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/checked.h"

namespace tilesmith {

QtPictureFile::QtPictureFile(const std::string& file_name, const char* decoder, int bytes_per_pixel)
    : file_name_(file_name) {
    const int fd = ::open(file_name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw errno_error(Msg::CannotOpenFile, file_name, errno);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
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
