// What the readers that decode through Qt share: opening a file by its bytes
// for one decoder, progress and stopping while it decodes, and refusing a
// picture too large before it is decoded.
#pragma once
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <cstdint>
#include <string>

#include "core/error.h"
#include "core/progress.h"

namespace tilesmith {

// Qt's decoders refuse, before allocating, a picture larger than the largest
// we accept decoded at 8 bytes a pixel (16 bits a channel). Process-wide and
// set once: at start, and at the latest by the first picture opened.
void qt_set_allocation_limit();

// A file that moves a gauge by the share of its bytes read, and reads as
// failing once the gauge's work was asked to stop.
class WatchedFile : public QFile {
public:
    void watch(Progress* progress, int steps);
    // The steps not yet made, then no more watching.
    void finish();

protected:
    qint64 readData(char* data, qint64 max_size) override;

private:
    Progress* progress_ = nullptr;
    int steps_ = 0, stepped_ = 0;
    qint64 read_ = 0;
};

// An open file and a reader of exactly one Qt decoder, whatever the content
// looks like. The file is opened by its bytes: Qt would first turn the name
// into text, which not every file name survives. Throws Error naming the file
// when it cannot be opened.
class QtPictureFile {
public:
    QtPictureFile(const std::string& file_name, const char* decoder);
    QtPictureFile(const QtPictureFile&) = delete;
    QtPictureFile& operator=(const QtPictureFile&) = delete;

    QImageReader& reader() { return reader_; }
    // Throws when an announced size is larger than a package may be.
    void check_size(QSize size) const;
    // Decodes the picture, `steps` steps of `progress` spread over the file's
    // bytes as the decoder reads them (by rows, for pictures stored row after
    // row). Throws Cancelled when stopped, Error when it cannot be decoded.
    QImage read(Progress& progress, int steps);

private:
    std::string file_name_;
    WatchedFile file_;
    QImageReader reader_;
};

Error too_large_picture(const std::string& file_name, std::int64_t width, std::int64_t height);

}  // namespace tilesmith
