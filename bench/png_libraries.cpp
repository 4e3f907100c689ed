// Our PNG code beside the libraries it stands in for, on one picture:
//   png_libraries FILE.png
// - saving: our writer (rows filtered with vector instructions, compressed in
//   pieces on the pool) against libspng's encoder (its own filter choice and
//   zlib's default level), the time and the file's size;
// - joinable pieces: the picture's rows, Up-filtered, compressed in 2 MiB
//   pieces on one thread, by libdeflate with our walk to its final block
//   against zlib with a sync flush after each, the time and the bytes.
// Each figure is the best of three.
#include <libdeflate.h>
#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/deflate_pieces.h"
#include "formats/png.h"

namespace {

using Clock = std::chrono::steady_clock;

double best_of_three(const std::function<void()>& step) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        step();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

long file_size(const std::string& name) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return -1;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    return size;
}

// The package's rows in the file's order (red, green, blue), without padding.
std::vector<std::uint8_t> rgb_rows(const tilesmith::Package& package) {
    const std::size_t bytes = std::size_t(package.width()) * 3;
    std::vector<std::uint8_t> rgb(bytes * std::size_t(package.height()));
    for (int y = 0; y < package.height(); ++y) {
        const std::uint8_t* bgr = package.row(y);
        std::uint8_t* out = rgb.data() + std::size_t(y) * bytes;
        for (std::size_t i = 0; i < bytes; i += 3) out[i] = bgr[i + 2], out[i + 1] = bgr[i + 1], out[i + 2] = bgr[i];
    }
    return rgb;
}

void save_with_libspng(const std::vector<std::uint8_t>& rgb, int width, int height, const std::string& out_name) {
    std::FILE* out = std::fopen(out_name.c_str(), "wb");
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_png_file(ctx, out);
    spng_ihdr ihdr{};
    ihdr.width = std::uint32_t(width);
    ihdr.height = std::uint32_t(height);
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
    spng_set_ihdr(ctx, &ihdr);
    if (spng_encode_image(ctx, rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE))
        std::fprintf(stderr, "libspng could not encode\n");
    spng_ctx_free(ctx);
    std::fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tilesmith;
    if (argc != 2) {
        std::fprintf(stderr, "usage: png_libraries FILE.png\n");
        return 2;
    }
    try {
        Package package;
        CountingProgress progress;
        open_png(argv[1], package, progress);
        const std::string ours_name = std::string(argv[1]) + ".ours.png", spng_name = std::string(argv[1]) + ".spng.png";
        const double ours = best_of_three([&] { save_png(ours_name, package, progress); });
        const std::vector<std::uint8_t> rgb = rgb_rows(package);
        const double spng = best_of_three([&] { save_with_libspng(rgb, package.width(), package.height(), spng_name); });
        std::printf("save: ours %.3f s, %ld bytes; libspng %.3f s, %ld bytes\n", ours, file_size(ours_name), spng,
                    file_size(spng_name));
        std::remove(ours_name.c_str());
        std::remove(spng_name.c_str());

        // Up-filtered rows, as the writer's choice most often is for texture pages.
        const std::size_t bytes = std::size_t(package.width()) * 3;
        std::vector<std::uint8_t> filtered(rgb.size());
        for (std::size_t i = 0; i < rgb.size(); ++i) filtered[i] = std::uint8_t(rgb[i] - (i >= bytes ? rgb[i - bytes] : 0));
        constexpr std::size_t kPiece = std::size_t(1) << 21;
        std::vector<std::uint8_t> out;
        std::size_t ours_bytes = 0, zlib_bytes = 0;
        std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> compressor(
            libdeflate_alloc_compressor(6), libdeflate_free_compressor);
        const double pieces = best_of_three([&] {
            ours_bytes = 0;
            for (std::size_t at = 0; at < filtered.size(); at += kPiece) {
                out.clear();
                const std::size_t n = std::min(kPiece, filtered.size() - at);
                deflate_piece(compressor.get(), filtered.data() + at, n, at + n == filtered.size(), out);
                ours_bytes += out.size();
            }
        });
        const double flushed = best_of_three([&] {
            zlib_bytes = 0;
            z_stream z{};
            deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
            out.resize(deflateBound(&z, uLong(kPiece)) + 64);
            for (std::size_t at = 0; at < filtered.size(); at += kPiece) {
                const std::size_t n = std::min(kPiece, filtered.size() - at);
                deflateReset(&z);
                z.next_in = filtered.data() + at;
                z.avail_in = uInt(n);
                z.next_out = out.data();
                z.avail_out = uInt(out.size());
                deflate(&z, at + n == filtered.size() ? Z_FINISH : Z_SYNC_FLUSH);
                zlib_bytes += out.size() - z.avail_out;
            }
            deflateEnd(&z);
        });
        std::printf("pieces: libdeflate with the walk %.3f s, %zu bytes; zlib with a sync flush %.3f s, %zu bytes\n",
                    pieces, ours_bytes, flushed, zlib_bytes);
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
