// Region transfer, package copy, new package and the clipboard of the workspace.
#include <gtest/gtest.h>

#include "model/workspace.h"
#include "support/workspace_fixtures.h"

using namespace tilesmith;

namespace {
// The target selection's top-left and the target view's scroll offset, in package pixels.
struct Spot { int left, top, scroll_x, scroll_y; };
void expect_spot(const Workspace& ws, Spot s) {
    const View& v = ws.view(Side::target);
    EXPECT_EQ(v.selection().left, s.left);
    EXPECT_EQ(v.selection().top, s.top);
    EXPECT_EQ(v.scroll_x(), s.scroll_x);
    EXPECT_EQ(v.scroll_y(), s.scroll_y);
}
void select(Workspace& ws, Side side, int left, int top, int columns = 1, int rows = 1) {
    ws.select(side, Rect::of_size(left, top, 64 * columns, 64 * rows));
}
}  // namespace

TEST(WorkspaceAdd, CopiesTheSelectedSourceTileOntoTheSelectedTargetTile) {
    Workspace ws;
    ws.use_source(pattern(512, 512, 7));
    ws.scroll_to(Side::source, 128, 0);
    ws.press(Side::source, MouseButton::right, 8, 16);  // source package (136, 16)
    ws.press(Side::target, MouseButton::left, 69, 139);  // target (64, 128)
    ws.set_automove(false);
    ws.tx_add();
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(ws.target_package().pixel(64 + i, 128 + j), ws.source_package().pixel(136 + i, 16 + j));
    EXPECT_EQ(ws.target_package().pixel(63, 128), kSilver);
    EXPECT_EQ(ws.target_package().pixel(128, 192), kSilver);
    EXPECT_EQ(ws.selected_source_rect().left, 136) << "the source selection never moves";
    expect_spot(ws, {64, 128, 0, 0});
    ws.tx_add();
    expect_spot(ws, {64, 128, 0, 0});
    EXPECT_EQ(ws.undo_count(), 2) << "each add is one undo step";
}

TEST(WorkspaceAdd, AutomaticMoveGoesOnInReadingOrder) {
    {
        SCOPED_TRACE("last pane column, no horizontal scroll: next row");
        Workspace ws;
        select(ws, Side::target, 192, 0);
        ws.tx_add();
        expect_spot(ws, {0, 64, 0, 0});
    }
    {
        SCOPED_TRACE("512 x 512: scroll right four times, then next row");
        Workspace ws;
        use_target(ws, Package(512, 512));
        ASSERT_EQ(ws.view(Side::target).max_scroll_x(), 256);
        select(ws, Side::target, 192, 0);
        for (int k = 1; k <= 4; ++k) {
            ws.tx_add();
            expect_spot(ws, {192 + 64 * k, 0, 64 * k, 0});
        }
        ws.tx_add();
        expect_spot(ws, {0, 64, 0, 0});
    }
    {
        SCOPED_TRACE("last tile of the package: stay");
        Workspace ws;
        ws.use_source(Package(256, 512, kBlack));
        select(ws, Side::target, 192, 448);
        ws.tx_add();
        expect_spot(ws, {192, 448, 0, 0});
        EXPECT_EQ(ws.target_package().pixel(255, 511), kBlack);
    }
    {
        SCOPED_TRACE("256 x 1024, last pane tile: scroll down, first column");
        Workspace ws;
        use_target(ws, Package(256, 1024));
        ASSERT_EQ(ws.view(Side::target).max_scroll_y(), 512);
        select(ws, Side::target, 192, 448);
        ws.tx_add();
        expect_spot(ws, {0, 512, 0, 64});
    }
    {
        SCOPED_TRACE("scrolling down also scrolls back to the left edge");
        Workspace ws;
        use_target(ws, Package(512, 1024));
        ws.scroll_to(Side::target, 256, 192);
        select(ws, Side::target, 448, 640);
        ws.tx_add();
        expect_spot(ws, {0, 704, 0, 256});
    }
}

TEST(WorkspaceAdd, FreeSelectionKeepsItsOffsetUntilTheRowChanges) {
    Workspace ws;
    ws.press(Side::target, MouseButton::right, 8, 8);  // (8, 8)
    ws.tx_add();
    expect_spot(ws, {72, 8, 0, 0});
    ws.press(Side::target, MouseButton::right, 200, 8);  // reaches past the package: the last column
    ws.tx_add();
    expect_spot(ws, {0, 72, 0, 0});
}

TEST(WorkspaceAdd, PackagesSmallerThanATileNeverAdvance) {
    Workspace ws;
    use_target(ws, Package(32, 40));
    ws.tx_add();
    expect_spot(ws, {0, 0, 0, 0});
    EXPECT_EQ(ws.target_package().pixel(31, 39), kSilver);
    EXPECT_EQ(ws.target_package().width(), 32);
}

