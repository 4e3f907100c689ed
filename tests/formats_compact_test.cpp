// Compacting levels: every texture samples the same pixels, margin included,
// from fewer pages; and the refusals of what cannot be compacted.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/error.h"
#include "core/progress.h"
#include "formats/level_compact.h"
#include "support/level_builder.h"

using namespace tilesmith;

namespace {

LevelFile read_whole(const std::string& name) {
    CountingProgress progress;
    return read_level_file(name, ReaderOptions{}, progress);
}

// The pixels of a rectangle and the ring around it (the page's edge repeated).
std::vector<std::uint8_t> ring_and_inside(const Package& p, int page, int x0, int y0, int x1, int y1) {
    std::vector<std::uint8_t> out;
    x1 = std::max(x1, x0 + 1);
    y1 = std::max(y1, y0 + 1);
    for (int y = y0 - 1; y <= y1; ++y)
        for (int x = x0 - 1; x <= x1; ++x) {
            const std::uint8_t* px = p.row(page * 256 + std::clamp(y, 0, 255)) + 3 * std::clamp(x, 0, 255);
            out.insert(out.end(), px, px + 3);
        }
    return out;
}

std::vector<std::uint8_t> object_pixels(const LevelFile& f, std::size_t i) {
    const ObjectTextureRef& t = f.level->textures.objects[i];
    int x0 = 256, y0 = 256, x1 = 0, y1 = 0;
    for (int k = 0; k < t.corner_count; ++k) {
        x0 = std::min<int>(x0, t.corners[std::size_t(k)].x);
        x1 = std::max<int>(x1, t.corners[std::size_t(k)].x);
        y0 = std::min<int>(y0, t.corners[std::size_t(k)].y);
        y1 = std::max<int>(y1, t.corners[std::size_t(k)].y);
    }
    return ring_and_inside(f.package, t.page, x0, y0, x1, y1);
}

std::vector<std::uint8_t> sprite_pixels(const LevelFile& f, std::size_t i) {
    const SpriteTextureRef& s = f.level->textures.sprites[i];
    return ring_and_inside(f.package, s.page, s.x, s.y, s.x + s.width, s.y + s.height);
}

TEST(Compact, EveryTextureSamplesTheSamePixelsFromFewerPages) {
    for (const Game game : {Game::tr1, Game::tr2, Game::tr3, Game::tr4, Game::tr5}) {
        SCOPED_TRACE(extension_of(game));
        TempDir dir;
        LevelSpec wanted(game, 4);
        wanted.object_textures = 9;
        const std::string level = dir.put("level" + extension_of(game), make_level(wanted).bytes);
        const std::string output = dir.file("small" + extension_of(game));
        CountingProgress progress;
        const CompactionSummary s = compact_level(level, output, progress);
        EXPECT_LT(s.pages_after, s.pages_before);

        const LevelFile before = read_whole(level), after = read_whole(output);
        ASSERT_TRUE(after.walked());
        EXPECT_EQ(plan_compaction(before).pages_after, s.pages_after);
        EXPECT_EQ(after.package.height(), s.pages_after * 256);
        const LevelTextureRefs &a = before.level->textures, &b = after.level->textures;
        ASSERT_EQ(a.objects.size(), b.objects.size());
        ASSERT_EQ(a.sprites.size(), b.sprites.size());
        for (std::size_t i = 0; i < a.objects.size(); ++i) {
            EXPECT_EQ(object_pixels(before, i), object_pixels(after, i)) << "object texture " << i;
            EXPECT_EQ(a.objects[i].corner_count, b.objects[i].corner_count);
        }
        for (std::size_t i = 0; i < a.sprites.size(); ++i)
            EXPECT_EQ(sprite_pixels(before, i), sprite_pixels(after, i)) << "sprite texture " << i;
    }
}

// A page that stays where it is leaves its margins at the page's edges to
// the edges, which a page packed afresh must copy: what fits around it then
// fits on fewer pages, each area with the same pixels and ring as before.
TEST(Compact, KeepsTheFullestPageInPlaceWhenTheOthersFitAroundIt) {
    StoredDepth depth{1, nullptr, nullptr};
    std::vector<std::uint8_t> pixels(2 * 65536);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 7 + i / 256 * 13 + i / 65536 * 101);
    depth.pages = pixels.data();
    const auto ring = [](const std::uint8_t* pages, int page, int x0, int y0, int w, int h) {
        std::vector<std::uint8_t> out;
        for (int y = y0 - 1; y <= y0 + h; ++y)
            for (int x = x0 - 1; x <= x0 + w; ++x)
                out.push_back(pages[page * 65536 + std::clamp(y, 0, 255) * 256 + std::clamp(x, 0, 255)]);
        return out;
    };
    struct Case {
        int second_height, pages_after;
    };
    for (const Case c : {Case{53, 1}, Case{54, 2}}) {
        const std::vector<PageArea> areas{{0, 0, 0, 256, 200}, {1, 1, 1, 254, c.second_height}};
        const CompactionPlan plan = plan_pages(areas, {}, 2, {{0, 2, true}}, {depth});
        EXPECT_EQ(plan.summary.pages_after, c.pages_after);
        const std::vector<std::uint8_t> after = build_pages(plan, depth);
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const PageArea& a = areas[i];
            const TextureMove& m = plan.objects[i];
            EXPECT_EQ(ring(pixels.data(), a.page, a.x, a.y, a.width, a.height),
                      ring(after.data(), m.page, a.x + m.dx, a.y + m.dy, a.width, a.height))
                << "area " << i;
        }
    }
}

TEST(Compact, RefusesWhatItCannotCompactNamingTheFile) {
    TempDir dir;
    Bytes cut = make_level(LevelSpec(Game::tr3, 2)).bytes;
    cut.resize(cut.size() - 900);
    Bytes cut4 = make_level(LevelSpec(Game::tr4, 2)).bytes;
    cut4.resize(300);  // inside its blocks, read beside the walk
    Bytes off_page = make_level(LevelSpec(Game::tr2, 2)).bytes;
    const std::string good = dir.put("good.tr2", off_page);
    const LevelFile read = read_whole(good);
    put_i32(off_page, std::size_t(read.level->textures.places.objects_at) + 2, 7);  // page 7 of 2
    struct Case {
        std::string name;
        Bytes bytes;
        Msg reason;
    };
    const Case cases[] = {
        {"objects.wad", make_wad(3, 196608), Msg::CompactNotALevel},
        {"image.tga", make_tr2(1), Msg::CompactNotALevel},  // a level's bytes under an image's name
        {"cut.tr2", cut, Msg::StructureBeyondEnd},
        {"cut.tr4", cut4, Msg::StructureBeyondEnd},
        {"off.tr2", off_page, Msg::ObjectTextureOffPage},
    };
    for (const Case& c : cases) {
        const std::string name = dir.put(c.name, c.bytes);
        CountingProgress progress;
        try {
            compact_level(name, dir.file("out" + c.name), progress);
            ADD_FAILURE() << c.name << " compacted";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), Msg::CompactRefused) << e.what();
            EXPECT_EQ(e.reason(), c.reason) << e.what();
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos);
        }
        EXPECT_FALSE(file_exists(dir.file("out" + c.name)));
    }
    CountingProgress progress;
    EXPECT_THROW(compact_level(good, good, progress), Error);
    EXPECT_EQ(read_bytes(good), make_level(LevelSpec(Game::tr2, 2)).bytes);
}

}  // namespace
