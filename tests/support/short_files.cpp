// Cut files of every format.
#include "support/short_files.h"

#include "core/package.h"
#include "core/progress.h"
#include "formats/bmpjpg.h"
#include "support/level_builder.h"

namespace tilesmith {

namespace {

// A 4 x 6 uncompressed TGA of `depth` bits cut `cut` bytes into its pixels.
Bytes tga(int depth, std::size_t cut) {
    Bytes b(18, 0);
    b[2] = depth == 8 ? 1 : 2;
    b[12] = 4, b[14] = 6, b[16] = std::uint8_t(depth);
    if (depth == 8) {
        b[1] = 1, b[5] = 0, b[6] = 1, b[7] = 24;  // 256 entries of 24 bits
        b.resize(b.size() + 768, 0x40);
    }
    b.resize(b.size() + cut, 0x11);
    return b;
}

Bytes first(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + long(n)); }

Bytes saved(const TempDir& dir, const std::string& name, void (*save)(const std::string&, const Package&, Progress&)) {
    Package p(64, 64, kWhite);
    CountingProgress progress;
    save(dir.file(name), p, progress);
    return read_bytes(dir.file(name));
}

}  // namespace

std::vector<ShortFile> short_files(const TempDir& dir) {
    Bytes tr2 = make_tr2(2, 0);
    tr2.resize(tr2_word_offset(2, 0, 100));
    Bytes wad = make_wad(1, 2 * 196608, 0);
    wad.resize(20 + 768 * 10 + 30);  // row 10 cut after ten pixels
    const Bytes tr1 = make_tr1(2).bytes, tr4 = make_tr4(2, 0);
    const Bytes bmp = saved(dir, "whole.bmp", save_bmp), jpg = saved(dir, "whole.jpg", save_jpg);
    return {
        {dir.put("short24.tga", tga(24, 2 * 12 + 5)), 4, 6},  // rows 0, 1 whole, row 2 cut
        {dir.put("short16.tga", tga(16, 3 * 8)), 3, 6},
        {dir.put("short8.tga", tga(8, 4 * 4 + 1)), 2, 6},
        {dir.put("short.tr2", tr2), 512 - 100, 512},
        {dir.put("short.wad", wad), 512 - 10, 512},
        {dir.put("short.phd", first(tr1, 8 + 65536 + 100)), 0, 0},
        {dir.put("short.tr4", first(tr4, tr4.size() / 2)), 0, 0},
        {dir.put("short.bmp", first(bmp, bmp.size() - 100)), 0, 0},
        {dir.put("short.jpg", first(jpg, jpg.size() / 2)), 0, 0},
    };
}

}  // namespace tilesmith