TEST(WorkspaceDelete, FillsWithTheBackgroundColour) {
    Workspace ws;
    ws.use_source(pattern(256, 512));
    ws.set_automove(false);
    ws.tx_add();
    ws.tx_del();
    EXPECT_EQ(ws.target_package(), Package(256, 512, kSilver));
    const PackedColor blue = pack_rgb(0, 0, 255);
    ws.make_package(4, 8, blue, false);
    select(ws, Side::target, 64, 0);
    ws.apply_effect(Msg::Delete, [](Package& p, const Rect& a) { p.fill_rect(a.left, a.top, a.width(), a.height(), kWhite); });
    ws.tx_del();
    EXPECT_EQ(ws.target_package().pixel(64, 0), blue);
    EXPECT_EQ(ws.target_package().pixel(127, 63), blue);
    EXPECT_EQ(ws.undo_count(), 5) << "add, delete, new package, the effect, delete";
    expect_spot(ws, {64, 0, 0, 0});
}

TEST(WorkspaceTransparency, MagentaSourcePixelsPunchTheTarget) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package().clone();
    Package mask(256, 512);
    mask.set_pixel(64 + 3, 5, kTransparent);
    mask.set_pixel(64 + 63, 63, kTransparent);
    mask.set_pixel(64 + 10, 10, pack_rgb(254, 0, 255));  // near is not equal
    ws.use_source(std::move(mask));
    select(ws, Side::source, 64, 0);
    select(ws, Side::target, 0, 64);
    ws.tx_copytrans();
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool hole = (x == 3 && y == 64 + 5) || (x == 63 && y == 127);
            ASSERT_EQ(ws.target_package().pixel(x, y), hole ? kTransparent : original.pixel(x, y)) << x << "," << y;
        }
    ws.undo();
    EXPECT_EQ(ws.target_package(), original);
}

TEST(WorkspaceTransparency, MaskWithoutMagentaChangesNothingButCostsAStep) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package().clone();
    ws.tx_copytrans();
    EXPECT_EQ(ws.target_package(), original);
    EXPECT_EQ(ws.undo_count(), 2) << "the open, then the mask";
}

TEST(WorkspaceTransparency, PixelsOutsideEitherPackageTakeNoPart) {
    Workspace ws;
    // Source smaller than its selection: only its 36 x 36 inside part is a mask.
    ws.use_source(Package(100, 100, kTransparent));
    ws.press(Side::source, MouseButton::left, 69, 69);  // (64, 64)
    ws.tx_copytrans();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(ws.target_package().pixel(x, y) == kTransparent, x < 36 && y < 36);
    // Target smaller than its selection: only its 4 x 4 inside part changes.
    Workspace small;
    small.use_source(Package(256, 512, kTransparent));
    use_target(small, Package(100, 100));
    small.press(Side::target, MouseButton::right, 99, 99);  // (96, 96)
    small.tx_copytrans();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(small.target_package().pixel(x, y) == kTransparent, x >= 96 && y >= 96);
}

TEST(WorkspaceCopyPackage, EqualSizesCopyPixelsAndClearUndo) {
    Workspace ws;
    ws.use_source(pattern(256, 512));
    use_target(ws, Package(256, 512, pack_rgb(1, 2, 3)));
    ws.set_target_file_name("/tmp/kept.tga");
    select(ws, Side::target, 128, 0);
    ws.tx_del();
    EXPECT_FALSE(ws.package_sizes_differ());
    ws.tx_copy();
    EXPECT_EQ(ws.target_package(), ws.source_package());
    EXPECT_EQ(ws.target_package().brush(), pack_rgb(1, 2, 3));
    EXPECT_EQ(ws.undo_name()->text(Language::English), "Copy package");
    EXPECT_EQ(ws.target_file_name(), "/tmp/kept.tga");
    expect_spot(ws, {0, 0, 0, 0});
}

TEST(WorkspaceCopyPackage, UnequalSizesResizeTheTarget) {
    Workspace ws;
    ws.use_source(pattern(320, 1024, 3));
    EXPECT_TRUE(ws.package_sizes_differ());
    ws.tx_copy();
    EXPECT_EQ(ws.target_package(), ws.source_package());
    EXPECT_EQ(ws.view(Side::target).max_scroll_x(), 64);
    EXPECT_EQ(ws.view(Side::target).max_scroll_y(), 512);
    EXPECT_EQ(ws.size_texts()[2], "320 x 1024");
    EXPECT_EQ(ws.size_texts()[3], "80");
    // A smaller source shrinks the target.
    ws.use_source(pattern(64, 128, 5));
    ws.tx_copy();
    EXPECT_EQ(ws.target_package(), ws.source_package());
    EXPECT_EQ(ws.view(Side::target).max_scroll_x(), 0);
}

