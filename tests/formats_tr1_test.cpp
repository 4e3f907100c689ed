// Tomb Raider 1 levels read and exported, and levels refused by the kind their first bytes name.
#include <gtest/gtest.h>

#include <functional>

#include "core/error.h"
#include "formats/dispatch.h"
#include "formats/level_export.h"
#include "formats/tr1.h"
#include "strings/messages.h"
#include "support/level_builder.h"
#include "support/reader_checks.h"

using namespace tilesmith;

namespace {

constexpr ExportResult kWritten = ExportResult::written;

PackedColor palette_colour(const Bytes& level, std::size_t palette_offset, int index) {
    const std::uint8_t* p = &level[palette_offset + 3 * std::size_t(index)];
    return pack_rgb(std::uint8_t(p[0] * 4), std::uint8_t(p[1] * 4), std::uint8_t(p[2] * 4));
}

std::size_t page_byte(int x, int y) { return 8 + std::size_t(y) * 256 + std::size_t(x); }

class Tr1 : public ::testing::Test {
protected:
    TempDir dir;
    CountingProgress progress;
    Package read(const std::string& path, bool correct = true) {
        Package p;
        open_tr1(path, p, correct, progress);
        return p;
    }
};


TEST_F(Tr1, BothPaletteOrdersReadWhateverTheExtension) {
    for (const bool unfinished : {false, true})
        for (const int pages : {0, 1, 3})
            for (const char* name : {"level.phd", "level.tub"}) {
                SCOPED_TRACE(std::string(name) + (unfinished ? " unfinished" : " usual") + std::to_string(pages));
                const std::uint32_t seed = std::uint32_t(pages + 1);
                const Tr1Level level = make_tr1(pages, unfinished, 2 + pages, seed);
                Package package(64, 64);
                const ReadResult r = open_tr1(dir.put(name, level.bytes), package, true, progress);
                EXPECT_EQ(r.tile_columns, 4);
                EXPECT_EQ(r.tile_rows, 4 * pages);
                ASSERT_EQ(package.width(), 256);
                ASSERT_EQ(package.height(), 256 * pages);
                EXPECT_EQ(progress.position(), progress.maximum());
                for (int y = 0; y < package.height(); ++y)
                    for (int x = 0; x < 256; ++x) {
                        const int index = palette_index(x, y, seed);
                        ASSERT_EQ(package.pixel(x, y), index == 0 ? kTransparent
                                                                  : palette_colour(level.bytes, level.palette_offset, index))
                            << x << "," << y;
                    }
            }
}

TEST_F(Tr1, IndexZeroIsMagentaOnlyWithTheCorrection) {
    Tr1Level level = make_tr1(1);
    Bytes& b = level.bytes;
    b[level.palette_offset] = 10; b[level.palette_offset + 1] = 20; b[level.palette_offset + 2] = 63;
    b[page_byte(7, 5)] = 0;
    b[page_byte(8, 5)] = 64 + 63;  // entry 127: (63, 21, 27) in the builder's palette
    const std::string path = dir.put("zero.phd", b);
    EXPECT_EQ(read(path, true).pixel(7, 5), kTransparent);
    EXPECT_EQ(read(path, false).pixel(7, 5), pack_rgb(40, 80, 252));
    EXPECT_EQ(read(path, false).pixel(8, 5), pack_rgb(252, 84, 108));
}

TEST_F(Tr1, ExportOfAnUnchangedPackageIsItsBase) {
    for (const bool unfinished : {false, true}) {
        const Tr1Level level = make_tr1(2, unfinished, 4, 9);
        const std::string base = dir.put(unfinished ? "base.tub" : "base.phd", level.bytes);
        const std::string out = dir.file(unfinished ? "out.tub" : "out.phd");
        ASSERT_EQ(export_level(out, base, read(base), progress), kWritten);
        EXPECT_EQ(progress.position(), progress.maximum());
        EXPECT_TRUE(read_bytes(out) == level.bytes) << unfinished;
    }
}

TEST_F(Tr1, ExportTakesTheNearestPaletteColourTiesToTheLowerIndex) {
    Tr1Level level = make_tr1(1);
    Bytes& b = level.bytes;
    // Every entry white but 0 black, 5 and 9 two greys and 200 red.
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t v = i == 0 ? 0 : i == 5 ? 10 : i == 9 ? 12 : 63;
        b[level.palette_offset + 3 * std::size_t(i)] = v;
        b[level.palette_offset + 3 * std::size_t(i) + 1] = i == 200 ? 0 : v;
        b[level.palette_offset + 3 * std::size_t(i) + 2] = i == 200 ? 0 : v;
    }
    const std::string base = dir.put("base.phd", b);
    const std::pair<PackedColor, int> cases[] = {
        {kTransparent, 0},
        {pack_rgb(44, 44, 44), 5},     // as near to 40 as to 48
        {pack_rgb(47, 47, 47), 9},
        {kBlack, 5},                   // index 0 is never a colour
        {pack_rgb(255, 255, 255), 1},  // the first of the whites
        {pack_rgb(248, 0, 248), 200},  // near-magenta is a colour like any other
        {pack_rgb(252, 0, 0), 200},
    };
    Package package(256, 256, pack_rgb(200, 200, 200));
    for (int i = 0; i < 7; ++i) package.set_pixel(i, 3, cases[i].first);
    // Many colours: the answers kept per colour stay right.
    for (int x = 0; x < 256; ++x) package.set_pixel(x, 100, pack_rgb(std::uint8_t(x), std::uint8_t(x), std::uint8_t(x)));
    const std::string out = dir.file("out.phd");
    ASSERT_EQ(ex_tr1(out, base, package, progress), kWritten);
    const Bytes written = read_bytes(out);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(written[page_byte(i, 3)], cases[i].second) << i;
    // 150 lies as near to grey 48 as to white; the white of index 1 is the lower.
    for (int x = 0; x < 256; ++x) EXPECT_EQ(written[page_byte(x, 100)], x <= 44 ? 5 : x < 150 ? 9 : 1) << x;
    // Only the pages change.
    EXPECT_TRUE(std::equal(written.begin() + 8 + 65536, written.end(), b.begin() + 8 + 65536));
    EXPECT_EQ(written.size(), b.size());
}

