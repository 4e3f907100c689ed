// The workspace model: panes, mouse selection and the undo ring.
#include <gtest/gtest.h>

#include "model/workspace.h"
#include "support/workspace_fixtures.h"

using namespace tilesmith;

namespace {
void fill_tile(Workspace& ws, PackedColor c) {
    ws.apply_effect([c](Package& p, int x, int y) { p.fill_rect(x, y, 64, 64, c); });
}
}  // namespace

TEST(WorkspacePanes, StartsWithTwoSilverPackagesAndResetPanes) {
    Workspace ws;
    EXPECT_EQ(ws.source_package, Package(256, 512, kSilver));
    EXPECT_EQ(ws.target_package, Package(256, 512, kSilver));
    EXPECT_EQ(ws.target_package.brush(), kSilver);
    for (int p : {1, 2}) {
        EXPECT_EQ(ws.pane(p).h.max, 0);
        EXPECT_EQ(ws.pane(p).v.max, 0);
        EXPECT_FALSE(ws.pane(p).h.enabled);
        EXPECT_FALSE(ws.pane(p).v.enabled);
    }
    EXPECT_FALSE(ws.undo_enabled());
    EXPECT_TRUE(ws.target_file_name.empty());
    EXPECT_EQ(ws.size_texts[1], "32");
}

TEST(WorkspacePanes, ResetPaneMaximaFollowThePackageSize) {
    struct Case { int w, h, hmax, vmax; };
    // Smaller than the pane, exact, one column more, long, and 300 tile rows.
    for (Case c : {Case{128, 256, 0, 0}, Case{256, 512, 0, 0}, Case{320, 512, 1, 0},
                   Case{256, 2048, 0, 24}, Case{256, 19200, 0, 292}}) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        Workspace ws;
        ws.target_pane = {72, 24, {3, 9, true}, {5, 9, true}};
        ws.source_pane = {8, 8, {0, 0, false}, {0, 0, false}};
        ws.reset_pane(c.w / 64, c.h / 64, 2);
        const Pane& p = ws.target_pane;
        EXPECT_EQ(p.h.max, c.hmax);
        EXPECT_EQ(p.v.max, c.vmax);
        EXPECT_EQ(p.h.enabled, c.hmax != 0);
        EXPECT_EQ(p.v.enabled, c.vmax != 0);
        EXPECT_EQ(p.h.position, 0);
        EXPECT_EQ(p.v.position, 0);
        EXPECT_EQ(p.sel_x, 0);
        EXPECT_EQ(p.sel_y, 0);
        EXPECT_EQ(ws.source_pane.sel_x, 8) << "the other pane is untouched";
        ws.reset_pane(1, 1, 3);
        EXPECT_EQ(ws.source_pane.sel_x, 8) << "pane 3 does not exist";
    }
}

TEST(WorkspacePanes, LongPackageScrollsToItsLastTileRow) {
    Workspace ws;
    use_target(ws, Package(256, 19200));
    ws.target_pane.v.position = ws.target_pane.v.max;
    ws.target_pane.sel_y = 448;
    EXPECT_EQ(ws.selected_target_rect().bottom, 19200);
}

TEST(WorkspacePanes, ShowPackageSizesWritesSizeAndTileCount) {
    Workspace ws;
    ws.target_package = Package(256, 2048);
    ws.show_package_sizes();
    EXPECT_EQ(ws.size_texts[0], "256 x 512");
    EXPECT_EQ(ws.size_texts[1], "32");
    EXPECT_EQ(ws.size_texts[2], "256 x 2048");
    EXPECT_EQ(ws.size_texts[3], "128");
    ws.source_package = Package(100, 70);  // not whole tiles: the count rounds down
    ws.show_package_sizes();
    EXPECT_EQ(ws.size_texts[0], "100 x 70");
    EXPECT_EQ(ws.size_texts[1], "1");
}

TEST(WorkspaceMouse, LeftAndMiddleSelectTheTileUnderThePointer) {
    Workspace ws;
    EXPECT_FALSE(ws.mouse_down(2, MouseButton::left, 1, 1));  // already (0, 0)
    EXPECT_TRUE(ws.mouse_down(2, MouseButton::left, 65, 1));
    EXPECT_EQ(ws.target_pane.sel_x, 64);
    EXPECT_TRUE(ws.mouse_down(2, MouseButton::left, 64, 64));
    EXPECT_EQ(ws.target_pane.sel_x, 0);
    EXPECT_EQ(ws.target_pane.sel_y, 0);
    EXPECT_TRUE(ws.mouse_down(2, MouseButton::middle, 256, 512));
    EXPECT_EQ(ws.target_pane.sel_x, 192);
    EXPECT_EQ(ws.target_pane.sel_y, 448);
    EXPECT_EQ(ws.source_pane.sel_x, 0) << "the source pane is independent";
}

TEST(WorkspaceMouse, RightButtonPlacesOnTheEightPixelGrid) {
    Workspace ws;
    ws.source_pane.h = {2, 4, true};
    EXPECT_TRUE(ws.mouse_down(1, MouseButton::right, 13, 30));
    EXPECT_EQ(ws.source_pane.sel_x, 8);
    EXPECT_EQ(ws.source_pane.sel_y, 24);
    EXPECT_EQ(ws.source_pane.h.position, 2) << "a click never scrolls";
    EXPECT_EQ(ws.selected_source_rect(), (Rect{136, 24, 200, 88}));
}

