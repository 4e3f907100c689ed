// PNG files: the format's entry and the reader. libspng reads the header and
// the chunks before the pixels of every file, and the pixels of every kind
// but the usual one (png_truecolour.cpp): its rows are decoded one by one
// straight into the package, so the picture is held once; every colour type
// and depth, the palette's transparency, interlaced pictures. Alpha below half
// becomes the transparent colour.
#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "core/checked.h"
#include "core/color.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/png.h"
#include "formats/png_truecolour.h"

namespace tilesmith {

namespace {

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

// Gives libspng the file's bytes; any failure of the file is kept for after.
struct Source {
    InFile* file;
    std::exception_ptr failure;

    static int read(spng_ctx*, void* user, void* dest, std::size_t length) {
        auto* self = static_cast<Source*>(user);
        try {
            return self->file->read_some(dest, length) == length ? 0 : SPNG_IO_EOF;
        } catch (...) {
            self->failure = std::current_exception();
            return SPNG_IO_ERROR;
        }
    }
};

[[noreturn]] void refuse(const std::string& file_name, int error, const Source& source) {
    if (source.failure) std::rethrow_exception(source.failure);
    if (error == SPNG_IO_EOF || error == SPNG_EIDAT_TOO_SHORT) throw Error(Msg::CannotReadFile, file_name, Msg::PngEndsEarly);
    if (error == SPNG_EMEM) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);
    if (error == SPNG_ESIGNATURE) throw Error(Msg::CannotReadFile, file_name, Msg::NotAPng);
    throw Error(Msg::CannotReadFile, file_name, Phrase(Msg::PngDamaged).arg(spng_strerror(error)));
}

// Ancillary chunks are kept in memory by the decoder; none of ours is larger.
constexpr std::size_t kChunkLimit = std::size_t(1) << 24;
constexpr std::size_t kChunkCacheLimit = std::size_t(1) << 26;

// The most bytes deflate makes of one.
constexpr std::int64_t kMostInflation = 1032;

// Where each of the seven interlace passes starts and how far it steps.
constexpr int kPassX0[7] = {0, 4, 0, 2, 0, 1, 0}, kPassDx[7] = {8, 8, 4, 4, 2, 2, 1};
constexpr int kPassY0[7] = {0, 0, 4, 0, 2, 0, 1}, kPassDy[7] = {8, 8, 8, 4, 4, 2, 2};

// The rows the decoder hands over: the picture's height, or the rows of every
// pass that holds pixels.
std::int64_t decoded_rows(const spng_ihdr& h) {
    if (!h.interlace_method) return h.height;
    std::int64_t rows = 0;
    for (int p = 0; p < 7; ++p)
        if (h.width > std::uint32_t(kPassX0[p]) && h.height > std::uint32_t(kPassY0[p]))
            rows += (h.height - kPassY0[p] + kPassDy[p] - 1) / kPassDy[p];
    return rows;
}

// 16 bits to 8, rounded to the nearest.
inline std::uint8_t to8(std::uint16_t v) { return std::uint8_t((std::uint32_t(v) * 255 + 32767) / 65535); }

// The rows come in as one of three layouts; each pixel of the pass lands in
// the package's blue, green, red.
enum class Layout { rgb8, rgba8, rgba16 };

void convert(Layout layout, const std::uint8_t* src, std::uint8_t* dst, int width, int x0, int dx) {
    const std::uint8_t hole[3] = {blue_of(kTransparent), green_of(kTransparent), red_of(kTransparent)};
    switch (layout) {
    case Layout::rgb8:
        for (int x = x0; x < width; x += dx) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
        break;
    case Layout::rgba8:
        for (int x = x0; x < width; x += dx) {
            const std::uint8_t* s = src + 4 * x;
            std::uint8_t* d = dst + 3 * x;
            if (s[3] < 128) {
                std::memcpy(d, hole, 3);
            } else {
                d[0] = s[2];
                d[1] = s[1];
                d[2] = s[0];
            }
        }
        break;
    case Layout::rgba16:
        for (int x = x0; x < width; x += dx) {
            std::uint16_t s[4];
            std::memcpy(s, src + 8 * x, sizeof s);
            std::uint8_t* d = dst + 3 * x;
            if (to8(s[3]) < 128) {
                std::memcpy(d, hole, 3);
            } else {
                d[0] = to8(s[2]);
                d[1] = to8(s[1]);
                d[2] = to8(s[0]);
            }
        }
        break;
    }
}

// Blue and red trade places in a row decoded as red, green, blue.
void swap_red_blue(std::uint8_t* row, int width) {
    for (int x = 0; x < width; ++x) std::swap(row[3 * x], row[3 * x + 2]);
}

// A file as libspng reads it when our own loop has decoded its pixels: the
// signature and a header of one pixel, the file's chunks before its IDAT
// chunks, one IDAT chunk of that pixel, then the file's chunks after its
// IDAT chunks, so that those are checked exactly as they are in every other
// picture.
class StandIn {
public:
    StandIn(InFile& in, const spng_ihdr& ihdr, IdatPlace idat) : in_(in) {
        head_ = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        const std::uint8_t header[13] = {0, 0, 0, 1, 0, 0, 0, 1, ihdr.bit_depth, ihdr.color_type, 0, 0, 0};
        const std::vector<std::uint8_t> ihdr_chunk = chunk("IHDR", header, sizeof header);
        head_.insert(head_.end(), ihdr_chunk.begin(), ihdr_chunk.end());
        const std::uint8_t pixel[5] = {};
        std::uint8_t packed[64];
        uLongf packed_size = sizeof packed;
        compress(packed, &packed_size, pixel, ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ? 5 : 4);
        pixel_ = chunk("IDAT", packed, packed_size);
        // The file's own header chunk is the 25 bytes after its signature.
        parts_[0] = {-1, head_.size()};
        parts_[1] = {33, std::uint64_t(idat.first - 33)};
        parts_[2] = {-2, pixel_.size()};
        parts_[3] = {idat.after, std::uint64_t(in.size() - idat.after)};
    }
    static int read(spng_ctx*, void* user, void* dest, std::size_t length) {
        auto* self = static_cast<StandIn*>(user);
        try {
            return self->copy(static_cast<std::uint8_t*>(dest), length) ? 0 : SPNG_IO_EOF;
        } catch (...) {
            self->failure = std::current_exception();
            return SPNG_IO_ERROR;
        }
    }
    std::exception_ptr failure;

private:
    static std::vector<std::uint8_t> chunk(const char* type, const std::uint8_t* data, std::size_t size) {
        std::vector<std::uint8_t> c(size + 12);
        const auto put32 = [](std::uint8_t* p, std::uint32_t v) {
            for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (24 - 8 * i));
        };
        put32(c.data(), std::uint32_t(size));
        std::memcpy(c.data() + 4, type, 4);
        std::memcpy(c.data() + 8, data, size);
        put32(c.data() + 8 + size, std::uint32_t(crc32(0, c.data() + 4, uInt(size + 4))));
        return c;
    }
    bool copy(std::uint8_t* dest, std::size_t length) {
        while (length > 0) {
            if (part_ == std::size(parts_)) return false;
            const Part& p = parts_[part_];
            const std::size_t n = std::size_t(std::min<std::uint64_t>(length, p.size - done_));
            if (p.offset == -1) {
                std::memcpy(dest, head_.data() + done_, n);
            } else if (p.offset == -2) {
                std::memcpy(dest, pixel_.data() + done_, n);
            } else {
                in_.seek(p.offset + std::int64_t(done_));
                if (in_.read_some(dest, n) != n) return false;
            }
            dest += n, length -= n, done_ += n;
            if (done_ == p.size) ++part_, done_ = 0;
        }
        return true;
    }

