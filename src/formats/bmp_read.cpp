// BMP pixels: every header from the oldest (12 bytes) to the fifth version,
// palettes of 1, 2, 4 and 8 bits, 16 and 32 bits with or without bit fields,
// 24 bits, run-length coding of 4 and 8 bits, rows bottom up or top down.
// Alpha is not read; pixels a run-length picture skips are transparent.
#include "formats/bmp_codec.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/checked.h"
#include "core/color.h"
#include "core/error.h"
#include "core/file_io.h"

namespace tilesmith {

namespace {

constexpr std::int64_t kFileHeader = 14;

// A channel of a bit-field pixel: its bits, widened to 8 by shifting.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
    }
    std::uint8_t of(std::uint32_t pixel) const {
        if (!mask) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        return std::uint8_t(bits >= 8 ? v >> (bits - 8) : v << (8 - bits));
    }
};

struct Header {
    std::int64_t width = 0, height = 0;
    bool top_down = false;
    int bits = 0;
    std::uint32_t compression = 0, colours_used = 0;
    std::uint32_t masks[3] = {};
    bool has_masks = false;
    std::int64_t palette_at = 0, pixels_at = 0;
    int palette_entry = 4;
};

[[noreturn]] void unsupported(const std::string& file_name, const Header& h) {
    throw Error(Msg::CannotReadFile, file_name, Phrase(Msg::BmpUnsupported).arg(h.bits).arg(h.compression));
}
[[noreturn]] void not_a_bmp(const std::string& file_name) {
    throw Error(Msg::CannotReadFile, file_name, Msg::NotABmp);
}

Header read_header(const std::string& file_name, InFile& in) {
    unsigned char b[14 + 124 + 16] = {};
    const std::size_t got = in.read_some(b, sizeof b);
    if (got < 26 || b[0] != 'B' || b[1] != 'M') not_a_bmp(file_name);
    Header h;
    const std::uint32_t size = read_u32le(b + 14);
    const unsigned char* info = b + 14;
    if (size == 12) {
        h.width = read_u16le(info + 4);
        h.height = read_u16le(info + 6);
        h.bits = read_u16le(info + 10);
        h.palette_entry = 3;
    } else if (size == 16 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124) {
        if (got < 14 + std::size_t(size)) not_a_bmp(file_name);
        h.width = read_i32le(info + 4);
        h.height = read_i32le(info + 8);
        h.bits = read_u16le(info + 14);
        if (size >= 40) {
            h.compression = read_u32le(info + 16);
            h.colours_used = read_u32le(info + 32);
        }
        // In the OS/2 headers (16 and 64 bytes) 3 and 4 are Huffman and 24-bit run-length coding.
        const bool os2 = size == 16 || size == 64;
        if (os2 && h.compression >= 3) unsupported(file_name, h);
        if (h.compression == 3 || h.compression == 6) {
            // The masks follow the 40-byte header, or are part of the longer ones.
            if (size == 40 && got < 14 + 40 + 12) not_a_bmp(file_name);
            for (int i = 0; i < 3; ++i) h.masks[i] = read_u32le(info + 40 + 4 * i);
            h.has_masks = true;
        }
    } else {
        not_a_bmp(file_name);
    }
    if (h.height < 0) {
        h.top_down = true;
        h.height = -h.height;
    }
    if (h.width <= 0 || h.height <= 0) not_a_bmp(file_name);
    h.palette_at = kFileHeader + size;
    if (size == 40 && h.compression == 3) h.palette_at += 12;
    if (size == 40 && h.compression == 6) h.palette_at += 16;
    h.pixels_at = read_u32le(b + 10);
    if (h.pixels_at < h.palette_at) h.pixels_at = h.palette_at;
    return h;
}

// The palette as package colours; indices past its end read as black.
std::vector<PackedColor> read_palette(const std::string& file_name, InFile& in, const Header& h) {
    const std::int64_t most = std::int64_t(1) << h.bits;
    std::int64_t count = h.colours_used ? h.colours_used : most;
    const std::int64_t room = (h.pixels_at - h.palette_at) / h.palette_entry;
    // A palette announced larger than the depth allows must at least be there.
    if (count > most && count > room) not_a_bmp(file_name);
    count = std::min({count, most, std::max<std::int64_t>(room, 0)});
    std::vector<std::uint8_t> raw(std::size_t(count) * std::size_t(h.palette_entry));
    in.seek(h.palette_at);
    if (in.read_some(raw.data(), raw.size()) != raw.size()) throw Error(Msg::CannotReadFile, file_name, Msg::NotABmp);
    std::vector<PackedColor> palette(std::size_t(most), kBlack);
    for (std::int64_t i = 0; i < count; ++i) {
        const std::uint8_t* e = raw.data() + i * h.palette_entry;
        palette[std::size_t(i)] = pack_rgb(e[2], e[1], e[0]);
    }
    return palette;
}

inline void put(std::uint8_t* dst, PackedColor c) {
    dst[0] = blue_of(c);
    dst[1] = green_of(c);
    dst[2] = red_of(c);
}