TEST_F(Tr1, ExportRefusesAWrongSizeTheBaseItselfAndADamagedBase) {
    const Tr1Level level = make_tr1(1);
    const std::string base = dir.put("base.phd", level.bytes);
    const std::string out = dir.file("out.phd");
    EXPECT_EQ(export_level(out, base, Package(256, 512), progress), ExportResult::package_size_mismatch);
    EXPECT_EQ(export_level(out, base, Package(128, 256), progress), ExportResult::package_size_mismatch);
    EXPECT_EQ(export_level(dir.path() + "/./base.phd", base, Package(256, 256), progress),
              ExportResult::output_is_base);
    const std::string damaged = dir.put("damaged.phd", Bytes(level.bytes.begin(), level.bytes.end() - 1));
    EXPECT_THROW(export_level(out, damaged, Package(256, 256), progress), Error);
    EXPECT_FALSE(file_exists(out));
    EXPECT_TRUE(read_bytes(base) == level.bytes);
}

TEST_F(Tr1, CountsThatDoNotFitAreRefused) {
    const Tr1Level level = make_tr1(1, false, 3);
    for (const Tr1Level::Count& c : level.counts) {
        if (c.name == "version") continue;
        const std::uint32_t largest = c.width == 2 ? 0xFFFFu : 0xFFFFFFFFu;
        std::uint32_t value = 0;
        for (int i = 0; i < c.width; ++i) value |= std::uint32_t(level.bytes[c.offset + std::size_t(i)]) << (8 * i);
        for (const std::uint32_t wrong : {largest, value + 1}) {
            SCOPED_TRACE(c.name + " " + std::to_string(wrong));
            Bytes b = level.bytes;
            for (int i = 0; i < c.width; ++i) b[c.offset + std::size_t(i)] = std::uint8_t(wrong >> (8 * i));
            const std::string path = dir.put("hostile.phd", b);
            expect_refused(path, [&](Package& p, Progress& g) { open_tr1(path, p, true, g); });
            EXPECT_THROW(ex_tr1(dir.file("out.phd"), path, Package(256, 256), progress), Error);
            EXPECT_FALSE(file_exists(dir.file("out.phd")));
        }
    }
}

