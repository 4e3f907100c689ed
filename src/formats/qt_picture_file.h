// What the readers that decode through Qt share: opening a file by its bytes
// for one decoder, and refusing a picture too large before it is decoded.
#pragma once
#include <QFile>
#include <QImageReader>
#include <QSize>
#include <cstdint>
#include <string>

#include "core/error.h"

namespace tilesmith {

// An open file and a reader of exactly one Qt decoder, whatever the content
// looks like, allowed room for the largest picture we accept decoded at
// `bytes_per_pixel`; a larger one Qt refuses before allocating. The file is
// opened by its bytes: Qt would first turn the name into text, which not every
// file name survives. Throws Error naming the file when it cannot be opened.
class QtPictureFile {
public:
    QtPictureFile(const std::string& file_name, const char* decoder, int bytes_per_pixel);
    QtPictureFile(const QtPictureFile&) = delete;
    QtPictureFile& operator=(const QtPictureFile&) = delete;

    QImageReader& reader() { return reader_; }
    // Throws when an announced size is larger than a package may be.
    void check_size(QSize size) const;

private:
    std::string file_name_;
    QFile file_;
    QImageReader reader_;
};

Error too_large_picture(const std::string& file_name, std::int64_t width, std::int64_t height);

}  // namespace tilesmith
