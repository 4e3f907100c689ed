// BMP and JPEG files: reading by extension, BMP through our own decoder
// (bmp_read.cpp), JPEG through libjpeg; the 24-bit BMP writer.
#include "formats/bmpjpg.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <cstring>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/bmp_codec.h"
#include "formats/format_registry.h"
#include "formats/jpeg_codec.h"

namespace tilesmith {

namespace {

constexpr int kBmpFileHeader = 14;
constexpr int kBmpInfoHeader = 40;

// A header announcing more pixel data than the file holds is refused here,
// before anything is allocated. Headers this does not understand are left to
// the decoder, which refuses them itself.
void check_bmp_holds_its_pixels(const std::string& file_name, InFile& in) {
    unsigned char h[38] = {};
    const std::size_t got = in.read_some(h, sizeof h);
    if (got < 26 || h[0] != 'B' || h[1] != 'M') return;
    const std::uint32_t header = read_u32le(h + 14);
    std::int64_t width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = 0, image_bytes = 0;
    if (header == 12) {  // the oldest header: 16-bit sizes, never compressed
        width = read_u16le(h + 18);
        height = read_u16le(h + 20);
        bits = read_u16le(h + 24);
    } else if (header >= 16 && got >= 30) {
        width = read_i32le(h + 18);
        height = std::abs(std::int64_t(read_i32le(h + 22)));  // negative: top row first
        bits = read_u16le(h + 28);
        if (header >= 20 && got >= 34) compression = read_u32le(h + 30);
        if (header >= 24 && got >= 38) image_bytes = read_u32le(h + 34);
    } else {
        return;
    }
    if (width <= 0 || height <= 0) return;
    // The pixels start at the announced offset, and never inside the headers.
    const std::int64_t start = std::max<std::int64_t>(read_u32le(h + 10), kBmpFileHeader + std::int64_t(header));
    const std::int64_t present = std::max<std::int64_t>(in.size() - start, 0);
    auto refuse = [&](std::int64_t needed) {
        throw Error(Msg::CannotReadFile, file_name,
                    Phrase(Msg::PixelDataShort).arg(width).arg(height).arg(needed).arg(present));
    };
    // Plain rows or bit fields; in the OS/2 headers (16 and 64 bytes) 3 means Huffman coding.
    const bool os2 = header == 16 || header == 64;
    const bool plain = compression == 0 || (!os2 && (compression == 3 || compression == 6));
    const bool rle = compression == 1 || compression == 2;
    if (plain) {
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return;
        // Rows are padded to whole 32-bit words.
        const auto row = checked_mul(width, bits);
        const auto needed = row ? checked_mul((*row + 31) / 32 * 4, height) : std::nullopt;
        if (!needed || *needed > present) refuse(needed.value_or(INT64_MAX));
    } else if (rle) {
        // Run-length data has no fixed size: it must hold what the header
        // announces, and at least a byte for each row, as writers end every
        // row with an end-of-line code.
        if (std::int64_t(image_bytes) > present) refuse(image_bytes);
        if (height > present) refuse(height);
    }
}

void read_bmp(const std::string& file_name, Package& fresh, Progress& progress) {
    {
        InFile probe(file_name);
        check_bmp_holds_its_pixels(file_name, probe);
    }
    // One step: the rows are read in one go.
    progress.reset(1);
    read_bmp_pixels(file_name, fresh, progress);
    progress.step();
}

// The decoding steps both pictures share: the gauge, a fresh package swapped in at the end.
ReadResult read_picture(const std::string& file_name, Package& package, Progress& progress,
                        void (*decode)(const std::string&, Package&, Progress&)) {
    Package fresh(0, 0, package.brush());
    decode(file_name, fresh, progress);
    package.take_pixels(fresh);
    return read_result_of(package);
}

ReadResult read_bmp_format(const std::string& file_name, Package& package, const ReaderOptions&,
                           Progress& progress) {
    return read_picture(file_name, package, progress, read_bmp);
}

ReadResult read_jpeg_format(const std::string& file_name, Package& package, const ReaderOptions&,
                            Progress& progress) {
    return read_picture(file_name, package, progress, read_jpeg);
}

constexpr FileExtension kBmpExtensions[] = {{".bmp", Msg::BmpFilter}};

// "BM"; a JPEG's start-of-image marker and the marker after it.
bool bmp_signature(std::span<const std::uint8_t> first) {
    return first.size() >= 2 && first[0] == 'B' && first[1] == 'M';
}
bool jpeg_signature(std::span<const std::uint8_t> first) {
    return first.size() >= 3 && first[0] == 0xFF && first[1] == 0xD8 && first[2] == 0xFF;
}
constexpr FileExtension kJpegExtensions[] = {{".jpg", Msg::JpegFilter}, {".jpeg", Msg::JpegFilter}};

}  // namespace

constinit const FileFormat kBmpFormat{FormatKind::image, kBmpExtensions, Msg::BmpFilter, read_bmp_format,
                                      save_bmp, nullptr, {}, {}, bmp_signature};
constinit const FileFormat kJpegFormat{FormatKind::image, kJpegExtensions, Msg::JpegFilter, read_jpeg_format,
                                       save_jpg, nullptr, {}, {}, jpeg_signature, kPackedPictureCost};

ReadResult open_bmpjpg(const std::string& file_name, Package& package, Progress& progress) {
    const FileFormat* format = format_of(file_name);
    if (format != &kBmpFormat && format != &kJpegFormat) {
        progress.reset(1);
        throw Error(Msg::CannotReadFile, file_name,
                    Phrase(Msg::OnlyBmpOrJpeg).arg(std::string(kBmpExtensions[0].dot) + " " +
                                                   std::string(kJpegExtensions[0].dot)));
    }
    return format->read(file_name, package, ReaderOptions{}, progress);
}

void save_bmp(const std::string& file_name, const Package& package, Progress& progress) {
    progress.reset(1);
    const int width = package.width(), height = package.height();
    const std::int64_t padded_row = (std::int64_t(width) * 3 + 3) & ~std::int64_t(3);
    const std::int64_t image_bytes = padded_row * height;
    const std::int64_t file_bytes = image_bytes + kBmpFileHeader + kBmpInfoHeader;
    if (file_bytes > 0xFFFFFFFFll)
        throw Error(Msg::CannotWriteFile, file_name,
                    std::to_string(width) + " x " + std::to_string(height) + " pixels do not fit a BMP file");

    unsigned char header[kBmpFileHeader + kBmpInfoHeader] = {};
    header[0] = 'B';
    header[1] = 'M';
    write_u32le(header + 2, std::uint32_t(file_bytes));
    write_u32le(header + 10, kBmpFileHeader + kBmpInfoHeader);  // where the pixels start
    unsigned char* info = header + kBmpFileHeader;
    write_u32le(info, kBmpInfoHeader);
    write_u32le(info + 4, std::uint32_t(width));
    write_u32le(info + 8, std::uint32_t(height));  // positive: bottom row first
    write_u16le(info + 12, 1);                     // planes
    write_u16le(info + 14, 24);                    // bits per pixel
    write_u32le(info + 20, std::uint32_t(image_bytes));
    write_u32le(info + 24, 2835);  // 72 dots per inch, in dots per metre
    write_u32le(info + 28, 2835);

    AtomicOutFile out(file_name);
    out.write(header, sizeof header);
    const std::size_t row_bytes = std::size_t(width) * 3;
    const unsigned char padding[3] = {};
    for (int y = height - 1; y >= 0; --y) {
        out.write(package.row(y), row_bytes);
        out.write(padding, std::size_t(padded_row) - row_bytes);
    }
    out.commit();
    progress.step();
}

void save_jpg(const std::string& file_name, const Package& package, Progress& progress) {
    write_jpeg(file_name, package, progress);
}

}  // namespace tilesmith
