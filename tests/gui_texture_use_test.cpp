// "Show texture use" over a level's pages, through the window's real actions:
// unused pixels dimmed, the status bar's count of faces, and the note after an
// export that counts the changed tiles the level maps.
#include <QLabel>

#include <QTimer>

#include "gui_window_support.h"
#include "support/level_builder.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class TextureUseView : public WindowTest {};

TEST_F(TextureUseView, DimsWhatNoTextureMapsCountsFacesAndNotesChangedTilesAfterAnExport) {
    const BuiltLevel level = make_level(LevelSpec(Game::tr2, 2));
    write_bytes(path("base.tr2").toStdString(), level.bytes);
    MainWindow& w = open();
    host.open_answers = {path("base.tr2")};
    trigger("open_target");
    // Read with the level: showing it reads no file.
    const TextureUse* use = ws().origins().texture_use(Side::target);
    trigger("view_texuse");
    ASSERT_NE(use, nullptr);
    EXPECT_EQ(use->object_texture_count(), level.object_textures);

    // One tile the level maps and one it does not, on the first page.
    TileSpot used{-1, -1}, unused{-1, -1};
    for (int t = 0; t < 16; ++t) {
        const TileSpot spot{t % 4, t / 4};
        if (use->tile_used(spot.column, spot.row)) used = spot;
        else unused = spot;
    }
    ASSERT_GE(used.column, 0);
    ASSERT_GE(unused.column, 0);
    const QImage pane = w.pane_image(2);
    const QPoint inside(unused.column * 64 + 30, unused.row * 64 + 30);
    const PackedColor c = ws().document().target().pixel(inside.x(), inside.y());
    EXPECT_EQ(pane.pixel(inside), qRgb(red_of(c) / 2, green_of(c) / 2, blue_of(c) / 2));

    QMouseEvent move(QEvent::MouseMove, QPointF(used.column * 64 + 31, used.row * 64 + 31), QPointF(), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.findChild<QWidget*>(QStringLiteral("target_pane")), &move);
    const PixelUse placed = use->placed_at(used.column * 64 + 31, used.row * 64 + 31);
    EXPECT_TRUE(w.panel_text(8).endsWith(qs(used_by(placed, Language::Polish).text(Language::Polish)))) << placed.total();

    for (const TileSpot t : {used, unused}) {
        ws().views().select(Side::target, Rect::of_size(t.column * 64, t.row * 64, 64, 64));
        trigger("tx_del");
    }
    trigger("language_en");
    host.open_answers = {path("base.tr2")};
    host.save_answers = {path("the level as it will be played on the day it ships.tr2")};
    trigger("export_to_level");
    const QLabel* note = w.findChild<QLabel*>(QStringLiteral("written_note"));
    EXPECT_TRUE(note->text().contains(QStringLiteral("Tiles changed: 2, of them used by the level: 1")));
    EXPECT_GT(note->height(), 18) << "the note wraps, never cut";
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_FALSE(w.findChild<QTimer*>(QStringLiteral("note_timer"))->isActive()) << "it stays until the next command";
    trigger("select_all");
    EXPECT_FALSE(note->isVisible());
}

}  // namespace
