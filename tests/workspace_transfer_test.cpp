// Tile transfer, package copy, new package and the clipboard tile of the workspace.
#include <gtest/gtest.h>

#include "model/workspace.h"
#include "support/workspace_fixtures.h"

using namespace tilesmith;

namespace {
struct Spot { int sel_x, sel_y, h, v; };
Spot spot(const Workspace& ws) {
    const Pane& p = ws.target_pane;
    return {p.sel_x, p.sel_y, p.h.position, p.v.position};
}
void expect_spot(const Workspace& ws, Spot s) {
    const Spot a = spot(ws);
    EXPECT_EQ(a.sel_x, s.sel_x);
    EXPECT_EQ(a.sel_y, s.sel_y);
    EXPECT_EQ(a.h, s.h);
    EXPECT_EQ(a.v, s.v);
}
}  // namespace

TEST(WorkspaceAdd, CopiesTheSelectedSourceTileOntoTheSelectedTargetTile) {
    Workspace ws;
    ws.source_package = pattern(512, 512, 7);
    ws.reset_pane(8, 8, 1);
    ws.source_pane.h.position = 2;
    ws.mouse_down(1, MouseButton::right, 9, 17);  // source package (136, 16)
    ws.mouse_down(2, MouseButton::left, 70, 140);  // target (64, 128)
    ws.options.automove = false;
    ws.tx_add();
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(ws.target_package.pixel(64 + i, 128 + j), ws.source_package.pixel(136 + i, 16 + j));
    EXPECT_EQ(ws.target_package.pixel(63, 128), kSilver);
    EXPECT_EQ(ws.target_package.pixel(128, 192), kSilver);
    EXPECT_EQ(ws.source_pane.sel_x, 8) << "the source selection never moves";
    expect_spot(ws, {64, 128, 0, 0});
    ws.tx_add();
    expect_spot(ws, {64, 128, 0, 0});
    EXPECT_EQ(ws.undo_count(), 2) << "each add is one undo step";
}

TEST(WorkspaceAdd, AutomaticMoveGoesOnInReadingOrder) {
    {
        SCOPED_TRACE("last pane column, no horizontal scroll: next row");
        Workspace ws;
        ws.target_pane.sel_x = 192;
        ws.tx_add();
        expect_spot(ws, {0, 64, 0, 0});
    }
    {
        SCOPED_TRACE("512 x 512: scroll right four times, then next row");
        Workspace ws;
        use_target(ws, Package(512, 512));
        ASSERT_EQ(ws.target_pane.h.max, 4);
        ws.target_pane.sel_x = 192;
        for (int k = 1; k <= 4; ++k) {
            ws.tx_add();
            expect_spot(ws, {192, 0, k, 0});
        }
        ws.tx_add();
        expect_spot(ws, {0, 64, 0, 0});
    }
    {
        SCOPED_TRACE("last tile of the package: stay");
        Workspace ws;
        ws.source_package = Package(256, 512, kBlack);
        ws.target_pane.sel_x = 192;
        ws.target_pane.sel_y = 448;
        ws.tx_add();
        expect_spot(ws, {192, 448, 0, 0});
        EXPECT_EQ(ws.target_package.pixel(255, 511), kBlack);
    }
    {
        SCOPED_TRACE("256 x 1024, last pane tile: scroll down, first column");
        Workspace ws;
        use_target(ws, Package(256, 1024));
        ASSERT_EQ(ws.target_pane.v.max, 8);
        ws.target_pane.sel_x = 192;
        ws.target_pane.sel_y = 448;
        ws.tx_add();
        expect_spot(ws, {0, 448, 0, 1});
    }
    {
        SCOPED_TRACE("scrolling down also scrolls back to the left edge");
        Workspace ws;
        use_target(ws, Package(512, 1024));
        ws.target_pane = {192, 448, {4, 4, true}, {3, 8, true}};
        ws.tx_add();
        expect_spot(ws, {0, 448, 0, 4});
    }
}

TEST(WorkspaceAdd, FreeSelectionKeepsItsOffsetUntilTheRowChanges) {
    Workspace ws;
    ws.mouse_down(2, MouseButton::right, 9, 9);  // (8, 8)
    ws.tx_add();
    expect_spot(ws, {72, 8, 0, 0});
    ws.target_pane.sel_x = 200;  // beyond a - 64: counts as the last column
    ws.tx_add();
    expect_spot(ws, {0, 72, 0, 0});
}

TEST(WorkspaceAdd, PackagesSmallerThanATileNeverAdvance) {
    // The comparisons are signed: a - 64 and b - 64 are negative here.
    Workspace ws;
    use_target(ws, Package(32, 40));
    ws.tx_add();
    expect_spot(ws, {0, 0, 0, 0});
    EXPECT_EQ(ws.target_package.pixel(31, 39), kSilver);
    EXPECT_EQ(ws.target_package.width(), 32);
}