TEST_F(Tr1, LevelsCutShortAreRefused) {
    const Bytes whole = make_tr1(1, true, 2).bytes;
    for (std::size_t cut = 0; cut < whole.size(); cut += cut < 16 ? 1 : 997) {
        const std::string path = dir.put("cut.tub", Bytes(whole.begin(), whole.begin() + long(cut)));
        expect_refused(path, [&](Package& p, Progress& g) { open_tr1(path, p, true, g); });
    }
}

// ---------------------------------------------------------------- kinds

Bytes with_first(Bytes bytes, const char (&first)[5]) {
    std::copy(first, first + 4, bytes.begin());
    return bytes;
}

TEST_F(Tr1, LevelsOfAKindNoFormatReadsAreRefusedByName) {
    const Bytes tr4 = make_tr4(1);
    const struct {
        const char* name;
        Bytes bytes;
        Msg refusal;
    } cases[] = {
        {"trx4.tr4", with_first(tr4, "TRX4"), Msg::RemasteredTr4},
        {"trx5.trc", with_first(tr4, "TRX5"), Msg::RemasteredTr5},
        {"trx4.tr2", with_first(tr4, "TRX4"), Msg::RemasteredTr4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.put(c.name, c.bytes);
        Package package(64, 128, kWhite);
        const Package before = package.clone();
        const auto r = read_package(path, package, {}, progress);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->refusal, c.refusal);
        EXPECT_TRUE(r->untouched);
        EXPECT_TRUE(package == before);
        const std::string out = dir.file(std::string("out_") + c.name);
        EXPECT_EQ(refusal_message(export_level(out, path, Package(256, 256), progress)), c.refusal);
        EXPECT_FALSE(file_exists(out));
    }
    EXPECT_EQ(text_of(Msg::LevelIsTr1, Language::English), "This is a Tomb Raider 1 level; open it as .phd");
}

// Under another kind's extension ("tr..." here), as what the first bytes say, with a note.
TEST_F(Tr1, LevelsUnderAnyLevelExtensionAndUnknownFirstBytesRead) {
    const Bytes tr1 = make_tr1(1).bytes, tr2 = make_tr2(1), tr4 = make_tr4(1);
    const std::pair<const char*, Bytes> cases[] = {
        {"a.phd", tr1}, {"a.TUB", tr1}, {"a.tr2", tr2}, {"b.tr2", with_first(tr2, "\x38\x00\x18\xFF")},
        {"a.tr4", tr4}, {"a.trc", tr4},
        // Modified engines write versions of their own: the extension is trusted.
        {"c.tr2", with_first(tr2, "\x99\x00\x00\x00")}, {"b.tr4", with_first(tr4, "TR9\0")},
        {"b.phd", with_first(tr1, "\x21\x00\x00\x00")}, {"tr1.tr2", tr1}, {"tr1.wad", tr1}, {"tr2.phd", tr2},
        {"tr3.tub", with_first(tr2, "\x38\x00\x08\xFF")}, {"tr4.tr2", tr4}, {"tr4.phd", tr4}};
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Package package;
        const auto r = read_package(dir.put(name, bytes), package, {}, progress);
        ASSERT_TRUE(r);
        EXPECT_FALSE(r->refused());
        EXPECT_EQ(package.height(), 256);
        EXPECT_EQ(bool(r->note), std::string(name).starts_with("tr"));
    }
}

}  // namespace
