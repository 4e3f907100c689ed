// The workspace model: the views of the panes, the selection of whole tiles,
// undo and redo.
#include <gtest/gtest.h>

#include "model/workspace.h"
#include "support/workspace_fixtures.h"

using namespace tilesmith;

namespace {
void fill_selection(Workspace& ws, PackedColor c) {
    ws.apply_effect(Msg::Delete, [c](Package& p, const Rect& a) { p.fill_rect(a.left, a.top, a.width(), a.height(), c); });
}
Rect tiles(int left, int top, int columns, int rows) { return Rect::of_size(left, top, 64 * columns, 64 * rows); }
}  // namespace

TEST(WorkspaceViews, StartWithTwoSilverPackagesAndTheirFirstTilesSelected) {
    Workspace ws;
    EXPECT_EQ(ws.source_package(), Package(256, 512, kSilver));
    EXPECT_EQ(ws.target_package(), Package(256, 512, kSilver));
    for (Side side : {Side::source, Side::target}) {
        EXPECT_EQ(ws.view(side).selection(), tiles(0, 0, 1, 1));
        EXPECT_EQ(ws.view(side).max_scroll_x(), 0);
        EXPECT_EQ(ws.view(side).max_scroll_y(), 0);
    }
    EXPECT_FALSE(ws.undo_enabled());
    EXPECT_FALSE(ws.redo_enabled());
    EXPECT_TRUE(ws.target_file_name().empty());
    EXPECT_EQ(ws.size_texts(), (std::array<std::string, 4>{"256 x 512", "32", "256 x 512", "32"}));
    ws.use_source(Package(100, 70));  // not whole tiles: the count rounds down
    EXPECT_EQ(ws.size_texts()[0], "100 x 70");
    EXPECT_EQ(ws.size_texts()[1], "1");
}

TEST(WorkspaceViews, ScrollRangeFollowsPackageViewportAndZoom) {
    struct Case { int w, h, view_w, view_h, zoom, max_x, max_y; };
    for (Case c : {Case{256, 512, 256, 512, 1, 0, 0}, Case{320, 512, 256, 512, 1, 64, 0},
                   Case{256, 19200, 256, 512, 1, 0, 18688}, Case{256, 512, 256, 512, 2, 128, 256},
                   Case{256, 512, 1000, 1000, 1, 0, 0}, Case{2048, 8192, 1920, 1080, 8, 1808, 8057}}) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h) + " at " + std::to_string(c.zoom));
        Workspace ws;
        use_target(ws, Package(c.w, c.h));
        ws.set_viewport(Side::target, c.view_w, c.view_h);
        ws.set_zoom(Side::target, c.zoom);
        EXPECT_EQ(ws.view(Side::target).scroll_x() + ws.view(Side::target).scroll_y(), 0) << "shown from the top-left";
        EXPECT_EQ(ws.view(Side::target).max_scroll_x(), c.max_x);
        EXPECT_EQ(ws.view(Side::target).max_scroll_y(), c.max_y);
        ws.scroll_to(Side::target, 1 << 30, -5);
        EXPECT_EQ(ws.view(Side::target).scroll_x(), c.max_x) << "offsets stay in range";
        EXPECT_EQ(ws.view(Side::target).scroll_y(), 0);
    }
}

TEST(WorkspaceViews, SelectionIsAnchoredToThePackageThroughScrollAndZoom) {
    Workspace ws;
    use_target(ws, pattern(1024, 1024));
    ws.press(Side::target, MouseButton::left, 130, 70);
    const Rect chosen = ws.selected_target_rect();
    EXPECT_EQ(chosen, tiles(128, 64, 1, 1));
    ws.scroll_to(Side::target, 256, 320);
    ws.zoom_at(Side::target, 3, 100, 100);
    EXPECT_EQ(ws.selected_target_rect(), chosen);
    // The pixel under the pointer stays where it was, and a press picks the package's tile there.
    const View& v = ws.view(Side::target);
    EXPECT_EQ(v.zoom(), 4);
    EXPECT_EQ(v.package_point(100, 100), (std::pair{256 + 100, 320 + 100}));
    ws.press(Side::target, MouseButton::left, 100, 100);
    EXPECT_EQ(ws.selected_target_rect(), tiles(320, 384, 1, 1));
    ws.zoom_at(Side::target, 20, 0, 0);
    EXPECT_EQ(v.zoom(), 8) << "zoom stops at 8x";
}

