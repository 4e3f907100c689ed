// Find duplicates, Remove duplicate tiles and Select unused tiles through the
// Texture menu: what the pane marks and the status bar counts.
#include <QLabel>

#include "gui_window_support.h"
#include "support/level_builder.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class DuplicateTiles : public WindowTest {
protected:
    QString note() { return window->findChild<QLabel*>(QStringLiteral("written_note"))->text(); }
    bool shown(Side side, QPoint at) {
        const PackedColor c = ws().package(side).pixel(at.x(), at.y());
        return window->pane_image(side == Side::source ? 1 : 2).pixel(at) == qRgb(red_of(c), green_of(c), blue_of(c));
    }
};

TEST_F(DuplicateTiles, FindMarksEqualTilesAndRemovePacksTheTarget) {
    // Two rows of four tiles, of kinds 0 1 0 2 / 1 1 3 0.
    write_tga(path("t.tga"), 256, 128, [](int x, int y) {
        constexpr int kinds[] = {0, 1, 0, 2, 1, 1, 3, 0};
        return pattern(x % 64 + 64 * kinds[(y / 64) * 4 + x / 64], y % 64);
    });
    MainWindow& w = open();
    host.open_answers = {path("t.tga")};
    trigger("open_target");
    click(w.findChild<QWidget*>(QStringLiteral("target_pane")), Qt::LeftButton, QPoint(2 * 64 + 5, 5));
    host.number_answers = {0};
    trigger("find_duplicates");
    EXPECT_EQ(ws().view(Side::target).marked(), (std::vector<TileSpot>{{0, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(note(), qs(Phrase(Msg::TilesMarked).arg(3).text(Language::Polish)));
    EXPECT_FALSE(shown(Side::target, QPoint(3 * 64 + 30, 64 + 30))) << "a marked tile is veiled";
    EXPECT_TRUE(shown(Side::target, QPoint(64 + 30, 30)));

    trigger("remove_duplicates");
    EXPECT_EQ(note(), qs(Phrase(Msg::DuplicatesRemoved).arg(4).text(Language::Polish)));
    EXPECT_TRUE(ws().view(Side::target).marked().empty());
    EXPECT_EQ(ws().document().target().pixel(3 * 64, 0), pattern(3 * 64, 0));  // kind 3 is fourth now
    EXPECT_EQ(ws().document().target().pixel(64, 64), kTransparent);
    trigger("undo");
    EXPECT_EQ(ws().document().target().pixel(64, 64), pattern(64, 0));
}

TEST_F(DuplicateTiles, SelectUnusedMarksWhatNoTextureOfTheLevelMaps) {
    const BuiltLevel level = make_level(LevelSpec(Game::tr2, 2));
    write_bytes(path("level.tr2").toStdString(), level.bytes);
    MainWindow& w = open();
    host.open_answers = {path("level.tr2")};
    trigger("open_source");
    click(w.findChild<QWidget*>(QStringLiteral("source_pane")), Qt::LeftButton, QPoint(5, 5));
    trigger("select_unused");
    const TextureUse* use = ws().origins().texture_use(Side::source);
    ASSERT_NE(use, nullptr);
    EXPECT_EQ(int(ws().view(Side::source).marked().size()), use->unused_tiles(0) + use->unused_tiles(1));
    EXPECT_EQ(note(), qs(Phrase(Msg::TilesMarked).arg(ws().view(Side::source).marked().size()).text(Language::Polish)));

    click(w.findChild<QWidget*>(QStringLiteral("target_pane")), Qt::LeftButton, QPoint(5, 5));
    trigger("select_unused");
    EXPECT_EQ(host.informations.value(0), qs(text_of(Msg::TextureUseOnlyInLevels, Language::Polish)));
}

}  // namespace
