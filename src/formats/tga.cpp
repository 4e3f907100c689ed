// Uncompressed TGA files: header rules, the row-streaming reader and the 24-bit writer.
#include "formats/tga.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"

namespace tilesmith {

namespace {

constexpr int kHeaderSize = 18;
constexpr int kRowsPerStep = kTileSide;  // one gauge step per row of tiles

struct TgaHeader {
    int id_length, colour_map_type, image_type;
    int colour_map_length, colour_map_entry_bits;
    int width, height, depth, descriptor;
};

TgaHeader parse_header(const unsigned char* h) {
    TgaHeader t;
    t.id_length = h[0];
    t.colour_map_type = h[1];
    t.image_type = h[2];
    t.colour_map_length = read_u16le(h + 5);
    t.colour_map_entry_bits = h[7];
    t.width = read_u16le(h + 12);
    t.height = read_u16le(h + 14);
    t.depth = h[16];
    t.descriptor = h[17];
    return t;
}

// The message that refuses the header; empty when it is read.
std::optional<Msg> header_refusal(const TgaHeader& t) {
    bool ok = false;
    if (t.depth == 24 || t.depth == 16) {
        ok = t.id_length == 0 && t.colour_map_type == 0 && t.image_type == 2 &&
             t.colour_map_length == 0 && t.colour_map_entry_bits == 0 &&
             (t.descriptor == 0 || t.descriptor == 32);
    } else if (t.depth == 8) {
        ok = t.id_length == 0 && t.colour_map_type == 1 && t.image_type == 1 &&
             t.colour_map_length != 0 && t.colour_map_entry_bits == 24 &&
             (t.descriptor == 0 || t.descriptor == 8 || t.descriptor == 32);
    } else {
        return Msg::UnknownImageType;
    }
    if (!ok) return Msg::WrongSizeOrDepth;
    // The file may announce far more than it holds; never size a package from
    // more pixels than we are prepared to hold.
    if (std::int64_t(t.width) * t.height > kMaxPackagePixels) return Msg::WrongSizeOrDepth;
    return std::nullopt;
}

void convert_row16(const std::uint8_t* src, std::uint8_t* dst, int width) {
    for (int x = 0; x < width; ++x) {
        const unsigned w = unsigned(src[2 * x]) | (unsigned(src[2 * x + 1]) << 8);
        dst[3 * x] = std::uint8_t((w & 31) << 3);
        dst[3 * x + 1] = std::uint8_t(((w >> 5) & 31) << 3);
        dst[3 * x + 2] = std::uint8_t(((w >> 10) & 31) << 3);
    }
}

void convert_row8(const std::uint8_t* src, std::uint8_t* dst, int width,
                  const std::array<std::uint8_t, 256 * 3>& palette) {
    for (int x = 0; x < width; ++x) std::memcpy(dst + 3 * x, &palette[3 * src[x]], 3);
}

}  // namespace

namespace {

constexpr FileExtension kTgaExtensions[] = {{".tga", Msg::TgaFilter}};

ReadResult read_tga_format(const std::string& file_name, Package& package, const ReaderOptions&,
                           Progress& progress) {
    return open_tga(file_name, package, progress);
}

}  // namespace

constinit const FileFormat kTgaFormat{FormatKind::image, kTgaExtensions, Msg::TgaFilter, read_tga_format,
                                      save_tga, nullptr};

ReadResult open_tga(const std::string& file_name, Package& package, Progress& progress) {
    InFile in(file_name);
    // A file shorter than a header reads as zeros there, which no rule accepts.
    unsigned char raw[kHeaderSize] = {};
    in.read_some(raw, kHeaderSize);
    const TgaHeader t = parse_header(raw);
    if (const auto refusal = header_refusal(t)) return read_result_of(package, refusal);

    // Entries the file does not supply stay black. The palette holds 256
    // entries; a longer colour map has its extra entries skipped.
    std::array<std::uint8_t, 256 * 3> palette{};
    std::int64_t pixel_offset = kHeaderSize;
    if (t.depth == 8) {
        const int kept = std::min(t.colour_map_length, 256);
        in.read_some(palette.data(), std::size_t(kept) * 3);
        pixel_offset += std::int64_t(t.colour_map_length) * 3;
        if (t.colour_map_length > kept) in.seek(pixel_offset);
    }

    auto fresh = Package::for_overwrite(t.width, t.height, package.brush());
    progress.reset(t.height / kRowsPerStep);
    const int bytes_per_pixel = t.depth / 8;
    const std::size_t row_bytes = std::size_t(t.width) * std::size_t(bytes_per_pixel);
    // Depth 24 reads straight into the package, the others through this row.
    std::vector<std::uint8_t> buffer(t.depth == 24 ? 0 : row_bytes, 0);
    const bool bottom_up = t.descriptor != 32;
    int missing_rows = 0;
    for (int r = 0; r < t.height; ++r) {
        const int y = bottom_up ? t.height - 1 - r : r;
        std::uint8_t* dst = fresh.row(y);
        std::size_t got;
        if (t.depth == 24) {
            got = in.read_some(dst, row_bytes);
        } else {
            got = in.read_some(buffer.data(), row_bytes);
            if (t.depth == 16) convert_row16(buffer.data(), dst, t.width);
            else convert_row8(buffer.data(), dst, t.width, palette);
        }
        // Pixels the file does not reach are transparent, whole or in part.
        if (got < row_bytes) {
            const int present = int(got / std::size_t(bytes_per_pixel));
            fresh.fill_rect(present, y, t.width - present, 1, kTransparent);
            ++missing_rows;
        }
        if (r % kRowsPerStep == kRowsPerStep - 1) progress.step();
    }
    package.take_pixels(fresh);
    return read_result_of(package, file_name, missing_rows);
}

void save_tga(const std::string& file_name, const Package& package, Progress& progress) {
    const int width = package.width(), height = package.height();
    if (width > 0xFFFF || height > 0xFFFF)
        throw Error(Msg::CannotWriteFile, file_name, Phrase(Msg::TgaTooLarge).arg(width).arg(height));
    unsigned char header[kHeaderSize] = {};
    header[2] = 2;
    write_u16le(header + 12, std::uint16_t(width));
    write_u16le(header + 14, std::uint16_t(height));
    header[16] = 24;

    AtomicOutFile out(file_name);
    out.write(header, kHeaderSize);
    progress.reset(height / kRowsPerStep);
    // Package rows already hold blue, green, red without gaps between pixels.
    const std::size_t row_bytes = std::size_t(width) * 3;
    for (int y = height - 1; y >= 0; --y) {
        out.write(package.row(y), row_bytes);
        if (y % kRowsPerStep == kRowsPerStep - 1) progress.step();
    }
    out.commit();
}

}  // namespace tilesmith