TEST(WorkspaceEffect, RoutineGetsTheSelectedTargetAreaAfterOneUndoStep) {
    Workspace ws;
    use_target(ws, Package(512, 1024));
    ws.scroll_to(Side::target, 128, 192);
    ws.press(Side::target, MouseButton::right, 8, 16);
    Rect got;
    ws.apply_effect(Msg::Delete, [&](Package& p, const Rect& a) {
        got = a;
        EXPECT_EQ(&p, &ws.target_package());
    });
    EXPECT_EQ(got, Rect::of_size(136, 208, 64, 64));
    EXPECT_EQ(ws.undo_count(), 2);
}

TEST(WorkspaceNewPackage, NewFillsWithTheBackgroundAndForgetsTheFileName) {
    Workspace ws;
    const PackedColor red = pack_rgb(255, 0, 0);
    ws.set_target_file_name("/tmp/old.tga");
    select(ws, Side::target, 64, 0);
    ws.tx_del();
    ws.make_package(6, 10, red, false);
    EXPECT_EQ(ws.target_package(), Package(384, 640, red));
    EXPECT_EQ(ws.target_package().brush(), red);
    EXPECT_TRUE(ws.target_file_name().empty());
    EXPECT_EQ(ws.undo_name()->text(Language::English), "New package");
    expect_spot(ws, {0, 0, 0, 0});
    EXPECT_EQ(ws.view(Side::target).max_scroll_x(), 128);
    EXPECT_EQ(ws.view(Side::target).max_scroll_y(), 128);
    EXPECT_EQ(ws.size_texts()[2], "384 x 640");
    EXPECT_EQ(ws.size_texts()[3], "60");
}

TEST(WorkspaceNewPackage, ModifyKeepsTopLeftPixelsAndTheFileName) {
    Workspace ws;
    const PackedColor blue = pack_rgb(0, 0, 255);
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package().clone();
    ws.set_target_file_name("/tmp/kept.tga");
    ws.make_package(6, 8, blue, true);
    ASSERT_EQ(ws.target_package().width(), 384);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 384; ++x)
            ASSERT_EQ(ws.target_package().pixel(x, y), x < 256 ? original.pixel(x, y) : blue);
    EXPECT_EQ(ws.target_file_name(), "/tmp/kept.tga");
    // Cropping keeps what still fits.
    ws.make_package(2, 1, blue, true);
    EXPECT_EQ(ws.target_package().height(), 64);
    EXPECT_EQ(ws.target_package().pixel(127, 63), original.pixel(127, 63));
}

TEST(WorkspaceNewPackage, SizesAreClampedToTheDialogRange) {
    Workspace ws;
    ws.make_package(0, -5, kBlack, false);
    EXPECT_EQ(ws.target_package().width(), 64);
    EXPECT_EQ(ws.target_package().height(), 64);
    ws.make_package(40, 200, kBlack, false);
    EXPECT_EQ(ws.target_package().width(), 2048);
    EXPECT_EQ(ws.target_package().height(), 8192);
}

