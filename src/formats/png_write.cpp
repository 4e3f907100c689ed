// PNG writing: our own chunks around libdeflate's compression. The rows are
// filtered (each with the filter that leaves the smallest differences) and
// compressed in pieces of a few hundred rows on the program's pool, a piece a
// core, and written in order as they are done. Truecolour, 8 bits a channel;
// a picture holding the transparent colour says so in a transparency chunk, so
// magenta reads as a hole where transparency is understood and as magenta
// elsewhere.
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "core/checked.h"
#include "core/color.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/pool.h"
#include "formats/deflate_pieces.h"
#include "formats/png.h"

namespace tilesmith {

namespace {

// libdeflate's level 6: its files stay below those zlib's default level makes
// of the same rows, in less than half the time.
constexpr int kLevel = 6;
// A piece's filtered rows: big enough that starting without history costs
// little, small enough that a stop waits for none long.
constexpr std::size_t kPieceBytes = std::size_t(1) << 21;

struct FreeCompressor {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

void put_u32be(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v >> 24), p[1] = std::uint8_t(v >> 16), p[2] = std::uint8_t(v >> 8), p[3] = std::uint8_t(v);
}

// A chunk around `size` bytes at `data`: length, type, the bytes, checksum.
void put_chunk(AtomicOutFile& out, const char* type, const std::uint8_t* data, std::size_t size) {
    std::uint8_t head[8];
    put_u32be(head, std::uint32_t(size));
    std::memcpy(head + 4, type, 4);
    std::uint32_t crc = libdeflate_crc32(0, head + 4, 4);
    crc = libdeflate_crc32(crc, data, size);
    std::uint8_t tail[4];
    put_u32be(tail, crc);
    out.write(head, 8);
    out.write(data, size);
    out.write(tail, 4);
}

bool holds_transparent(const Package& package) {
    const std::uint8_t b = blue_of(kTransparent), g = green_of(kTransparent), r = red_of(kTransparent);
    for (int y = 0; y < package.height(); ++y) {
        const std::uint8_t* p = package.row(y);
        for (int x = 0; x < package.width(); ++x, p += 3)
            if (p[0] == b && p[1] == g && p[2] == r) return true;
    }
    return false;
}

// A package row in the file's order: red, green, blue.
void to_rgb(const std::uint8_t* bgr, std::uint8_t* rgb, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; i += 3) {
        rgb[i] = bgr[i + 2];
        rgb[i + 1] = bgr[i + 1];
        rgb[i + 2] = bgr[i];
    }
}

inline std::uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return std::uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Each filter's bytes for one row, and the sum of their magnitudes read as signed.
template <class Predict>
std::uint64_t try_filter(const std::uint8_t* row, const std::uint8_t* above, std::size_t bytes, std::uint8_t* t,
                         Predict predict) {
    constexpr std::size_t bpp = 3;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < bpp && i < bytes; ++i) {
        t[i] = std::uint8_t(row[i] - predict(0, above[i], 0));
        sum += std::uint64_t(std::abs(int(std::int8_t(t[i]))));
    }
    for (std::size_t i = bpp; i < bytes; ++i) {
        t[i] = std::uint8_t(row[i] - predict(row[i - bpp], above[i], above[i - bpp]));
        sum += std::uint64_t(std::abs(int(std::int8_t(t[i]))));
    }
    return sum;
}

// Writes the filter byte and the filtered row to `out`: the one of the five
// filters whose bytes, read as signed, sum to the least.
void filter_row(const std::uint8_t* row, const std::uint8_t* above, std::size_t bytes, std::uint8_t* out,
                std::array<std::vector<std::uint8_t>, 5>& trial) {
    std::uint64_t sums[5];
    sums[0] = try_filter(row, above, bytes, trial[0].data(), [](int, int, int) { return 0; });
    sums[1] = try_filter(row, above, bytes, trial[1].data(), [](int a, int, int) { return a; });
    sums[2] = try_filter(row, above, bytes, trial[2].data(), [](int, int b, int) { return b; });
    sums[3] = try_filter(row, above, bytes, trial[3].data(), [](int a, int b, int) { return (a + b) >> 1; });
    sums[4] = try_filter(row, above, bytes, trial[4].data(), [](int a, int b, int c) { return int(paeth(a, b, c)); });
    const int best = int(std::min_element(sums, sums + 5) - sums);
    out[0] = std::uint8_t(best);
    std::memcpy(out + 1, trial[std::size_t(best)].data(), bytes);
}

// One piece's rows filtered and compressed; the checksum of its filtered bytes.
struct Piece {
    std::vector<std::uint8_t> deflated;
    std::uint32_t adler = 1;
    std::size_t filtered_bytes = 0;
};

