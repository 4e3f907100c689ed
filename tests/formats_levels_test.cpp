// The level readers: Tomb Raider 2/3 and 4/5 textures and object-package texture maps.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <functional>

#include "core/error.h"
#include "formats/deflate_blocks.h"
#include "formats/dispatch.h"
#include "formats/format_registry.h"
#include "formats/tr23.h"
#include "formats/tr45.h"
#include "formats/wad.h"
#include "support/level_builder.h"
#include "support/reader_checks.h"

using namespace tilesmith;

namespace {

PackedColor decode_word(std::uint16_t w, bool correct) {
    if (correct && !(w & 0x8000)) return kTransparent;
    return pack_rgb(std::uint8_t(((w >> 10) & 31) * 8), std::uint8_t(((w >> 5) & 31) * 8),
                    std::uint8_t((w & 31) * 8));
}


std::string zlib_error_of(const std::string& path) {
    Package package(64, 64, kBlack);
    const Package before = package.clone();
    CountingProgress progress;
    try {
        open_tr45(path, package, true, progress);
    } catch (const Error& e) {
        EXPECT_TRUE(package == before);
        EXPECT_LE(progress.resets(), 1) << "at most the gauge set out for the reading";
        return e.what();
    }
    return "no error";
}

class LevelFiles : public ::testing::Test {
protected:
    TempDir dir;
};

// ---------------------------------------------------------------- TR2/3

TEST_F(LevelFiles, Tr2SixteenBitPagesStackOneBelowTheOther) {
    for (const int pages : {0, 2, 3, 64, 70}) {
        SCOPED_TRACE(pages);
        const std::string path = dir.put("level.tr2", make_tr2(pages, 1000, std::uint32_t(pages)));
        Package package(64, 64);
        CountingProgress progress;
        const ReadResult r = open_tr23(path, package, false, true, progress);
        EXPECT_EQ(r.tile_columns, 4);
        EXPECT_EQ(r.tile_rows, 4 * pages);
        ASSERT_EQ(package.width(), 256);
        ASSERT_EQ(package.height(), 256 * pages);
        EXPECT_EQ(progress.maximum(), 4 * pages);
        EXPECT_EQ(progress.steps(), 4 * pages);
        EXPECT_EQ(progress.resets(), 1);
        for (int y = 0; y < package.height(); ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(package.pixel(x, y),
                          decode_word(sample_word16(x, y, std::uint32_t(pages)), true))
                    << x << "," << y;
    }
}

TEST_F(LevelFiles, Tr2WorkedWordsWithAndWithoutTheCorrection) {
    Bytes level = make_tr2(3);
    // Bytes 0-3 and 772-1795 may hold anything.
    std::fill(level.begin(), level.begin() + 4, 0xC3);
    std::fill(level.begin() + 772, level.begin() + 1796, 0x5A);
    // The first 16-bit pixel lies at 1800 + 3 x 65536.
    ASSERT_EQ(tr2_word_offset(3, 0, 0), 1800u + 3u * 65536u);
    const std::pair<std::uint16_t, int> words[] = {{0xFFFF, 0}, {0x8000, 1}, {0x7C00, 2}, {0x0000, 3},
                                                   {0x1234, 4}};
    for (const auto& [w, x] : words) {
        level[tr2_word_offset(3, x, 300)] = std::uint8_t(w);
        level[tr2_word_offset(3, x, 300) + 1] = std::uint8_t(w >> 8);
    }
    const std::string path = dir.put("worked.tr2", level);
    Package on, off;
    CountingProgress progress;
    open_tr23(path, on, false, true, progress);
    open_tr23(path, off, false, false, progress);
    EXPECT_EQ(on.pixel(0, 300), pack_rgb(248, 248, 248));
    EXPECT_EQ(on.pixel(1, 300), kBlack);
    EXPECT_EQ(on.pixel(2, 300), kTransparent);
    EXPECT_EQ(off.pixel(2, 300), pack_rgb(248, 0, 0));
    EXPECT_EQ(on.pixel(3, 300), kTransparent);
    EXPECT_EQ(off.pixel(3, 300), kBlack);
    // Any word with bit 15 clear is exactly magenta with the correction on.
    EXPECT_EQ(on.pixel(4, 300), kTransparent);
    EXPECT_EQ(off.pixel(4, 300), pack_rgb(4 * 8, 17 * 8, 20 * 8));
}

TEST_F(LevelFiles, Tr2EightBitPagesUseThePaletteTimesFour) {
    Bytes level = make_tr2(2);
    // Palette entry 7 = (63, 0, 1); index 0 keeps its own colour (0, 0, 63).
    level[4 + 3 * 7] = 63; level[4 + 3 * 7 + 1] = 0; level[4 + 3 * 7 + 2] = 1;
    level[1800 + 256 * 10 + 3] = 7;
    level[1800 + 65536 + 256 * 5 + 9] = 0;  // page 1, row 5
    // An index byte out of the 6-bit range is kept to its low 8 bits: 0x41 x 4 = 0x104.
    level[4 + 3 * 9] = 0x41;
    level[1800 + 11] = 9;
    // Damage the 16-bit pages: the 8-bit mode never reads them.
    std::fill(level.begin() + long(tr2_word_offset(2, 0, 0)), level.end(), 0xAB);
    const std::string path = dir.put("palette.tr2", level);
    for (const bool correct : {true, false}) {
        Package package;
        CountingProgress progress;
        const ReadResult r = open_tr23(path, package, true, correct, progress);
        EXPECT_EQ(r.tile_rows, 8);
        EXPECT_EQ(package.pixel(3, 10), pack_rgb(252, 0, 4));
        EXPECT_EQ(package.pixel(9, 256 + 5), pack_rgb(0, 0, 252));
        EXPECT_EQ(red_of(package.pixel(11, 0)), 0x04);
        EXPECT_EQ(progress.steps(), 8);
    }
}

TEST_F(LevelFiles, Tr2ShortInsideItsSixteenBitPagesLoadsAtFullHeightWithTransparentRows) {
    // The file ends 100 bytes into row 10 of the 16-bit pages.
    Bytes level = make_tr2(2, 0);
    level.resize(tr2_word_offset(2, 50, 10));
    Package package;
    CountingProgress progress;
    const ReadResult r = open_tr23(dir.put("short.tr2", level), package, false, false, progress);
    EXPECT_EQ(r.tile_rows, 8);
    ASSERT_EQ(package.height(), 512);
    EXPECT_EQ(progress.steps(), 8);
    // Row 10: its first 50 words are read, the rest and every later row are transparent.
    for (int x = 0; x < 256; ++x) {
        EXPECT_EQ(package.pixel(x, 10), x < 50 ? decode_word(sample_word16(x, 10, 1), false) : kTransparent) << x;
        EXPECT_EQ(package.pixel(x, 511), kTransparent) << x;
    }
}

TEST_F(LevelFiles, Tr2HostileHeadersAreRefused) {
    const Bytes good = make_tr2(2, 0);
    auto with_pages = [&](std::int32_t pages) {
        Bytes b = good;
        put_i32(b, 1796, pages);
        return b;
    };
    Bytes truncated_head = good;
    truncated_head.resize(1800 + 2 * 65536 - 1);  // 8-bit pages cut short
    Bytes tiny = good;
    tiny.resize(1799);
    const std::pair<const char*, Bytes> cases[] = {
        {"negative.tr2", with_pages(-1)},
        {"minimum.tr2", with_pages(INT32_MIN)},
        {"huge.tr2", with_pages(INT32_MAX)},
        {"past_end.tr2", with_pages(7)},
        {"cut.tr2", truncated_head},
        {"tiny.tr2", tiny},
        {"nothing.tr2", {}},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = dir.put(name, bytes);
        for (const bool as_8bit : {false, true})
            expect_refused(path, [&](Package& p, Progress& g) { open_tr23(path, p, as_8bit, true, g); });
    }
    expect_refused(dir.file("missing.tr2"),
                   [&](Package& p, Progress& g) { open_tr23(dir.file("missing.tr2"), p, false, true, g); });
    expect_refused(dir.path(), [&](Package& p, Progress& g) { open_tr23(dir.path(), p, false, true, g); });
}

// ---------------------------------------------------------------- TR4/5

TEST_F(LevelFiles, Tr4PagesComeFromTheInflatedBlock) {
    for (const int pages : {2, 5, 64}) {
        SCOPED_TRACE(pages);
        const Bytes block = tr4_block32(pages, std::uint32_t(pages));
        const std::string path = dir.put("level.tr4", tr4_from_blocks(block, tr4_block16(1), 500));
        Package package;
        CountingProgress progress;
        const ReadResult r = open_tr45(path, package, true, progress);
        EXPECT_EQ(r.tile_columns, 4);
        EXPECT_EQ(r.tile_rows, 4 * pages);  // 5 pages: 256 x 1280, (4, 20)
        ASSERT_EQ(package.height(), 256 * pages);
        EXPECT_EQ(progress.maximum(), 4 * pages + 2) << "reading, inflating, then the rows";
        EXPECT_EQ(progress.steps(), 4 * pages + 2);
        const std::uint8_t* p = block.data();
        for (int y = 0; y < package.height(); ++y)
            for (int x = 0; x < 256; ++x, p += 4)
                ASSERT_EQ(package.pixel(x, y), p[3] == 0 ? kTransparent : pack_rgb(p[2], p[1], p[0]))
                    << x << "," << y;
    }
}

TEST_F(LevelFiles, Tr4AnyWholeStreamOfTheBlockOpensAlike) {
    const Bytes block = tr4_block32(3, 11);
    Bytes junk_after = zlib_compress(block, 6);
    const Bytes junk = pseudo_random_bytes(777, 4);
    junk_after.insert(junk_after.end(), junk.begin(), junk.end());  // counted in C
    const std::pair<const char*, Bytes> streams[] = {
        {"stored", zlib_compress(block, 0)},
        {"fastest", zlib_compress(block, 1)},
        {"smallest", zlib_compress(block, 9)},
        {"whole buffer", deflate_whole(block.data(), block.size())},
        {"junk after the stream", junk_after},
    };
    Package expected;
    CountingProgress progress;
    open_tr45(dir.put("reference.tr4", tr4_from_blocks(block, {})), expected, true, progress);
    for (const auto& [name, stream] : streams) {
        SCOPED_TRACE(name);
        Package package;
        open_tr45(dir.put("level.tr4", tr4_from_streams(int(block.size()), stream, 0, {}, {1, 2})), package, true,
                  progress);
        EXPECT_TRUE(package == expected);
    }
}

TEST_F(LevelFiles, Tr4WorkedPixelsAndTheAlphaCorrection) {
    Bytes block(262144, 0);
    const std::uint8_t pixels[][4] = {{10, 20, 30, 255}, {1, 2, 3, 0}, {4, 5, 6, 1}, {7, 8, 9, 128}};
    for (int i = 0; i < 4; ++i) std::copy(pixels[i], pixels[i] + 4, block.begin() + 4 * (256 * 100 + i));
    Bytes level = tr4_from_blocks(block, {}, 10);
    // Bytes 0 to 9 are not read.
    std::fill(level.begin(), level.begin() + 10, 0xEE);
    const std::string path = dir.put("worked.tr4", level);
    Package on, off;
    CountingProgress progress;
    open_tr45(path, on, true, progress);
    open_tr45(path, off, false, progress);
    EXPECT_EQ(on.pixel(0, 100), pack_rgb(30, 20, 10));
    EXPECT_EQ(on.pixel(1, 100), kTransparent);
    EXPECT_EQ(off.pixel(1, 100), pack_rgb(3, 2, 1));
    EXPECT_EQ(on.pixel(2, 100), pack_rgb(6, 5, 4));
    EXPECT_EQ(on.pixel(3, 100), pack_rgb(9, 8, 7));
    EXPECT_EQ(off.pixel(3, 100), pack_rgb(9, 8, 7));
    EXPECT_EQ(off.pixel(200, 200), kBlack);  // zero bytes, alpha ignored
}

TEST_F(LevelFiles, Tr4AndTrcAreReadAlikeThroughTheDispatch) {
    const Bytes level = make_tr4(2);
    Package a, b;
    CountingProgress progress;
    ASSERT_TRUE(read_package(dir.put("a.tr4", level), a, {}, progress));
    ASSERT_TRUE(read_package(dir.put("b.TRC", level), b, {}, progress));
    EXPECT_EQ(a.height(), 512);
    EXPECT_TRUE(a == b);
}

TEST_F(LevelFiles, Tr4ShowsOnlyWholePagesAndZerosWhereTheStreamEndsEarly) {
    // U one page and a bit: one page shown.
    Bytes block = tr4_block32(1);
    block.resize(block.size() + 1000, 0x55);
    Package package;
    CountingProgress progress;
    EXPECT_EQ(open_tr45(dir.put("partial.tr4", tr4_from_blocks(block, {})), package, true, progress).tile_rows, 4);
    EXPECT_EQ(package.height(), 256);

    // U two pages, the stream holds one: the second page is alpha 0.
    const Bytes one = tr4_block32(1, 5);
    const std::string path =
        dir.put("early.tr4", tr4_from_streams(2 * 262144, zlib_compress(one, 9), 0, {}, {}));
    Package on, off;
    open_tr45(path, on, true, progress);
    open_tr45(path, off, false, progress);
    ASSERT_EQ(on.height(), 512);
    EXPECT_EQ(on.pixel(0, 256), kTransparent);
    EXPECT_EQ(on.pixel(255, 511), kTransparent);
    EXPECT_EQ(off.pixel(17, 300), kBlack);
    EXPECT_EQ(on.pixel(1, 1), one[4 * 257 + 3] ? pack_rgb(one[4 * 257 + 2], one[4 * 257 + 1], one[4 * 257])
                                               : kTransparent);

    // U below one page: an empty package.
    Package empty(64, 64);
    EXPECT_EQ(open_tr45(dir.put("small.tr4", tr4_from_blocks(Bytes(262143, 1), {})), empty, true, progress).tile_rows, 0);
    EXPECT_EQ(empty.height(), 0);
    EXPECT_EQ(empty.width(), 256);
}

TEST_F(LevelFiles, Tr4CompressedSizePastTheEndIsReadAsFarAsTheFileGoes) {
    const Bytes block = tr4_block32(1, 3);
    Bytes stream = zlib_compress(block, 9);
    Bytes level = tr4_from_streams(262144, stream, 0, {}, {});
    level.resize(18 + stream.size());
    put_i32(level, 14, INT32_MAX);  // far more than the file holds
    Package package;
    CountingProgress progress;
    open_tr45(dir.put("long_c.tr4", level), package, false, progress);
    EXPECT_EQ(package.pixel(7, 9), pack_rgb(block[4 * (256 * 9 + 7) + 2], block[4 * (256 * 9 + 7) + 1],
                                            block[4 * (256 * 9 + 7)]));
}

TEST_F(LevelFiles, Tr4ZlibFailuresUseTheirOwnTexts) {
    const Bytes block = tr4_block32(2);
    const Bytes stream = zlib_compress(block, 6);
    // More data than U: the stream cannot end within it.
    const auto overrun = [&](const char* name) {
        return std::string(Error(Msg::CannotReadFile, dir.file(name), Msg::ZlibStreamOverrun).what());
    };
    const auto damaged = [&](const char* name, const char* zlib_words) {
        return std::string(Error(Msg::CannotReadFile, dir.file(name), Phrase(Msg::ZlibError).arg(zlib_words)).what());
    };
    EXPECT_EQ(zlib_error_of(dir.put("big.tr4", tr4_from_streams(262144, stream, 0, {}, {}))), overrun("big.tr4"));
    // The input ends before the stream does.
    Bytes cut(stream.begin(), stream.begin() + long(stream.size() / 2));
    EXPECT_EQ(zlib_error_of(dir.put("cut.tr4", tr4_from_streams(2 * 262144, cut, 0, {}, {}))), overrun("cut.tr4"));
    EXPECT_EQ(zlib_error_of(dir.put("empty.tr4", tr4_from_streams(2 * 262144, {}, 0, {}, {}))),
              overrun("empty.tr4"));
    // Damaged streams: a wrong header, a wrong check sum, garbage.
    Bytes bad_header = stream;
    bad_header[0] = 0x00;
    EXPECT_EQ(zlib_error_of(dir.put("header.tr4", tr4_from_streams(2 * 262144, bad_header, 0, {}, {}))),
              damaged("header.tr4", "incorrect header check"));
    Bytes bad_check = stream;
    bad_check.back() ^= 0xFF;
    EXPECT_EQ(zlib_error_of(dir.put("check.tr4", tr4_from_streams(2 * 262144, bad_check, 0, {}, {}))),
              damaged("check.tr4", "incorrect data check"));
    EXPECT_NE(zlib_error_of(dir.put("junk.tr4",
                                tr4_from_streams(2 * 262144, pseudo_random_bytes(5000, 3), 0, {}, {}))),
              "no error");
    // The file ends inside the stream while C counts the rest: the missing bytes read
    // as zeros, which a stream cut inside its trailer fails on.
    Bytes short_file = tr4_from_streams(2 * 262144, stream, 0, {}, {});
    short_file.resize(18 + stream.size() - 2);
    EXPECT_EQ(zlib_error_of(dir.put("trailer.tr4", short_file)), damaged("trailer.tr4", "incorrect data check"));
}

TEST_F(LevelFiles, Tr4HostileHeadersAreRefused) {
    const Bytes good = make_tr4(1, 0);
    auto with = [&](std::size_t offset, std::int32_t v) {
        Bytes b = good;
        put_i32(b, offset, v);
        return b;
    };
    const std::pair<const char*, Bytes> cases[] = {
        {"u_negative.tr4", with(10, -262144)},
        {"c_negative.tr4", with(14, -1)},
        {"u_minimum.tr4", with(10, INT32_MIN)},
        {"u_huge.tr4", with(10, INT32_MAX)},
        {"u_over_limit.tr4", with(10, (1 << 30) + 262144)},
        {"tiny.tr4", Bytes(good.begin(), good.begin() + 17)},
        {"nothing.trc", {}},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = dir.put(name, bytes);
        expect_refused(path, [&](Package& p, Progress& g) { open_tr45(path, p, true, g); });
    }
}

// ---------------------------------------------------------------- WAD

TEST_F(LevelFiles, WadPagesOfRedGreenBlueRows) {
    Bytes wad = make_wad(0, 3 * 196608);
    // A texture-map triple 255, 0, 0 shows as pure red.
    const std::size_t at = 12 + 768 * 300 + 3 * 5;
    wad[at] = 255; wad[at + 1] = 0; wad[at + 2] = 0;
    Package package;
    CountingProgress progress;
    const ReadResult r = open_wad(dir.put("three.wad", wad), package, progress);
    EXPECT_EQ(r.tile_columns, 4);
    EXPECT_EQ(r.tile_rows, 12);
    ASSERT_EQ(package.height(), 768);
    EXPECT_EQ(progress.maximum(), 12);
    EXPECT_EQ(progress.steps(), 12);
    EXPECT_EQ(package.pixel(5, 300), pack_rgb(255, 0, 0));
    std::uint8_t rgb[3];
    for (const auto& [x, y] : {std::pair{0, 0}, {255, 255}, {77, 600}, {255, 767}}) {
        sample_rgb(x, y, 1, rgb);
        EXPECT_EQ(package.pixel(x, y), pack_rgb(rgb[0], rgb[1], rgb[2]));
    }
    // Records are skipped; a part page is not read, nor is less than one page.
    Package b, c(64, 64);
    EXPECT_EQ(open_wad(dir.put("b.wad", make_wad(37, 196608 + 1000, 5000)), b, progress).tile_rows, 4);
    package.resize(256, 256);
    EXPECT_TRUE(b == package);
    EXPECT_EQ(open_wad(dir.put("c.wad", make_wad(2, 196607)), c, progress).tile_rows, 0);
    EXPECT_EQ(c.width(), 256);
    EXPECT_EQ(c.height(), 0);
}

TEST_F(LevelFiles, WadShortInsideItsMapLoadsAtFullHeightWithTransparentRows) {
    // Two pages announced, the file ends 30 bytes into row 3.
    Bytes wad = make_wad(1, 2 * 196608, 0);
    wad.resize(20 + 768 * 3 + 30);
    Package package;
    CountingProgress progress;
    EXPECT_EQ(open_wad(dir.put("short.wad", wad), package, progress).tile_rows, 8);
    std::uint8_t rgb[3];
    for (int x = 0; x < 256; ++x) {
        sample_rgb(x, 3, 1, rgb);
        EXPECT_EQ(package.pixel(x, 3), x < 10 ? pack_rgb(rgb[0], rgb[1], rgb[2]) : kTransparent);
        EXPECT_EQ(package.pixel(x, 511), kTransparent);
    }
    // Nothing of the map in the file: all transparent.
    Bytes header_only = make_wad(0, 196608);
    header_only.resize(12);
    Package black;
    open_wad(dir.put("nomap.wad", header_only), black, progress);
    EXPECT_TRUE(black == Package(256, 256, kTransparent));
}

TEST_F(LevelFiles, WadHostileHeadersAreRefused) {
    const Bytes good = make_wad(2, 196608, 0);
    auto with = [&](std::size_t offset, std::int32_t v) {
        Bytes b = good;
        put_i32(b, offset, v);
        return b;
    };
    const std::pair<const char*, Bytes> cases[] = {
        {"n_negative.wad", with(4, -1)},
        {"n_minimum.wad", with(4, INT32_MIN)},
        {"n_past_end.wad", with(4, int(good.size() / 8))},
        {"n_huge.wad", with(4, INT32_MAX)},
        {"s_negative.wad", with(24, -196608)},
        {"s_huge.wad", with(24, INT32_MAX)},
        {"tiny.wad", Bytes(good.begin(), good.begin() + 7)},
        {"no_size.wad", Bytes(good.begin(), good.begin() + 26)},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = dir.put(name, bytes);
        expect_refused(path, [&](Package& p, Progress& g) { open_wad(path, p, g); });
    }
}

// ---------------------------------------------------------------- all readers

// Each read ends in a package (a level's is a page wide) or a clear Error that
// leaves the package as it was.
void survive(const std::string& path, const std::function<void(Package&, Progress&)>& read, bool level = true) {
    Package package(64, 64, kBlack);
    const Package before = package.clone();
    CountingProgress progress;
    try {
        read(package, progress);
        if (level) {
            EXPECT_EQ(package.width(), 256) << path;
        }
    } catch (const Error&) {
        EXPECT_TRUE(package == before) << path;
    }
}

TEST_F(LevelFiles, LevelsCutAtAnyLengthNeverCrash) {
    const Bytes tr2 = make_tr2(1, 100), tr4 = make_tr4(1, 100), wad = make_wad(3, 196608, 100);
    for (std::size_t cut = 0; cut < tr2.size(); cut += 4099) {
        const std::string path = dir.put("cut.tr2", Bytes(tr2.begin(), tr2.begin() + long(cut)));
        survive(path, [&](Package& p, Progress& g) { open_tr23(path, p, cut % 2 == 0, true, g); });
    }
    for (std::size_t cut = 0; cut < tr4.size(); cut += cut < 40 ? 1 : 1009) {
        const std::string path = dir.put("cut.tr4", Bytes(tr4.begin(), tr4.begin() + long(cut)));
        survive(path, [&](Package& p, Progress& g) { open_tr45(path, p, true, g); });
    }
    for (std::size_t cut = 0; cut < wad.size(); cut += 3001) {
        const std::string path = dir.put("cut.wad", Bytes(wad.begin(), wad.begin() + long(cut)));
        survive(path, [&](Package& p, Progress& g) { open_wad(path, p, g); });
    }
}

// Images and text files of the corpus, named as levels: an image is read as
// the picture it is.
TEST_F(LevelFiles, ForeignFilesNeverCrash) {
    namespace fs = std::filesystem;
    int foreign = 0;
    for (const auto& e : fs::recursive_directory_iterator(TILESMITH_CORPUS_DIR)) {
        if (!e.is_regular_file() || e.file_size() > 4'000'000) continue;
        const Bytes bytes = read_bytes(e.path().string());
        for (const char* ext : {".phd", ".tr2", ".tr4", ".wad"}) {
            const std::string path = dir.put(std::string("foreign") + ext, bytes);
            const FileFormat* format = format_of_file(path);
            survive(
                path,
                [&](Package& p, Progress& g) {
                    ReaderOptions options;
                    read_package(path, p, options, g);
                },
                format && format->kind == FormatKind::level);
        }
        ++foreign;
    }
    EXPECT_GT(foreign, 50);
}

}  // namespace