TEST(WorkspaceClipboard, CopyTakesTheSelectedTileAndBackgroundOutside) {
    Workspace ws;
    Package small = pattern(100, 100);
    small.set_brush(pack_rgb(9, 9, 9));
    use_target(ws, std::move(small));
    ws.press(Side::target, MouseButton::right, 40, 40);  // (40, 40): 60 x 60 inside
    const Package tile = ws.copy_selection(Side::target);
    ASSERT_EQ(tile.width(), 64);
    ASSERT_EQ(tile.height(), 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(tile.pixel(x, y),
                      x < 60 && y < 60 ? ws.target_package().pixel(40 + x, 40 + y) : pack_rgb(9, 9, 9));
    EXPECT_EQ(ws.undo_count(), 1) << "only the open";
}

TEST(WorkspaceClipboard, PasteWritesTheWholeImageClippedByThePackageAsOneStep) {
    struct Case { int left, top, w, h; Rect written; };
    // A 256 x 512 target: a small image on the free grid, a 2 x 2 image
    // inside, a 2 x 2 image at the right edge (half of it falls outside).
    const Case cases[] = {
        {8, 8, 32, 32, Rect::of_size(8, 8, 32, 32)},
        {64, 192, 128, 128, Rect::of_size(64, 192, 128, 128)},
        {192, 448, 128, 128, Rect::of_size(192, 448, 64, 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        Workspace ws;
        use_target(ws, pattern(256, 512));
        const Package original = ws.target_package().clone();
        const int opened = ws.undo_count();
        ws.select(Side::target, Rect::of_size(c.left, c.top, 64, 64));
        Package image = pattern(c.w, c.h, 3);
        ws.paste_into_target(image);
        EXPECT_EQ(ws.undo_count(), opened + 1);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(ws.target_package().pixel(x, y), c.written.contains(x, y) ? image.pixel(x - c.left, y - c.top)
                                                                                    : original.pixel(x, y))
                    << x << "," << y;
        const Rect selected = ws.selected_target_rect();
        EXPECT_EQ(selected.width(), std::max(c.written.width(), 64)) << "the selection takes the pasted size";
        EXPECT_EQ(selected.height(), std::max(c.written.height(), 64));
        ws.paste_into_target(Package());
        EXPECT_EQ(ws.undo_count(), opened + 1) << "an empty image changes nothing";
        ws.undo();
        EXPECT_EQ(ws.target_package(), original);
    }
}

TEST(WorkspaceClipboard, CopyTakesTheLastClickedPaneAndSelectAllItsWholePackage) {
    Workspace ws;
    ws.use_source(pattern(512, 256, 2));
    use_target(ws, pattern(256, 512, 5));
    ws.press(Side::source, MouseButton::left, 70, 10);  // source tile (64, 0)
    Package tile(64, 64);
    tile.copy_rect(ws.source_package(), 64, 0, 64, 64, 0, 0);
    EXPECT_EQ(ws.copy_selection(ws.last_clicked()), tile);
    ws.select_all();
    EXPECT_EQ(ws.selected_source_rect(), Rect::of_size(0, 0, 512, 256));
    EXPECT_EQ(ws.selected_target_rect(), Rect::of_size(0, 0, 64, 64)) << "the other pane keeps its selection";
    ws.press(Side::target, MouseButton::left, 10, 10);
    ws.select_all();
    EXPECT_EQ(ws.selected_target_rect(), Rect::of_size(0, 0, 256, 512));
    EXPECT_EQ(ws.copy_selection(Side::target), ws.target_package());
}

TEST(WorkspaceRegions, AddCopiesTheRegionClippedAtTheTargetAndMovesOnByItsWidth) {
    struct Case { int left, top; Spot after; int width, left_out; };
    // A 320 x 256 target (5 x 4 tiles) and a 2 x 2 source region: inside, at
    // the right edge (half of it falls outside), at the bottom-right corner
    // (where it stays, kept inside the package).
    for (Case c : {Case{0, 0, {128, 0, 0, 0}, 128, 0}, Case{256, 0, {0, 128, 0, 0}, 128, 2},
                   Case{256, 192, {256, 192, 0, 0}, 64, 3}}) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        Workspace ws;
        ws.use_source(pattern(512, 512, 4));
        use_target(ws, pattern(320, 256));
        const Package original = ws.target_package().clone();
        select(ws, Side::source, 64, 128, 2, 2);
        select(ws, Side::target, c.left, c.top);
        const std::optional<Phrase> note = ws.tx_add();
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 320; ++x) {
                const bool inside = x >= c.left && x < c.left + 128 && y >= c.top && y < c.top + 128;
                ASSERT_EQ(ws.target_package().pixel(x, y),
                          inside ? ws.source_package().pixel(64 + x - c.left, 128 + y - c.top) : original.pixel(x, y));
            }
        expect_spot(ws, c.after);
        EXPECT_EQ(ws.selected_target_rect().width(), c.width) << "the source's size, inside the package";
        EXPECT_LE(ws.selected_target_rect().right, 320);
        if (c.left_out == 0) {
            EXPECT_FALSE(note);
        } else {
            ASSERT_TRUE(note);
            EXPECT_EQ(note->text(Language::English),
                      "Tiles left out, past the edge of the target package: " + std::to_string(c.left_out) + " of 4.");
        }
        EXPECT_EQ(ws.undo_count(), 2);
        ws.undo();
        EXPECT_EQ(ws.target_package(), original);
    }
}

TEST(WorkspaceRegions, AnEffectRunsOnceOnTheWholeRegionAsOneStep) {
    Workspace ws;
    use_target(ws, pattern(512, 512));
    const Package original = ws.target_package().clone();
    select(ws, Side::target, 64, 128, 3, 2);
    std::vector<Rect> areas;
    ws.apply_effect(Msg::Delete, [&](Package& p, const Rect& a) {
        areas.push_back(a);
        p.fill_rect(a.left, a.top, a.width(), a.height(), kBlack);
    });
    EXPECT_EQ(areas, std::vector<Rect>{Rect::of_size(64, 128, 192, 128)});
    EXPECT_EQ(ws.copy_selection(Side::target), Package(192, 128, kBlack)) << "copy takes the whole region";
    EXPECT_EQ(ws.undo_count(), 2);
    ws.undo();
    EXPECT_EQ(ws.target_package(), original);
}