// Compressors lent to the pieces being made, one to each, and kept for the
// next: as many are made as pieces are made at once.
class Compressors {
public:
    using Owned = std::unique_ptr<libdeflate_compressor, FreeCompressor>;
    Owned lend() {
        {
            const std::lock_guard lock(mutex_);
            if (!idle_.empty()) {
                Owned c = std::move(idle_.back());
                idle_.pop_back();
                return c;
            }
        }
        Owned c(libdeflate_alloc_compressor(kLevel));
        if (!c) throw std::bad_alloc();
        return c;
    }
    void give_back(Owned c) {
        const std::lock_guard lock(mutex_);
        idle_.push_back(std::move(c));
    }

private:
    std::mutex mutex_;
    std::vector<Owned> idle_;
};

// The rows of the package in pieces of about kPieceBytes filtered bytes.
struct Pieces {
    explicit Pieces(const Package& package)
        : package(package), row_bytes(std::size_t(package.width()) * 3),
          rows(int(std::clamp<std::size_t>(kPieceBytes / (row_bytes + 1), 1, std::size_t(package.height())))),
          count(std::size_t((package.height() + rows - 1) / rows)) {}
    int rows_of(std::size_t index) const { return std::min(rows, package.height() - int(index) * rows); }

    // Filters and compresses piece `index`.
    Piece make(std::size_t index, Compressors& compressors) const {
        const int first = int(index) * rows, last = first + rows_of(index);
        std::vector<std::uint8_t> filtered(std::size_t(last - first) * (row_bytes + 1));
        std::vector<std::uint8_t> row(row_bytes), above(row_bytes, 0);
        std::array<std::vector<std::uint8_t>, 5> trial;
        for (auto& t : trial) t.resize(row_bytes);
        if (first > 0) to_rgb(package.row(first - 1), above.data(), row_bytes);
        for (int y = first; y < last; ++y) {
            to_rgb(package.row(y), row.data(), row_bytes);
            filter_row(row.data(), above.data(), row_bytes, filtered.data() + std::size_t(y - first) * (row_bytes + 1),
                       trial);
            row.swap(above);
        }
        Piece piece;
        piece.filtered_bytes = filtered.size();
        piece.adler = std::uint32_t(libdeflate_adler32(1, filtered.data(), filtered.size()));
        Compressors::Owned compressor = compressors.lend();
        deflate_piece(compressor.get(), filtered.data(), filtered.size(), index + 1 == count, piece.deflated);
        compressors.give_back(std::move(compressor));
        return piece;
    }

    const Package& package;
    const std::size_t row_bytes;
    const int rows;
    const std::size_t count;
};

// Pieces made ahead of the one written: enough to keep every core busy.
constexpr std::size_t kAhead = 8;

void write_png(const std::string& file_name, const Package& package, Progress& progress) {
    const int width = package.width(), height = package.height();
    progress.reset(height);
    if (width <= 0 || height <= 0) throw Error(Msg::CannotWriteFile, file_name, Msg::PngEmpty);
    AtomicOutFile out(file_name);
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.write(signature, 8);
    std::uint8_t ihdr[13] = {};
    put_u32be(ihdr, std::uint32_t(width));
    put_u32be(ihdr + 4, std::uint32_t(height));
    ihdr[8] = 8;  // bits a channel
    ihdr[9] = 2;  // truecolour; compression, filter method and interlacing 0
    put_chunk(out, "IHDR", ihdr, sizeof ihdr);
    if (holds_transparent(package)) {
        const std::uint8_t key[6] = {0, red_of(kTransparent), 0, green_of(kTransparent), 0, blue_of(kTransparent)};
        put_chunk(out, "tRNS", key, sizeof key);
    }

    // The zlib stream: its header in the first chunk, the pieces, the checksum in the last.
    const std::uint8_t zlib_header[2] = {0x78, 0x9C};
    put_chunk(out, "IDAT", zlib_header, 2);
    std::uint32_t adler = 1;
    const Pieces pieces(package);
    Compressors compressors;
    WorkerPool::shared().run_in_order(
        progress, pieces.count, kAhead,
        [&](std::size_t index, Progress&) { return pieces.make(index, compressors); },
        [&](std::size_t index, Piece&& piece) {
            put_chunk(out, "IDAT", piece.deflated.data(), piece.deflated.size());
            adler = std::uint32_t(adler32_combine(adler, piece.adler, z_off_t(piece.filtered_bytes)));
            for (int i = pieces.rows_of(index); i > 0; --i) progress.step();
        });
    std::uint8_t check[4];
    put_u32be(check, adler);
    put_chunk(out, "IDAT", check, 4);
    put_chunk(out, "IEND", check, 0);
    out.commit();
}

}  // namespace

void save_png(const std::string& file_name, const Package& package, Progress& progress) {
    naming_file(Msg::CannotWriteFile, file_name, [&] { write_png(file_name, package, progress); });
}

}  // namespace tilesmith
