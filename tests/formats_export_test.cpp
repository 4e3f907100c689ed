// Level export: the package into copies of Tomb Raider 2/3 and 4/5 base levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "core/error.h"
#include "formats/level_export.h"
#include "formats/tr23.h"
#include "formats/tr45.h"
#include "formats/wad.h"
#include "support/level_builder.h"
#include "support/posix.h"

using namespace tilesmith;

namespace {

constexpr ExportResult kWritten = ExportResult::written;

bool transparent_for_export(PackedColor c) { return c == kTransparent || c == pack_rgb(248, 0, 248); }

std::uint16_t expected_word(PackedColor c) {
    if (transparent_for_export(c)) return 0;
    return std::uint16_t(0x8000 + (red_of(c) / 8) * 1024 + (green_of(c) / 8) * 32 + blue_of(c) / 8);
}

// The package as the export should store it: 32-bit pixels and 16-bit words.
Bytes expected_block32(const Package& p, std::size_t size) {
    Bytes out(size, 0);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const PackedColor c = p.pixel(x, y);
            if (transparent_for_export(c)) continue;
            const std::size_t n = 4 * (std::size_t(y) * 256 + std::size_t(x));
            out[n] = blue_of(c); out[n + 1] = green_of(c); out[n + 2] = red_of(c); out[n + 3] = 255;
        }
    return out;
}

Bytes expected_block16(const Package& p, std::size_t size) {
    Bytes out(size, 0);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const std::uint16_t w = expected_word(p.pixel(x, y));
            const std::size_t n = 2 * (std::size_t(y) * 256 + std::size_t(x));
            out[n] = std::uint8_t(w); out[n + 1] = std::uint8_t(w >> 8);
        }
    return out;
}

// Full 8-bit colours with magenta holes, unlike anything a level reads back.
Package pattern_package(int pages, std::uint32_t seed) {
    Package p(256, 256 * pages);
    std::uint8_t rgb[3];
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < 256; ++x) {
            sample_rgb(x, y, seed, rgb);
            p.set_pixel(x, y, (x * 7 + y) % 97 == 0 ? kTransparent : pack_rgb(rgb[0], rgb[1], rgb[2]));
        }
    return p;
}

// The read-back of an export equals the package read before, except that opaque
// (248, 0, 248) comes back as magenta.
Package after_round_trip(Package p) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (p.pixel(x, y) == pack_rgb(248, 0, 248)) p.set_pixel(x, y, kTransparent);
    return p;
}

// The parts of a written .tr4.
struct Tr4Parts {
    std::int32_t u32, c32, u16, c16;
    Bytes stream32, stream16, tail;
};

Tr4Parts split_tr4(const Bytes& f) {
    Tr4Parts t{};
    t.u32 = get_i32(f, 10);
    t.c32 = get_i32(f, 14);
    t.stream32.assign(f.begin() + 18, f.begin() + 18 + t.c32);
    t.u16 = get_i32(f, 18 + std::size_t(t.c32));
    t.c16 = get_i32(f, 22 + std::size_t(t.c32));
    const auto at16 = f.begin() + 26 + t.c32;
    t.stream16.assign(at16, at16 + t.c16);
    t.tail.assign(at16 + t.c16, f.end());
    return t;
}

// Level headers both the reader and the export refuse: counts that are
// negative, huge or past the end, and files cut inside their header.
std::vector<std::pair<std::string, Bytes>> damaged_headers(const Bytes& tr2, const Bytes& tr4) {
    return {
        {"negative.tr2", with_i32(tr2, 1796, -2)},
        {"huge.tr2", with_i32(tr2, 1796, INT32_MAX)},
        {"head_past_end.tr2", with_i32(tr2, 1796, 7)},
        {"tiny.tr2", Bytes(tr2.begin(), tr2.begin() + 1799)},
        {"tiny.tr4", Bytes(tr4.begin(), tr4.begin() + 17)},
    };
}

class Export : public ::testing::Test {
protected:
    TempDir dir;
    CountingProgress progress;
};