    // A stretch of the stand-in: of the file at `offset`, or made (-1 the head, -2 the pixel).
    struct Part {
        std::int64_t offset;
        std::uint64_t size;
    };
    InFile& in_;
    std::vector<std::uint8_t> head_, pixel_;
    Part parts_[4] = {};
    std::size_t part_ = 0;
    std::uint64_t done_ = 0;
};

void set_limits(spng_ctx* ctx) {
    spng_set_crc_action(ctx, SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    spng_set_chunk_limits(ctx, kChunkLimit, kChunkCacheLimit);
    spng_set_image_limits(ctx, std::uint32_t(kMaxPackagePixels), std::uint32_t(kMaxPackagePixels));
}

// The chunks after the IDAT chunks of a picture our own loop decoded, read by libspng.
void check_chunks_after(const std::string& file_name, InFile& in, const spng_ihdr& ihdr, IdatPlace idat) {
    StandIn stand_in(in, ihdr, idat);
    const std::unique_ptr<spng_ctx, ContextFree> owner(spng_ctx_new(0));
    spng_ctx* ctx = owner.get();
    if (!ctx) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);
    spng_set_png_stream(ctx, &StandIn::read, &stand_in);
    set_limits(ctx);
    std::uint8_t pixel[4];
    int e = spng_decode_image(ctx, pixel, sizeof pixel, SPNG_FMT_RGBA8, 0);
    if (!e) e = spng_decode_chunks(ctx);
    if (stand_in.failure) std::rethrow_exception(stand_in.failure);
    if (e) refuse(file_name, e, Source{nullptr, nullptr});
}

