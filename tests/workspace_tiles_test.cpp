// Tiles compared exactly and within a tolerance, duplicates removed from the
// target as one undo step, and the tiles no texture maps.
#include <gtest/gtest.h>

#include "model/tile_match.h"
#include "model/workspace.h"
#include "support/workspace_fixtures.h"

namespace tilesmith {
namespace {

TEST(TileMatch, ExactOrWithinTheToleranceOfEveryChannel) {
    const struct {
        int noise, tolerance;
        bool match;
    } cases[] = {{0, 0, true}, {1, 0, false}, {3, 3, true}, {4, 3, false}, {-4, 4, true}, {-5, 4, false}};
    for (const auto& c : cases) {
        const Package p = tiles_of({1, 1}, c.noise);
        EXPECT_EQ(tiles_match(tile_pixels(p, {0, 0}), tile_pixels(p, {1, 0}), c.tolerance), c.match)
            << c.noise << " " << c.tolerance;
    }
}

// The index finds, for every tile, the first earlier kind a plain comparison with each finds.
TEST(TileMatch, IndexAgreesWithComparingEveryPair) {
    std::vector<int> colours;
    for (int n = 0; n < 120; ++n) colours.push_back((n * 7919) % 23);
    for (const int tolerance : {0, 2, 40}) {
        const Package p = tiles_of(colours, 2);
        const TileClasses classes = classify_tiles(p, tolerance);
        std::vector<TileSpot> firsts;
        for (std::size_t n = 0; n < colours.size(); ++n) {
            int expected = -1;
            for (std::size_t k = 0; expected < 0 && k < firsts.size(); ++k)
                if (tiles_match(tile_pixels(p, {int(n), 0}), tile_pixels(p, firsts[k]), tolerance)) expected = int(k);
            if (expected < 0) {
                expected = int(firsts.size());
                firsts.push_back({int(n), 0});
            }
            ASSERT_EQ(classes.kind[n], expected) << "tile " << n << ", tolerance " << tolerance;
        }
        EXPECT_EQ(classes.distinct, int(firsts.size()));
    }
}

TEST(TileMatch, FindDuplicatesMarksThemInThePaneUntilTheNextClick) {
    Workspace ws;
    ws.files().use_source(tiles_of({4, 5, 4, 6, 4}, 2));
    ws.views().select(Side::source, Rect::of_size(2 * kTileSide, 0, kTileSide, kTileSide));
    EXPECT_EQ(ws.edits().mark_duplicates(Side::source, 0), 3);
    EXPECT_EQ(ws.view(Side::source).marked(), (std::vector<TileSpot>{{0, 0}, {2, 0}, {4, 0}}));
    EXPECT_EQ(ws.edits().mark_duplicates(Side::target, 0), 32);  // all silver
    EXPECT_TRUE(ws.views().press(Side::source, MouseButton::left, 5, 5));
    EXPECT_TRUE(ws.view(Side::source).marked().empty());
    EXPECT_EQ(ws.edits().mark_unused(Side::source), 0);  // no texture use known
}

TEST(TileMatch, RemovingDuplicatesPacksDistinctTilesForwardAsOneUndoStep) {
    Workspace ws;
    Package before = tiles_of({1, 2, 1, 3, 2, 3, 4, 4});
    // Wholly transparent tiles are tiles too: the first stays, the second is a duplicate.
    for (const int n : {2, 5}) before.fill_rect(n * kTileSide, 0, kTileSide, kTileSide, kTransparent);
    before.resize(before.width() + 10, before.height() + 20);  // strips narrower than a tile stay
    ws.edits().use_target(before.clone());
    const int opened = int(ws.document().history().undo_count());
    EXPECT_EQ(ws.edits().remove_duplicate_tiles(), 3);
    Package expected = before.clone();
    expected.copy_rect(tiles_of({1, 2, 0, 3, 4}), 0, 0, 5 * kTileSide, kTileSide, 0, 0);
    expected.fill_rect(2 * kTileSide, 0, kTileSide, kTileSide, kTransparent);
    expected.fill_rect(5 * kTileSide, 0, 3 * kTileSide, kTileSide, kTransparent);
    EXPECT_EQ(ws.document().target(), expected);
    EXPECT_EQ(int(ws.document().history().undo_count()), opened + 1);
    EXPECT_EQ(ws.edits().remove_duplicate_tiles(), 0);
    EXPECT_EQ(int(ws.document().history().undo_count()), opened + 1);
    ASSERT_TRUE(ws.edits().undo());
    EXPECT_EQ(ws.document().target(), before);
}

TEST(TileMatch, UnusedTilesAreThoseNoTextureMaps) {
    LevelTextureRefs refs;
    ObjectTextureRef face;
    face.page = 1;
    face.corner_count = 3;
    face.corners = {PageCorner{64, 0}, PageCorner{128, 0}, PageCorner{64, 64}, PageCorner{}};
    refs.objects.push_back(face);
    refs.sprites.push_back(SpriteTextureRef{0, 200, 200, 20, 20});
    const TextureUse use(refs, 2);
    const std::vector<TileSpot> unused = unused_tiles(Package(kPageSide, 2 * kPageSide), use);
    EXPECT_EQ(unused.size(), 30u);
    for (const TileSpot& t : unused)
        EXPECT_FALSE((t.column == 1 && t.row == 4) || (t.column == 3 && t.row == 3)) << t.column << "," << t.row;
}

}  // namespace
}  // namespace tilesmith