TEST_F(Export, PixelConversionWorkedValues) {
    Package p(256, 256, kBlack);
    const PackedColor colours[] = {pack_rgb(255, 0, 254), kTransparent,        pack_rgb(248, 0, 248),
                                   kBlack,                pack_rgb(255, 255, 255), pack_rgb(7, 8, 9),
                                   pack_rgb(249, 0, 248)};
    const std::uint16_t words[] = {0xFC1F, 0x0000, 0x0000, 0x8000, 0xFFFF, 0x8021, 0xFC1F};
    const std::uint8_t bytes[][4] = {{254, 0, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 255},
                                     {255, 255, 255, 255}, {9, 8, 7, 255}, {248, 0, 249, 255}};
    for (int i = 0; i < 7; ++i) p.set_pixel(i, 3, colours[i]);

    const std::string tr2 = dir.file("out.tr2"), tr4 = dir.file("out.tr4");
    ASSERT_EQ(ex_tr23(tr2, dir.put("base.tr2", make_tr2(1)), p, progress), kWritten);
    ASSERT_EQ(ex_tr45(tr4, dir.put("base.tr4", make_tr4(1)), p, progress), kWritten);
    const Bytes out2 = read_bytes(tr2);
    const Tr4Parts out4 = split_tr4(read_bytes(tr4));
    const Bytes block32 = zlib_inflate(out4.stream32.data(), out4.stream32.size());
    const Bytes block16 = zlib_inflate(out4.stream16.data(), out4.stream16.size());
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const std::size_t at = tr2_word_offset(1, i, 3);
        EXPECT_EQ(out2[at] | out2[at + 1] << 8, words[i]);
        const std::size_t n = std::size_t(256 * 3 + i);
        EXPECT_EQ(block16[2 * n] | block16[2 * n + 1] << 8, words[i]);
        EXPECT_TRUE(std::equal(bytes[i], bytes[i] + 4, block32.begin() + long(4 * n)));
    }
}

TEST_F(Export, Tr2ReplacesOnlyTheSixteenBitPages) {
    const Bytes base = make_tr2(2, 3000);
    const std::string out = dir.file("out.tr2");
    const Package p = pattern_package(2, 9);
    ASSERT_EQ(ex_tr23(out, dir.put("base.tr2", base), p, progress), kWritten);
    EXPECT_EQ(progress.maximum(), 5);
    EXPECT_EQ(progress.steps(), 5);
    const Bytes written = read_bytes(out);
    ASSERT_EQ(written.size(), base.size());
    const std::size_t from = 1800 + 2 * 65536, to = 1800 + 2 * 196608;
    EXPECT_TRUE(std::equal(base.begin(), base.begin() + long(from), written.begin()));
    EXPECT_TRUE(std::equal(base.begin() + long(to), base.end(), written.begin() + long(to)));
    const Bytes block = expected_block16(p, 2 * 131072);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), written.begin() + long(from)));

    // A base cut inside its 16-bit pages still takes the whole package.
    const Bytes cut(base.begin(), base.begin() + long(from) + 1000);
    ASSERT_EQ(ex_tr23(out, dir.put("cut.tr2", cut), p, progress), kWritten);
    EXPECT_EQ(read_bytes(out).size(), to);
}

TEST_F(Export, Tr2RoundTripKeepsEveryOpaqueWordButRed31Blue31) {
    const Bytes base = make_tr2(3, 500, 4);
    const std::string base_path = dir.put("base.tr2", base), out = dir.file("copy.tr2");
    Package read;
    open_tr23(base_path, read, false, true, progress);
    ASSERT_EQ(ex_tr23(out, base_path, read, progress), kWritten);
    const Bytes written = read_bytes(out);
    int near_magenta = 0;
    for (int y = 0; y < 3 * 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::size_t at = tr2_word_offset(3, x, y);
            const int was = base[at] | base[at + 1] << 8, now = written[at] | written[at + 1] << 8;
            if (was == 0xFC1F) ++near_magenta;
            const bool kept = (was & 0x8000) && was != 0xFC1F;
            ASSERT_EQ(now, kept ? was : 0) << x << "," << y;
        }
    EXPECT_GT(near_magenta, 0);  // the exception was exercised
    Package again;
    open_tr23(out, again, false, true, progress);
    EXPECT_TRUE(again == after_round_trip(read.clone()));
}