TEST(WorkspaceMouse, BevelAndOutsideThePackageAreIgnored) {
    Workspace ws;
    ws.source_package = Package(128, 256);
    ws.source_pane.sel_x = 64;
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {129, 5}, {5, 257}, {-3, 5}, {257, 513}})
        EXPECT_FALSE(ws.mouse_down(1, MouseButton::left, x, y)) << x << "," << y;
    EXPECT_EQ(ws.source_pane.sel_x, 64);
    EXPECT_TRUE(ws.mouse_down(1, MouseButton::right, 128, 256));
    EXPECT_EQ(ws.source_pane.sel_x, 120);
    EXPECT_EQ(ws.source_pane.sel_y, 248);
    // The full-size target: beyond the pane is outside even though the package goes on.
    ws.target_package = Package(512, 1024);
    EXPECT_FALSE(ws.mouse_down(2, MouseButton::left, 257, 1));
    EXPECT_FALSE(ws.mouse_down(2, MouseButton::left, 1, 513));
    EXPECT_FALSE(ws.mouse_down(3, MouseButton::left, 1, 1));
}

TEST(WorkspaceGrid, OnlyTheFiveStepsAreKept) {
    Workspace ws;
    for (int s : {8, 16, 32, 64, 128}) {
        ws.set_grid_step(s);
        EXPECT_EQ(ws.options.grid_step, s);
    }
    for (int s : {0, 7, 65, 256, -64}) {
        ws.set_grid_step(8);
        ws.set_grid_step(s);
        EXPECT_EQ(ws.options.grid_step, 64) << s;
    }
}

TEST(WorkspaceUndo, FiftyOneChangesThenFiftyUndosGiveTheFirstChange) {
    Workspace ws;
    for (int k = 1; k <= 51; ++k) fill_tile(ws, pack_rgb(std::uint8_t(k), 0, 0));
    EXPECT_EQ(ws.undo_count(), 50);
    for (int k = 0; k < 50; ++k) {
        EXPECT_TRUE(ws.undo_enabled());
        EXPECT_TRUE(ws.ed_cofnij());
    }
    EXPECT_EQ(ws.target_package.pixel(0, 0), pack_rgb(1, 0, 0));
    EXPECT_EQ(ws.target_package.pixel(63, 63), pack_rgb(1, 0, 0));
    EXPECT_EQ(ws.target_package.pixel(64, 0), kSilver);
    EXPECT_FALSE(ws.undo_enabled());
    EXPECT_FALSE(ws.ed_cofnij());
    EXPECT_EQ(ws.target_package.pixel(0, 0), pack_rgb(1, 0, 0));
}

TEST(WorkspaceUndo, RingKeepsWorkingAfterWrappingManyTimes) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < 37; ++k) {
            ws.mouse_down(2, MouseButton::right, 1 + 8 * (k % 25), 1 + 8 * (k % 50));
            fill_tile(ws, pack_rgb(std::uint8_t(k), std::uint8_t(round), 9));
        }
        for (int k = 0; k < 37; ++k) ASSERT_TRUE(ws.ed_cofnij());
        EXPECT_EQ(ws.target_package, original);
    }
}

TEST(WorkspaceUndo, TwoChangesOnAnUnalignedRectangleUndoExactly) {
    Workspace ws;
    use_target(ws, pattern(256, 512));
    const Package original = ws.target_package.clone();
    ws.mouse_down(2, MouseButton::right, 13, 30);  // (8, 24)
    fill_tile(ws, kBlack);
    fill_tile(ws, kWhite);
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package.pixel(8, 24), kBlack);
    EXPECT_EQ(ws.target_package.pixel(71, 87), kBlack);
    EXPECT_NE(ws.target_package.pixel(72, 88), kBlack);
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package, original);
}

TEST(WorkspaceUndo, UndoAfterScrollingRestoresAtTheSavedPlace) {
    Workspace ws;
    use_target(ws, pattern(512, 1024));
    const Package original = ws.target_package.clone();
    ws.target_pane.h.position = 1;
    ws.target_pane.v.position = 2;
    ws.mouse_down(2, MouseButton::left, 70, 70);  // package (128, 192)
    fill_tile(ws, kWhite);
    ws.target_pane.h.position = 3;
    ws.target_pane.v.position = 0;
    ws.mouse_down(2, MouseButton::right, 20, 300);
    const Pane before = ws.target_pane;
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package, original);
    EXPECT_EQ(ws.target_pane.sel_x, before.sel_x);
    EXPECT_EQ(ws.target_pane.sel_y, before.sel_y);
    EXPECT_EQ(ws.target_pane.h.position, 3);
    EXPECT_EQ(ws.target_pane.v.position, 0);
}

TEST(WorkspaceUndo, RectanglePastThePackageTouchesOnlyItsInside) {
    Workspace ws;
    use_target(ws, pattern(100, 100));
    const Package original = ws.target_package.clone();
    ws.mouse_down(2, MouseButton::right, 100, 100);  // (96, 96): 4 x 4 pixels inside
    fill_tile(ws, kWhite);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(ws.target_package.pixel(x, y) == kWhite, x >= 96 && y >= 96) << x << "," << y;
    ws.ed_cofnij();
    EXPECT_EQ(ws.target_package, original);
}

TEST(WorkspaceUndo, RingClipsRectanglesOnEverySide) {
    UndoRing ring;
    Package target = pattern(100, 100);
    const Package original = target.clone();
    ring.push(target, {-32, -16, 32, 48});
    ring.push(target, {90, 200, 154, 264});  // wholly outside: nothing read
    target.fill_rect(0, 0, 100, 100, kBlack);
    EXPECT_TRUE(ring.undo(target));
    EXPECT_EQ(target, Package(100, 100, kBlack));
    EXPECT_TRUE(ring.undo(target));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(target.pixel(x, y), x < 32 && y < 48 ? original.pixel(x, y) : kBlack);
    EXPECT_FALSE(ring.undo(target));
}