TEST(WorkspaceDelete, FillsWithTheBackgroundColour) {
    Workspace ws;
    ws.source_package = pattern(256, 512);
    ws.options.automove = false;
    ws.tx_add();
    ws.tx_del();
    EXPECT_EQ(ws.target_package, Package(256, 512, kSilver));
    const PackedColor blue = pack_rgb(0, 0, 255);
    ws.pak_make(4, 8, blue, false);
    ws.target_pane.sel_x = 64;
    ws.target_package.fill_rect(64, 0, 64, 64, kWhite);
    ws.tx_del();
    EXPECT_EQ(ws.target_package.pixel(64, 0), blue);
    EXPECT_EQ(ws.target_package.pixel(127, 63), blue);
    EXPECT_EQ(ws.undo_count(), 1);
    expect_spot(ws, {64, 0, 0, 0});
}

TEST(WorkspaceTransparency, MagentaSourcePixelsPunchTheTarget) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    ws.source_pane.sel_x = 64;
    ws.target_pane.sel_y = 64;
    ws.source_package.set_pixel(64 + 3, 5, kTransparent);
    ws.source_package.set_pixel(64 + 63, 63, kTransparent);
    ws.source_package.set_pixel(64 + 10, 10, pack_rgb(254, 0, 255));  // near is not equal
    ws.tx_copytrans();
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool hole = (x == 3 && y == 64 + 5) || (x == 63 && y == 127);
            ASSERT_EQ(ws.target_package.pixel(x, y), hole ? kTransparent : original.pixel(x, y)) << x << "," << y;
        }
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package, original);
}

TEST(WorkspaceTransparency, MaskWithoutMagentaChangesNothingButCostsAStep) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    ws.tx_copytrans();
    EXPECT_EQ(ws.target_package, original);
    EXPECT_EQ(ws.undo_count(), 1);
}

TEST(WorkspaceTransparency, PixelsOutsideEitherPackageTakeNoPart) {
    Workspace ws;
    // Source smaller than its selection: only its 36 x 36 inside part is a mask.
    ws.source_package = Package(100, 100, kTransparent);
    ws.mouse_down(1, MouseButton::left, 70, 70);  // (64, 64)
    ws.tx_copytrans();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(ws.target_package.pixel(x, y) == kTransparent, x < 36 && y < 36);
    // Target smaller than its selection: only its 4 x 4 inside part changes.
    Workspace small;
    small.source_package = Package(256, 512, kTransparent);
    use_target(small, Package(100, 100));
    small.mouse_down(2, MouseButton::right, 100, 100);  // (96, 96)
    small.tx_copytrans();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(small.target_package.pixel(x, y) == kTransparent, x >= 96 && y >= 96);
}

TEST(WorkspaceCopyPackage, EqualSizesCopyPixelsAndClearUndo) {
    Workspace ws;
    ws.source_package = pattern(256, 512);
    ws.target_package.set_brush(pack_rgb(1, 2, 3));
    ws.target_file_name = "/tmp/kept.tga";
    ws.target_pane.sel_x = 128;
    ws.tx_del();
    EXPECT_FALSE(ws.tx_copy_sizes_differ());
    ws.tx_copy();
    EXPECT_EQ(ws.target_package, ws.source_package);
    EXPECT_EQ(ws.target_package.brush(), pack_rgb(1, 2, 3));
    EXPECT_FALSE(ws.undo_enabled());
    EXPECT_EQ(ws.target_file_name, "/tmp/kept.tga");
    expect_spot(ws, {0, 0, 0, 0});
}

TEST(WorkspaceCopyPackage, UnequalSizesResizeTheTarget) {
    Workspace ws;
    ws.source_package = pattern(320, 1024, 3);
    EXPECT_TRUE(ws.tx_copy_sizes_differ());
    ws.tx_copy();
    EXPECT_EQ(ws.target_package, ws.source_package);
    EXPECT_EQ(ws.target_pane.h.max, 1);
    EXPECT_EQ(ws.target_pane.v.max, 8);
    EXPECT_TRUE(ws.target_pane.h.enabled);
    EXPECT_EQ(ws.size_texts[2], "320 x 1024");
    EXPECT_EQ(ws.size_texts[3], "80");
    // A smaller source shrinks the target.
    ws.source_package = pattern(64, 128, 5);
    ws.tx_copy();
    EXPECT_EQ(ws.target_package, ws.source_package);
    EXPECT_EQ(ws.target_pane.h.max, 0);
}