TEST_F(Export, Tr4KeepsHeadAndTailAndRecompressesBothBlocks) {
    const Bytes base = make_tr4(3, 7000);
    const std::string out = dir.file("out.tr4");
    const Package p = pattern_package(3, 12);
    ASSERT_EQ(ex_tr45(out, dir.put("base.tr4", base), p, progress), kWritten);
    EXPECT_EQ(progress.maximum(), 9);
    EXPECT_EQ(progress.steps(), 9);
    const Bytes written = read_bytes(out);
    const Tr4Parts was = split_tr4(base), now = split_tr4(written);
    EXPECT_TRUE(std::equal(base.begin(), base.begin() + 10, written.begin()));
    EXPECT_EQ(now.u32, was.u32);
    EXPECT_EQ(now.u16, was.u16);
    // Standard zlib streams of the blocks, whichever compressor made them.
    EXPECT_EQ(zlib_inflate(now.stream32.data(), now.stream32.size()),
              expected_block32(p, std::size_t(was.u32)));
    EXPECT_EQ(zlib_inflate(now.stream16.data(), now.stream16.size()),
              expected_block16(p, std::size_t(was.u16)));
    EXPECT_NE(now.c32, was.c32);
    // The rest of the level, shifted by the change of the compressed sizes.
    ASSERT_EQ(now.tail, was.tail);
    EXPECT_EQ(written.size(), base.size() + std::size_t((now.c32 - was.c32) + (now.c16 - was.c16)));
}

TEST_F(Export, Tr4BlocksLargerThanThePagesKeepZerosBeyondThem) {
    Bytes block32 = tr4_block32(2), block16 = tr4_block16(2);
    block32.resize(block32.size() + 1000, 0x77);
    block16.resize(block16.size() + 300000, 0x77);  // zeros beyond the pages span several chunks
    const std::string out = dir.file("out.trc");
    const Package p = pattern_package(2, 3);
    ASSERT_EQ(ex_tr45(out, dir.put("base.trc", tr4_from_blocks(block32, block16)), p, progress), kWritten);
    const Tr4Parts now = split_tr4(read_bytes(out));
    // The very stream one level-9 call over the whole zero-padded block makes.
    EXPECT_EQ(now.stream32, zlib_compress(expected_block32(p, block32.size()), 9));
    EXPECT_EQ(now.stream16, zlib_compress(expected_block16(p, block16.size()), 9));
}

TEST_F(Export, EveryExportedBlockInflatesToThePackage) {
    // Blocks of whole pages, and blocks declared larger (zeros beyond the pages).
    const struct {
        int pages;
        std::size_t extra32, extra16;
    } cases[] = {{1, 0, 0}, {3, 0, 0}, {7, 0, 0}, {2, 0, 5000}, {2, 700, 0}, {1, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pages << " pages +" << c.extra32 << " +" << c.extra16);
        Bytes block32 = tr4_block32(c.pages), block16 = tr4_block16(c.pages);
        block32.resize(block32.size() + c.extra32, 0x11);
        block16.resize(block16.size() + c.extra16, 0x22);
        const Package p = pattern_package(c.pages, std::uint32_t(c.pages));
        const std::string out = dir.file("out.tr4");
        ASSERT_EQ(ex_tr45(out, dir.put("base.tr4", tr4_from_blocks(block32, block16)), p, progress), kWritten);
        const Tr4Parts now = split_tr4(read_bytes(out));
        for (const Bytes* stream : {&now.stream32, &now.stream16}) {
            ASSERT_GE(stream->size(), 2u);
            EXPECT_EQ((*stream)[0], 0x78);
            EXPECT_EQ((*stream)[1], 0xDA);
        }
        EXPECT_EQ(zlib_inflate(now.stream32.data(), now.stream32.size()), expected_block32(p, block32.size()));
        EXPECT_EQ(zlib_inflate(now.stream16.data(), now.stream16.size()), expected_block16(p, block16.size()));
    }
}

// The peak resident memory of this process: set back to the current size, and
// read in bytes (negative where the system cannot tell).
bool reset_peak() {
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    return f && std::fputs("5", f) >= 0 && std::fclose(f) == 0;  // 5: peak := current
}
std::int64_t peak_bytes() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    long long kib = -1;
    while (f && std::fgets(line, sizeof line, f) && std::sscanf(line, "VmHWM: %lld kB", &kib) != 1) {}
    if (f) std::fclose(f);
    return kib * 1024;
}

