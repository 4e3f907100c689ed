// Opening picture files for Qt's decoders.
#include "formats/qt/qt_picture_file.h"

#include <mutex>

#include "core/checked.h"
#include "core/file_io.h"
#include "core/file_platform.h"
#include "formats/qt/qt_codecs_impl.h"
#include "formats/qt_codecs.h"

namespace tilesmith {

void qt_set_allocation_limit() {
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(int(kMaxPackagePixels * 8 / (1024 * 1024))); });
}

void WatchedFile::watch(Progress* progress, int steps) {
    progress_ = progress;
    steps_ = steps;
    stepped_ = 0;
    read_ = 0;
}

void WatchedFile::finish() {
    if (progress_)
        for (; stepped_ < steps_; ++stepped_) progress_->step();
    progress_ = nullptr;
}

qint64 WatchedFile::readData(char* data, qint64 max_size) {
    // A failing read is the one way to end a decoder early; nothing is thrown through it.
    if (progress_ && progress_->cancelled()) return -1;
    const qint64 got = QFile::readData(data, max_size);
    if (!progress_ || got <= 0) return got;
    read_ += got;
    const qint64 whole = std::max<qint64>(size(), 1);
    const int due = int(std::min<qint64>(steps_, read_ * steps_ / whole));
    try {
        for (; stepped_ < due; ++stepped_) progress_->step();
    } catch (const Cancelled&) {
        return -1;
    }
    return got;
}

QtPictureFile::QtPictureFile(const std::string& file_name, const char* decoder) : file_name_(file_name) {
    qt_set_allocation_limit();
    std::error_code ec;
    const platform::OpenedFile opened = platform::open_for_reading(file_name, ec);
    if (ec) throw system_error(Msg::CannotOpenFile, file_name, ec);
    if (!file_.open(opened.file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(opened.file);
        throw Error(Msg::CannotOpenFile, file_name, file_.errorString().toStdString());
    }
    reader_.setDevice(&file_);
    reader_.setFormat(decoder);
    reader_.setAutoDetectImageFormat(false);
    reader_.setDecideFormatFromContent(false);
}

void QtPictureFile::check_size(QSize size) const {
    if (std::int64_t(size.width()) * size.height() > kMaxPackagePixels)
        throw too_large_picture(file_name_, size.width(), size.height());
}

QImage QtPictureFile::read(Progress& progress, int steps) {
    file_.watch(&progress, steps);
    QImage image;
    const bool read = reader_.read(&image) && !image.isNull();
    progress.check();
    if (!read) throw Error(Msg::CannotReadFile, file_name_, reader_.errorString().toStdString());
    // What the reader had taken before (a small file, whole with its header) counts now.
    file_.finish();
    return image;
}

Error too_large_picture(const std::string& file_name, std::int64_t w, std::int64_t h) {
    return Error(Msg::CannotReadFile, file_name, Phrase(Msg::PictureTooLarge).arg(w).arg(h));
}

}  // namespace tilesmith

namespace {
constexpr tilesmith::QtCodecs kCodecs{tilesmith::qt_read_bmp,
                                      tilesmith::qt_set_allocation_limit};
// Where the codecs are linked in, they announce themselves before main. In the
// module this runs at load time too, and names the same table.
[[maybe_unused]] const bool kAnnounced = tilesmith::use_linked_qt_codecs(kCodecs);
}  // namespace

#ifdef _WIN32
#define TILESMITH_MODULE_FUNCTION extern "C" __declspec(dllexport)
#else
#define TILESMITH_MODULE_FUNCTION extern "C" __attribute__((visibility("default")))
#endif

// What the program that loads the module asks it for.
TILESMITH_MODULE_FUNCTION const tilesmith::QtCodecs* tilesmith_qt_codecs() { return &kCodecs; }