TEST(WorkspaceViews, ZoomingInOnANarrowPackageKeepsThePixelAndScrollingBackEndsTheStretch) {
    Workspace ws;
    use_target(ws, pattern(256, 1024));
    ws.set_viewport(Side::target, 448, 500);
    ws.zoom_at(Side::target, 1, 150, 200);
    const View& v = ws.view(Side::target);
    EXPECT_EQ(v.package_point(150, 200), (std::pair{150, 200}));
    EXPECT_EQ(v.max_scroll_x(), 75) << "the range reaches past the package's edge";
    ws.scroll_to(Side::target, 40, v.scroll_y());
    EXPECT_EQ(v.max_scroll_x(), 40);
    ws.scroll_to(Side::target, 0, v.scroll_y());
    EXPECT_EQ(v.max_scroll_x(), 256 - 224);
    // The zoom command keeps the middle of the picture, within the range.
    ws.zoom_step(-1);
    ws.zoom_step(1);
    EXPECT_EQ(v.max_scroll_x(), 256 - 224);
}

TEST(WorkspaceMouse, PressDragAndShiftClickSelectRectanglesOfWholeTiles) {
    struct Step { MouseButton button; int x, y; bool drag, extend; Rect want; };
    // On a 200 x 300 package: plain press, drag down-right and back up-left
    // past the first corner, drag beyond the package (kept inside), Shift+click,
    // the right button's free area, Shift+click on its grid, a press outside.
    const MouseButton L = MouseButton::left, R = MouseButton::right;
    const std::vector<Step> steps{{L, 70, 70, false, false, tiles(64, 64, 1, 1)},
                                  {L, 150, 200, true, false, tiles(64, 64, 2, 3)},
                                  {L, 10, 10, true, false, tiles(0, 0, 2, 2)},
                                  {L, 900, 900, true, false, tiles(64, 64, 3, 4)},
                                  {L, 1, 1, false, true, tiles(0, 0, 2, 2)},
                                  {MouseButton::middle, 130, 10, false, false, tiles(128, 0, 1, 1)},
                                  {R, 13, 30, false, false, tiles(8, 24, 1, 1)},
                                  {L, 150, 100, false, true, tiles(8, 24, 3, 2)},
                                  {L, 250, 10, false, false, tiles(8, 24, 3, 2)}};
    Workspace ws;
    ws.use_source(Package(200, 300));
    for (const Step& s : steps) {
        if (s.drag) ws.drag(Side::source, s.x, s.y);
        else ws.press(Side::source, s.button, s.x, s.y, s.extend);
        EXPECT_EQ(ws.selected_source_rect(), s.want) << s.x << "," << s.y;
    }
    EXPECT_EQ(ws.selected_target_rect(), tiles(0, 0, 1, 1)) << "the panes are independent";
    EXPECT_EQ(ws.last_clicked(), Side::source);
}

TEST(WorkspaceKeys, ArrowsMoveTheLastClickedSelectionAndShiftArrowsExtendIt) {
    Workspace ws;
    use_target(ws, Package(256, 1024));
    ws.press(Side::target, MouseButton::left, 70, 450);  // (64, 448)
    struct Key { int dx, dy; bool extend; Rect want; int scroll_y; };
    for (Key k : {Key{1, 0, false, tiles(128, 448, 1, 1), 0}, Key{0, 1, false, tiles(128, 512, 1, 1), 64},
                  Key{1, 1, true, tiles(128, 512, 2, 2), 128}, Key{5, 0, true, tiles(128, 512, 2, 2), 128},
                  Key{-1, 0, false, tiles(64, 512, 2, 2), 128}, Key{-9, 0, false, tiles(64, 512, 2, 2), 128},
                  Key{0, -1, true, tiles(64, 512, 2, 1), 128}}) {
        ws.move_selection(k.dx, k.dy, k.extend);
        EXPECT_EQ(ws.selected_target_rect(), k.want) << k.dx << "," << k.dy << (k.extend ? " extend" : "");
        EXPECT_EQ(ws.view(Side::target).scroll_y(), k.scroll_y) << "the pane scrolls to keep it in view";
    }
}