TEST_F(Export, HugeDeclaredSixteenBitBlockCostsNoMemory) {
    // One page, and a 16-bit block declared 64 MiB: all but 128 KiB of it zeros.
    constexpr std::int32_t kDeclared = 64 << 20;
    const Bytes block32 = tr4_block32(1);
    const std::string base = dir.put("base.tr4", tr4_from_streams(262144, zlib_compress(block32, 6), kDeclared,
                                                              zlib_compress(tr4_block16(1), 6), {5, 6}));
    const Package p = pattern_package(1, 4);
    const std::string out = dir.file("out.tr4");
    if (!reset_peak() || peak_bytes() < 0) GTEST_SKIP() << "the system does not report peak memory";
    const std::int64_t before = peak_bytes();
    ASSERT_EQ(ex_tr45(out, base, p, progress), kWritten);
    EXPECT_LT(peak_bytes() - before, std::int64_t(16) << 20);  // a quarter of the declared block

    const Tr4Parts now = split_tr4(read_bytes(out));
    EXPECT_EQ(now.u16, kDeclared);
    EXPECT_EQ(now.tail, (Bytes{5, 6}));
    const Bytes block16 = zlib_inflate(now.stream16.data(), now.stream16.size());
    ASSERT_EQ(block16.size(), std::size_t(kDeclared));
    const Bytes pages16 = expected_block16(p, 131072);
    EXPECT_TRUE(std::equal(pages16.begin(), pages16.end(), block16.begin()));
    EXPECT_TRUE(std::all_of(block16.begin() + 131072, block16.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(Export, Tr4RoundTripGivesTheSamePackage) {
    const std::string base = dir.put("base.tr4", make_tr4(4, 100, 8)), out = dir.file("copy.tr4");
    Package read, again;
    open_tr45(base, read, true, progress);
    ASSERT_EQ(ex_tr45(out, base, read, progress), kWritten);
    open_tr45(out, again, true, progress);
    EXPECT_TRUE(again == after_round_trip(read.clone()));
}

TEST_F(Export, SizeMismatchWritesNothing) {
    const std::string tr2 = dir.put("base.tr2", make_tr2(2)), tr4 = dir.put("base.tr4", make_tr4(2));
    const std::string fresh = dir.file("fresh.out"), existing = dir.put("existing.out", {1, 2, 3});
    Bytes small16 = make_level(LevelSpec(Game::tr4, 2)).bytes;
    {   // U16 one word short of the package's pages; the rest of the level as it was.
        const Tr4Parts parts = split_tr4(small16);
        small16 = tr4_from_streams(parts.u32, parts.stream32, 2 * 131072 - 2,
                                   zlib_compress(Bytes(2 * 131072 - 2, 0), 6), parts.tail);
    }
    const std::string tr4_small16 = dir.put("small16.tr4", small16);
    const Package right(256, 512), tall(256, 768), narrow(255, 512), wide(320, 512);
    for (const std::string& out : {fresh, existing}) {
        EXPECT_EQ(ex_tr23(out, tr2, tall, progress), ExportResult::package_size_mismatch);
        EXPECT_EQ(ex_tr23(out, tr2, narrow, progress), ExportResult::package_size_mismatch);
        EXPECT_EQ(ex_tr45(out, tr4, tall, progress), ExportResult::package_size_mismatch);
        EXPECT_EQ(ex_tr45(out, tr4, wide, progress), ExportResult::package_size_mismatch);
        EXPECT_EQ(ex_tr45(out, tr4_small16, right, progress), ExportResult::package_size_mismatch);
        EXPECT_EQ(export_level(out, tr4_small16, right, progress), ExportResult::package_size_mismatch);
    }
    EXPECT_EQ(progress.resets(), 0);
    EXPECT_FALSE(file_exists(fresh));
    EXPECT_EQ(read_bytes(existing), (Bytes{1, 2, 3}));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"base.tr2", "base.tr4", "existing.out", "small16.tr4"}));
}