// Plain rows: palette indices, bit fields or blue, green, red.
void read_rows(InFile& in, const Header& h, const std::vector<PackedColor>& palette, Package& fresh,
               Progress& progress) {
    const int width = fresh.width(), height = fresh.height();
    const std::size_t stride = std::size_t((std::int64_t(width) * h.bits + 31) / 32 * 4);
    std::vector<std::uint8_t> row(stride + 4);
    const std::uint32_t default_masks[2][3] = {{0x7C00, 0x03E0, 0x001F}, {0xFF0000, 0xFF00, 0xFF}};
    const std::uint32_t* masks = h.has_masks ? h.masks : default_masks[h.bits == 32];
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    in.seek(h.pixels_at);
    for (int i = 0; i < height; ++i) {
        if (i % 256 == 0) progress.check();
        in.read_some(row.data(), stride);
        std::uint8_t* dst = fresh.row(h.top_down ? i : height - 1 - i);
        const std::uint8_t* src = row.data();
        switch (h.bits) {
        case 1: case 2: case 4: case 8: {
            const int per_byte = 8 / h.bits, mask = (1 << h.bits) - 1;
            for (int x = 0; x < width; ++x) {
                const int shift = 8 - h.bits * (x % per_byte + 1);
                put(dst + 3 * x, palette[std::size_t((src[x / per_byte] >> shift) & mask)]);
            }
            break;
        }
        case 16: case 32:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = h.bits == 16 ? read_u16le(src + 2 * x) : read_u32le(src + 4 * x);
                dst[3 * x] = blue.of(p);
                dst[3 * x + 1] = green.of(p);
                dst[3 * x + 2] = red.of(p);
            }
            break;
        default:  // 24
            std::memcpy(dst, src, std::size_t(width) * 3);
            break;
        }
    }
}

// Run-length coded rows, 8 or 4 bits an index; what no run reaches stays transparent.
void read_runs(const std::string& file_name, InFile& in, const Header& h, const std::vector<PackedColor>& palette,
               Package& fresh, Progress& progress) {
    const std::int64_t size = in.size() - h.pixels_at;
    if (size <= 0) throw Error(Msg::CannotReadFile, file_name, Msg::NotABmp);
    if (size > kMaxBufferBytes) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);
    std::vector<std::uint8_t> data(std::size_t(size) + 2, 0);
    in.seek(h.pixels_at);
    in.read_some(data.data(), std::size_t(size));
    fresh.fill_rect(0, 0, fresh.width(), fresh.height(), kTransparent);
    const bool four = h.bits == 4;
    const int width = fresh.width(), height = fresh.height();
    std::int64_t x = 0, y = 0;
    auto paint = [&](int index) {
        if (x < width && y < height) put(fresh.row(int(height - 1 - y)) + 3 * x, palette[std::size_t(index)]);
        ++x;
    };
    std::size_t at = 0;
    const std::size_t end = std::size_t(size);
    while (at + 1 < end && y < height) {
        const int count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) paint(four ? (i % 2 ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of the row
            x = 0;
            if (++y % 256 == 0) progress.check();
        } else if (value == 1) {  // end of the picture
            break;
        } else if (value == 2) {  // a move right and up
            if (at + 1 >= end) break;
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else {  // `value` indices as they are, padded to 16 bits
            const std::size_t bytes = four ? std::size_t(value + 1) / 2 : std::size_t(value);
            if (at + bytes > end) break;
            for (int i = 0; i < value; ++i) paint(four ? (i % 2 ? data[at + i / 2] & 15 : data[at + i / 2] >> 4) : data[at + i]);
            at += (bytes + 1) & ~std::size_t(1);
        }
    }
}

}  // namespace

void read_bmp_pixels(const std::string& file_name, Package& fresh, Progress& progress) {
    InFile in(file_name);
    const Header h = read_header(file_name, in);
    const bool palette_bits = h.bits == 1 || h.bits == 2 || h.bits == 4 || h.bits == 8;
    const bool plain = h.compression == 0 || ((h.compression == 3 || h.compression == 6) && (h.bits == 16 || h.bits == 32));
    const bool runs = (h.compression == 1 && h.bits == 8) || (h.compression == 2 && h.bits == 4);
    if (!(plain && (palette_bits || h.bits == 16 || h.bits == 24 || h.bits == 32)) && !runs) unsupported(file_name, h);
    if (runs && h.top_down) not_a_bmp(file_name);
    if (h.width * h.height > kMaxPackagePixels)
        throw Error(Msg::CannotReadFile, file_name, Phrase(Msg::PictureTooLarge).arg(h.width).arg(h.height));
    const std::vector<PackedColor> palette = palette_bits ? read_palette(file_name, in, h) : std::vector<PackedColor>();
    fresh = Package::for_overwrite(int(h.width), int(h.height), fresh.brush());
    if (runs) read_runs(file_name, in, h, palette, fresh, progress);
    else read_rows(in, h, palette, fresh, progress);
}

}  // namespace tilesmith
