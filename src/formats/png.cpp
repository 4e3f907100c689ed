// PNG files: the format's entry; the pixels go through Qt's image reader and
// writer (qt/png_codec.cpp).
#include "formats/png.h"

#include <algorithm>

#include "formats/qt_codecs.h"

namespace tilesmith {

namespace {

ReadResult read_png_format(const std::string& file_name, Package& package, const ReaderOptions&,
                           Progress& progress) {
    return open_png(file_name, package, progress);
}

constexpr FileExtension kPngExtensions[] = {{".png", Msg::PngFilter}};

bool png_signature(std::span<const std::uint8_t> first) {
    constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return first.size() >= sizeof kSignature && std::equal(kSignature, kSignature + sizeof kSignature, first.begin());
}

}  // namespace

constinit const FileFormat kPngFormat{FormatKind::image, kPngExtensions, Msg::PngFilter, read_png_format,
                                      save_png, nullptr, {}, {}, png_signature, kPackedPictureCost};

ReadResult open_png(const std::string& file_name, Package& package, Progress& progress) {
    Package fresh(0, 0, package.brush());
    qt_codecs().read_png(file_name, fresh, progress);
    package.take_pixels(fresh);
    return read_result_of(package);
}

void save_png(const std::string& file_name, const Package& package, Progress& progress) {
    qt_codecs().save_png(file_name, package, progress);
}

}  // namespace tilesmith