void decode(const std::string& file_name, Package& fresh, Progress& progress) {
    InFile in(file_name);
    Source source{&in, nullptr};
    const std::unique_ptr<spng_ctx, ContextFree> owner(spng_ctx_new(0));
    spng_ctx* ctx = owner.get();
    if (!ctx) throw Error(Msg::CannotReadFile, file_name, Msg::NotEnoughMemory);
    spng_set_png_stream(ctx, &Source::read, &source);
    set_limits(ctx);

    spng_ihdr ihdr{};
    if (const int e = spng_get_ihdr(ctx, &ihdr)) {
        if (e == SPNG_IO_EOF && in.size() < 33) refuse(file_name, SPNG_ESIGNATURE, source);
        refuse(file_name, e, source);
    }
    // The header's size, checked before anything is allocated for it.
    if (std::int64_t(ihdr.width) * ihdr.height > kMaxPackagePixels)
        throw Error(Msg::CannotReadFile, file_name, Phrase(Msg::PictureTooLarge).arg(ihdr.width).arg(ihdr.height));
    const int width = int(ihdr.width), height = int(ihdr.height);
    // Deflate makes at most about a thousand bytes of one: a file far too small
    // for the rows it announces is refused before their buffers are allocated.
    static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
    const std::int64_t row_bits = std::int64_t(width) * kChannels[ihdr.color_type % 7] * ihdr.bit_depth;
    if (std::int64_t(height) * (1 + (row_bits + 7) / 8) > in.size() * kMostInflation)
        throw Error(Msg::CannotReadFile, file_name, Msg::PngEndsEarly);

    // Every chunk before the pixels is read and checked here.
    spng_trns trns{};
    const int has_trns = spng_get_trns(ctx, &trns);
    if (has_trns != 0 && has_trns != SPNG_ECHUNKAVAIL) refuse(file_name, has_trns, source);
    if (decodes_as_truecolour(ihdr)) {
        fresh = Package::for_overwrite(width, height, fresh.brush());
        const IdatPlace idat = decode_truecolour(file_name, in, ihdr, has_trns == 0 ? &trns : nullptr, fresh, progress);
        check_chunks_after(file_name, in, ihdr, idat);
        return;
    }
    const bool alpha = ihdr.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ||
                       ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA || has_trns == 0;
    const Layout layout = ihdr.bit_depth == 16 ? Layout::rgba16 : alpha ? Layout::rgba8 : Layout::rgb8;
    const int format = layout == Layout::rgba16 ? SPNG_FMT_RGBA16 : layout == Layout::rgba8 ? SPNG_FMT_RGBA8 : SPNG_FMT_RGB8;
    const std::size_t pixel_bytes = layout == Layout::rgba16 ? 8 : layout == Layout::rgba8 ? 4 : 3;
    if (const int e = spng_decode_image(ctx, nullptr, 0, format, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE))
        refuse(file_name, e, source);

    progress.reset(int(decoded_rows(ihdr)));
    fresh = Package::for_overwrite(width, height, fresh.brush());
    // Plain colour rows are decoded in place; the others pass through one row.
    const bool in_place = layout == Layout::rgb8 && !ihdr.interlace_method;
    std::vector<std::uint8_t> scratch(in_place ? 0 : std::size_t(width) * pixel_bytes);
    const std::size_t row_bytes = std::size_t(width) * pixel_bytes;
    for (;;) {
        spng_row_info row{};
        int e = spng_get_row_info(ctx, &row);
        if (e == SPNG_EOI) break;
        if (e) refuse(file_name, e, source);
        std::uint8_t* dst = fresh.row(int(row.row_num));
        e = spng_decode_row(ctx, in_place ? dst : scratch.data(), row_bytes);
        if (e && e != SPNG_EOI) refuse(file_name, e, source);
        if (in_place) {
            swap_red_blue(dst, width);
        } else {
            const int pass = ihdr.interlace_method ? row.pass : 6;
            convert(layout, scratch.data(), dst, width, kPassX0[pass], kPassDx[pass]);
        }
        progress.step();
        if (e == SPNG_EOI) break;
    }
    // The chunks after the pixels, to the end: a cut or damaged file is no picture.
    if (const int e = spng_decode_chunks(ctx)) refuse(file_name, e, source);
}

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
    naming_file(Msg::CannotReadFile, file_name, [&] { decode(file_name, fresh, progress); });
    package.take_pixels(fresh);
    return read_result_of(package);
}

}  // namespace tilesmith