TEST(WorkspaceGrid, OnlyTheFiveStepsAreKept) {
    Workspace ws;
    for (int s : {8, 16, 32, 64, 128}) {
        ws.set_grid_step(s);
        EXPECT_EQ(ws.options().grid_step, s);
    }
    for (int s : {0, 7, 65, 256, -64}) {
        ws.set_grid_step(8);
        ws.set_grid_step(s);
        EXPECT_EQ(ws.options().grid_step, 64) << s;
    }
}

TEST(WorkspaceUndo, UndoAndRedoWalkAMixedHistoryAndANewStepDropsTheRedoneOnes) {
    Workspace ws;
    use_target(ws, pattern(512, 512));
    std::vector<Package> states;
    states.push_back(ws.target_package().clone());
    ws.use_source(pattern(512, 512, 9));
    ws.select(Side::source, tiles(0, 0, 2, 2));
    ws.tx_add();  // a region
    states.push_back(ws.target_package().clone());
    ws.press(Side::target, MouseButton::right, 13, 30);  // an unaligned area
    fill_selection(ws, kBlack);
    states.push_back(ws.target_package().clone());
    ws.select(Side::target, tiles(320, 384, 3, 2));  // reaches past the package
    ws.tx_del();
    states.push_back(ws.target_package().clone());
    for (int i = 3; i > 0; --i) {
        ASSERT_TRUE(ws.undo());
        EXPECT_EQ(ws.target_package(), states[std::size_t(i - 1)]) << "undo to " << i - 1;
    }
    EXPECT_EQ(ws.undo_name()->text(Language::English), "Open target") << "the open is the step before";
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(ws.redo());
        EXPECT_EQ(ws.target_package(), states[std::size_t(i)]) << "redo to " << i;
    }
    EXPECT_FALSE(ws.redo());
    ws.undo();
    ws.undo();
    fill_selection(ws, kWhite);
    EXPECT_FALSE(ws.redo_enabled()) << "a new step forgets what could be redone";
    EXPECT_EQ(ws.undo_count(), 3);
}

TEST(WorkspaceUndo, TheStackKeepsFiftyStepsAndDropsTheOldestBeyondItsMemory) {
    Workspace ws;
    for (int k = 1; k <= 60; ++k) fill_selection(ws, pack_rgb(std::uint8_t(k), 0, 0));
    EXPECT_EQ(ws.undo_count(), 60) << "small steps are all kept";
    // Whole 2048 x 8192 packages: 48 MiB a step, so only five fit in 256 MiB.
    ws.make_package(32, 128, kBlack, false);
    ws.select(Side::target, tiles(0, 0, 32, 128));
    for (int k = 1; k <= 7; ++k) fill_selection(ws, pack_rgb(std::uint8_t(k), 0, 0));
    EXPECT_EQ(ws.undo_count(), 5);
    while (ws.undo()) {}
    EXPECT_EQ(ws.target_package().pixel(2047, 8191), pack_rgb(2, 0, 0)) << "the oldest steps went first";
    EXPECT_TRUE(ws.target_modified()) << "the saved state is out of reach";
}

TEST(WorkspaceUndo, AStepLargerThanTheWholeHistoryIsAnnouncedBeforeItIsTaken) {
    Workspace ws;
    EXPECT_EQ(ws.history_warning(true), std::nullopt);
    // Over 256 MiB of pixels: its whole-package step outweighs every step kept.
    ws.use_target(Package(8192, 11008, kBlack));
    const auto warning = ws.history_warning(true);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->text(Language::English).find("256"), std::string::npos);
    EXPECT_EQ(ws.history_warning(false), std::nullopt) << "a step of the selected tile fits";
}
