// Damaged files and files announcing more than they hold, made here from good
// ones: `tilesmith-cli convert` refuses each with exit 1, a message naming the
// file and no output, before any large allocation; a JPEG lacking only its end
// marker converts as the whole file does.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// libjpeg's header needs stdio's FILE declared first.
#include <jpeglib.h>

#include "core/checked.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/bmpjpg.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/short_files.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

Package gradient(int w, int h) {
    Package p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(x, y, pack_rgb(std::uint8_t(x * 255 / w), std::uint8_t(y * 255 / h), std::uint8_t(x ^ y)));
    return p;
}

Bytes saved(void (*save)(const std::string&, const Package&, Progress&), const TempDir& dir,
            const char* name) {
    CountingProgress progress;
    save(dir.file(name), gradient(256, 256), progress);
    return read_bytes(dir.file(name));
}

// The same picture as a progressive JPEG, through libjpeg directly: our writer makes baseline ones.
Bytes progressive(const Package& p) {
    jpeg_compress_struct c{};
    jpeg_error_mgr errors{};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = JDIMENSION(p.width());
    c.image_height = JDIMENSION(p.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    Bytes row(std::size_t(p.width()) * 3);
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const PackedColor v = p.pixel(x, y);
            row[3 * std::size_t(x)] = red_of(v), row[3 * std::size_t(x) + 1] = green_of(v), row[3 * std::size_t(x) + 2] = blue_of(v);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

Bytes first(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + long(n)); }
Bytes plus(Bytes b, const Bytes& tail) {
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
}
Bytes with_u32(Bytes b, std::size_t at, std::uint32_t v) {
    write_u32le(&b[at], v);
    return b;
}

TEST(CliDamaged, DamagedAndLyingFilesAreRefusedAndNothingIsWritten) {
    const TempDir dir;
    const Bytes jpg = saved(save_jpg, dir, "good.jpg"), bmp = saved(save_bmp, dir, "good.bmp");
    const Bytes eoi = {0xFF, 0xD9}, steps = progressive(gradient(256, 256));
    // A 54-byte header announcing 16384 x 16384 at 24 bits, and a few hundred bytes.
    const Bytes huge_bmp = plus(with_u32(with_u32(first(bmp, 54), 18, 16384), 22, 16384), Bytes(300, 7));
    // The same as 8-bit run-length data with no size given: one end-of-picture code.
    Bytes rle_bmp = with_u32(with_u32(huge_bmp, 30, 1), 34, 0);
    rle_bmp[28] = 8;
    rle_bmp.resize(56);
    // Object package: the header and a map size of 3000 pages, no map.
    const Bytes wad = with_u32(first(make_wad(0, 196608), 12), 8, 3000 * 196608);
    // A level whose small complete stream announces 3000 pages.
    const Bytes stream = zlib_compress(Bytes(1000, 0), 9);
    const Bytes tr4 = tr4_from_streams(3000 * 262144, stream, 0, {}, {});

    const struct {
        const char* name;
        Bytes bytes;
        const char* says;
    } cases[] = {
        {"cut.jpg", first(jpg, jpg.size() / 2), "truncated"},
        {"cut_end_marker.jpg", plus(first(jpg, jpg.size() / 2), eoi), "truncated"},
        {"cut_late.jpg", plus(first(jpg, jpg.size() - 40), eoi), "truncated"},
        {"cut_progressive.jpg", first(steps, steps.size() * 2 / 3), "truncated"},
        {"short.bmp", first(bmp, bmp.size() - 1), "pixel data"},
        {"huge.bmp", huge_bmp, "pixel data"},
        {"huge_rle.bmp", rle_bmp, "pixel data"},
        {"pages.wad", wad, "3000 texture pages"},
        {"block.tr4", tr4, "cannot come from"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write_bytes(dir.file(c.name), c.bytes);
        const CliRun r = run_cli({"convert", dir.file(c.name), dir.file("out.tga")});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(dir.file(c.name)), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(file_exists(dir.file("out.tga")));
    }
}

TEST(CliDamaged, JpegLackingOnlyItsEndMarkerConvertsAsTheWholeFile) {
    const TempDir dir;
    const Bytes baseline = saved(save_jpg, dir, "baseline.jpg");
    for (const Bytes& jpg : {baseline, progressive(gradient(256, 256))}) {
        ASSERT_EQ(jpg[jpg.size() - 2], 0xFF);
        ASSERT_EQ(jpg[jpg.size() - 1], 0xD9);
        write_bytes(dir.file("whole.jpg"), jpg);
        write_bytes(dir.file("no_end.jpg"), first(jpg, jpg.size() - 2));
        for (const char* name : {"whole", "no_end"}) {
            const CliRun r = run_cli({"convert", dir.file(std::string(name) + ".jpg"), dir.file(std::string(name) + ".tga")});
            EXPECT_EQ(r.status, 0) << r.err;
        }
        EXPECT_EQ(read_bytes(dir.file("no_end.tga")), read_bytes(dir.file("whole.tga")));
    }
}

// A file read with rows missing is as refused as one that cannot be read:
// a script must not take part of a file for the whole.
TEST(CliShortFiles, AreRefusedAndNothingIsWritten) {
    TempDir dir;
    for (const ShortFile& f : short_files(dir)) {
        const CliRun r = run_cli({"convert", f.path, dir.file("out.png")});
        EXPECT_EQ(r.status, 1) << f.path;
        EXPECT_NE(r.err.find(f.path), std::string::npos) << r.err;
        EXPECT_FALSE(file_exists(dir.file("out.png"))) << f.path;
    }
}

}  // namespace
}  // namespace tilesmith