TEST_F(Export, ChoosesTheWriterByTheBaseExtensionAlone) {
    const Package p = pattern_package(1, 2);
    const std::string upper = dir.put("BASE.TR4", make_level(LevelSpec(Game::tr4, 1)).bytes),
                      tr2 = dir.put("base.tr2", make_level(LevelSpec(Game::tr2, 1)).bytes);
    ASSERT_EQ(export_level(dir.file("a.tr2"), upper, p, progress), kWritten);  // TR4 layout
    const Bytes stream32 = split_tr4(read_bytes(dir.file("a.tr2"))).stream32;
    EXPECT_EQ(zlib_inflate(stream32.data(), stream32.size()), expected_block32(p, 262144));
    const std::string renamed = dir.put("tr4.tr2", read_bytes(upper));  // by its first bytes: TR4
    ASSERT_EQ(export_level(dir.file("d.tr2"), renamed, p, progress), kWritten);  // the TR2 writer would refuse it
    ASSERT_EQ(export_level(dir.file("b.tr4"), tr2, p, progress), kWritten);  // TR2 layout
    EXPECT_EQ(read_bytes(dir.file("b.tr4")).size(), read_bytes(tr2).size());
    const std::string other = dir.put("base.tga", make_tr2(1));
    EXPECT_EQ(export_level(dir.file("c.tr2"), other, p, progress), ExportResult::not_a_level);
    EXPECT_FALSE(file_exists(dir.file("c.tr2")));
}

TEST_F(Export, OutputThatIsTheBaseUnderAnotherNameIsRefused) {
    namespace fs = std::filesystem;
    const Bytes level = make_tr4(1);
    const std::string base = dir.put("base.tr4", level);
    fs::create_directory(dir.file("sub"));
    make_link(base, dir.file("link.tr4"));
    fs::create_hard_link(base, dir.file("hard.tr4"));
    const Package p = pattern_package(1, 5);
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.path());
    const std::string names[] = {base, dir.file("./base.tr4"), dir.file("sub/../base.tr4"),
                                 dir.path() + "//base.tr4", "base.tr4", dir.file("link.tr4"),
                                 dir.file("hard.tr4")};
    for (const std::string& name : names) EXPECT_EQ(export_level(name, base, p, progress), ExportResult::output_is_base) << name;
    EXPECT_EQ(export_level(base, dir.file("link.tr4"), p, progress), ExportResult::output_is_base);
    fs::current_path(cwd);
    EXPECT_EQ(read_bytes(base), level);
    EXPECT_EQ(progress.resets(), 0);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"base.tr4", "hard.tr4", "link.tr4", "sub"}));
}

TEST_F(Export, DamagedBasesAreRefusedWithoutTouchingTheOutput) {
    const Bytes tr2 = make_tr2(2, 100), tr4 = make_tr4(2, 100);
    const Tr4Parts parts = split_tr4(tr4);
    const std::size_t at16 = 18 + std::size_t(parts.c32);
    std::vector<std::pair<std::string, Bytes>> cases = damaged_headers(tr2, tr4);
    cases.insert(cases.end(), {
        {"u32_negative.tr4", with_i32(tr4, 10, -1)},
        {"c32_negative.tr4", with_i32(tr4, 14, -5)},
        {"c32_past_end.tr4", with_i32(tr4, 14, std::int32_t(tr4.size()))},
        {"c32_huge.tr4", with_i32(tr4, 14, INT32_MAX)},
        {"u16_negative.tr4", with_i32(tr4, at16, INT32_MIN)},
        {"c16_negative.tr4", with_i32(tr4, at16 + 4, -1)},
        {"c16_past_end.tr4", with_i32(tr4, at16 + 4, parts.c16 + 101)},
        {"u32_huge.tr4", with_i32(tr4, 10, INT32_MAX)},
        {"u16_huge.tr4", with_i32(tr4, at16, (1 << 30) + 1)},
    });
    const std::string existing = dir.put("existing.out", {9, 9});
    const Package p(256, 512);
    for (const auto& [name, bytes] : cases) {
        const std::string base = dir.put(name, bytes);
        try {
            export_level(existing, base, p, progress);
            ADD_FAILURE() << name << " was taken";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(base), std::string::npos) << e.what();
        }
        std::filesystem::remove(base);
    }
    EXPECT_THROW(export_level(existing, dir.file("missing.tr4"), p, progress), Error);
    EXPECT_EQ(read_bytes(existing), (Bytes{9, 9}));
    EXPECT_EQ(progress.resets(), 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"existing.out"});
}