TEST(WorkspaceEffect, RoutineGetsTheSelectedTargetCornerAfterOneUndoStep) {
    Workspace ws;
    use_target(ws, Package(512, 1024));
    ws.target_pane = {8, 16, {2, 4, true}, {3, 8, true}};
    int gx = -1, gy = -1;
    ws.apply_effect([&](Package& p, int x, int y) {
        gx = x;
        gy = y;
        EXPECT_EQ(&p, &ws.target_package);
    });
    EXPECT_EQ(gx, 136);
    EXPECT_EQ(gy, 208);
    EXPECT_EQ(ws.undo_count(), 1);
}

TEST(WorkspaceNewPackage, NewFillsWithTheBackgroundAndForgetsTheFileName) {
    Workspace ws;
    const PackedColor red = pack_rgb(255, 0, 0);
    ws.target_file_name = "/tmp/old.tga";
    ws.target_pane.sel_x = 64;
    ws.tx_del();
    ws.pak_make(6, 10, red, false);
    EXPECT_EQ(ws.target_package, Package(384, 640, red));
    EXPECT_EQ(ws.target_package.brush(), red);
    EXPECT_TRUE(ws.target_file_name.empty());
    EXPECT_FALSE(ws.undo_enabled());
    expect_spot(ws, {0, 0, 0, 0});
    EXPECT_EQ(ws.target_pane.h.max, 2);
    EXPECT_EQ(ws.target_pane.v.max, 2);
    EXPECT_EQ(ws.size_texts[2], "384 x 640");
    EXPECT_EQ(ws.size_texts[3], "60");
}

TEST(WorkspaceNewPackage, ModifyKeepsTopLeftPixelsAndTheFileName) {
    Workspace ws;
    const PackedColor blue = pack_rgb(0, 0, 255);
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    ws.target_file_name = "/tmp/kept.tga";
    ws.pak_make(6, 8, blue, true);
    ASSERT_EQ(ws.target_package.width(), 384);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 384; ++x)
            ASSERT_EQ(ws.target_package.pixel(x, y), x < 256 ? original.pixel(x, y) : blue);
    EXPECT_EQ(ws.target_file_name, "/tmp/kept.tga");
    // Cropping keeps what still fits.
    ws.pak_make(2, 1, blue, true);
    EXPECT_EQ(ws.target_package.height(), 64);
    EXPECT_EQ(ws.target_package.pixel(127, 63), original.pixel(127, 63));
}

TEST(WorkspaceNewPackage, SizesAreClampedToTheDialogRange) {
    Workspace ws;
    ws.pak_make(0, -5, kBlack, false);
    EXPECT_EQ(ws.target_package.width(), 64);
    EXPECT_EQ(ws.target_package.height(), 64);
    ws.pak_make(40, 200, kBlack, false);
    EXPECT_EQ(ws.target_package.width(), 2048);
    EXPECT_EQ(ws.target_package.height(), 8192);
}

TEST(WorkspaceClipboard, CopyTakesTheSelectedTileAndBackgroundOutside) {
    Workspace ws;
    use_target(ws, pattern(100, 100));
    ws.target_package.set_brush(pack_rgb(9, 9, 9));
    ws.mouse_down(2, MouseButton::right, 41, 41);  // (40, 40): 60 x 60 inside
    const Package tile = ws.copy_target_tile();
    ASSERT_EQ(tile.width(), 64);
    ASSERT_EQ(tile.height(), 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(tile.pixel(x, y),
                      x < 60 && y < 60 ? ws.target_package.pixel(40 + x, 40 + y) : pack_rgb(9, 9, 9));
    EXPECT_EQ(ws.undo_count(), 0);
}

TEST(WorkspaceClipboard, PasteWritesAtMostOneTileAndKeepsTheRest) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    ws.mouse_down(2, MouseButton::right, 9, 9);  // (8, 8)
    ws.paste_into_target(Package(32, 32, kBlack));
    ws.mouse_down(2, MouseButton::left, 1, 200);  // (0, 192)
    ws.paste_into_target(Package(128, 128, kWhite));
    EXPECT_EQ(ws.undo_count(), 2);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 256; ++x) {
            PackedColor want = original.pixel(x, y);
            if (x >= 8 && x < 40 && y >= 8 && y < 40) want = kBlack;
            if (x < 64 && y >= 192 && y < 256) want = kWhite;
            ASSERT_EQ(ws.target_package.pixel(x, y), want) << x << "," << y;
        }
    ws.paste_into_target(Package());
    EXPECT_EQ(ws.undo_count(), 2) << "an empty image changes nothing";
    ws.ed_cofnij();
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package, original);
}