// The reader and the export parse a level's header with the same parser, so a
// damaged header the walk passes over is refused in the same words by both;
// one the walk meets stops the export with the walk's reason first.
TEST_F(Export, ReaderAndExportRefuseADamagedHeaderAlike) {
    const Bytes tr2 = make_level(LevelSpec(Game::tr2, 2)).bytes, tr4 = make_level(LevelSpec(Game::tr4, 2)).bytes;
    const auto cases = damaged_headers(tr2, tr4);
    const auto refusal = [](const std::function<void()>& run) {
        try {
            run();
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("taken");
    };
    const Package p(256, 512);
    for (const auto& [name, bytes] : cases) {
        const std::string base = dir.put(name, bytes);
        Package read;
        const std::string by_reader = refusal([&] {
            if (base.ends_with(".tr2")) open_tr23(base, read, false, true, progress);
            else open_tr45(base, read, true, progress);
        });
        const std::string by_export = refusal([&] { export_level(dir.file("out"), base, p, progress); });
        const std::string walk_stopped = "Cannot export into \"" + base + "\": its structures cannot be read";
        EXPECT_TRUE(by_export == by_reader || by_export.starts_with(walk_stopped)) << name << ": " << by_export;
        EXPECT_NE(by_reader.find(base), std::string::npos) << by_reader;
    }
}

TEST_F(Export, WadTakesThePackageAsItsMapAndKeepsEveryOtherByte) {
    const Bytes wad = make_wad(3, 2 * 196608 + 100, 5000);
    const std::string out = dir.file("out.wad"), small = dir.put("small.wad", make_wad(1, 196608)), none = dir.file("none.wad");
    const Package p = pattern_package(2, 4);
    ASSERT_EQ(export_level(out, dir.put("base.wad", wad), p, progress), kWritten);
    const Bytes written = read_bytes(out);
    const long from = 8 + 3 * 8 + 4, to = from + 2 * 196608;
    EXPECT_TRUE(written.size() == wad.size() && std::equal(wad.begin(), wad.begin() + from, written.begin()) &&
                std::equal(wad.begin() + to, wad.end(), written.begin() + to));
    Package back;
    open_wad(out, back, progress);
    EXPECT_TRUE(back == p);
    EXPECT_EQ(export_level(none, small, p, progress), ExportResult::package_size_mismatch);
    try {
        export_level(none, dir.put("cut.wad", Bytes(wad.begin(), wad.begin() + to)), p, progress);
        ADD_FAILURE() << "taken";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("cut.wad")), std::string::npos) << e.what();
    }
    EXPECT_FALSE(file_exists(none));
}

TEST_F(Export, FailureAtTheEndLeavesNoPartialFile) {
    // The disk fills up as the last bytes go out; the file size limit stands in for a full disk.
    POSIX_ONLY();
    for (const char* ext : {".tr2", ".tr4"}) {
        SCOPED_TRACE(ext);
        TempDir folder;
        const std::string base = folder.file(std::string("base") + ext), out = folder.file(std::string("out") + ext);
        write_bytes(base, make_level(LevelSpec(ext == std::string(".tr2") ? Game::tr2 : Game::tr4, 2)).bytes);
        // How long the new output would be, then the previous output in place.
        ASSERT_EQ(export_level(out, base, pattern_package(2, 2), progress), kWritten);
        const std::size_t full = read_bytes(out).size();
        ASSERT_EQ(export_level(out, base, pattern_package(2, 1), progress), kWritten);
        const Bytes previous = read_bytes(out);

        with_file_size_limit(std::int64_t(full) - 1, [&] {
            EXPECT_THROW(export_level(out, base, pattern_package(2, 2), progress), Error);
        });

        EXPECT_EQ(read_bytes(out), previous);
        EXPECT_EQ(folder.entries(), (std::vector<std::string>{"base" + std::string(ext), "out" + std::string(ext)}));
    }
}

}  // namespace
