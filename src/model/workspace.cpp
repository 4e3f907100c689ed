// The workspace model of the main window: panes, tile commands, open and save.
#include "model/workspace.h"

#include <algorithm>

#include "formats/dispatch.h"

namespace tilesmith {

namespace {

// How far a pane scrolls: the tiles beyond the visible ones, 0 when all fit.
int scroll_max(int tiles, int visible) { return visible > tiles ? 0 : tiles - visible; }

std::string size_text(const Package& p) {
    return std::to_string(p.width()) + " x " + std::to_string(p.height());
}
std::string tile_count_text(const Package& p) {
    // 64-bit product: a 2048 x 8192 package or a long level does not overflow.
    return std::to_string((long long)p.width() * p.height() / (kTileSide * kTileSide));
}

Rect tile_rect(const Pane& pane) {
    const int left = pane.sel_x + kTileSide * pane.h.position;
    const int top = pane.sel_y + kTileSide * pane.v.position;
    return {left, top, left + kTileSide, top + kTileSide};
}
}  // namespace

Workspace::Workspace() : source_package(pane_width, pane_height, kSilver),
                         target_package(pane_width, pane_height, kSilver) {
    reset_pane(pane_width / kTileSide, pane_height / kTileSide, 1);
    reset_pane(pane_width / kTileSide, pane_height / kTileSide, 2);
}

void Workspace::reset_pane(int columns, int rows, int which) {
    if (which != 1 && which != 2) return;
    Pane& p = pane(which);
    p.h.max = scroll_max(columns, pane_width / kTileSide);
    p.v.max = scroll_max(rows, pane_height / kTileSide);
    p.h.position = 0;
    p.v.position = 0;
    p.sel_x = 0;
    p.sel_y = 0;
    p.h.enabled = p.h.max != 0;
    p.v.enabled = p.v.max != 0;
}

void Workspace::show_package_sizes() {
    size_texts[0] = size_text(source_package);
    size_texts[1] = tile_count_text(source_package);
    size_texts[2] = size_text(target_package);
    size_texts[3] = tile_count_text(target_package);
}

Rect Workspace::selected_source_rect() const { return tile_rect(source_pane); }
Rect Workspace::selected_target_rect() const { return tile_rect(target_pane); }

bool Workspace::mouse_down(int which, MouseButton button, int x, int y) {
    if (which != 1 && which != 2) return false;
    const Package& package = which == 1 ? source_package : target_package;
    // The clickable area is the package's part of the pane; (0, y) and (x, 0)
    // are the panel's bevel.
    const int a = std::min(package.width(), pane_width);
    const int b = std::min(package.height(), pane_height);
    if (x < 1 || x > a || y < 1 || y > b) return false;
    // The right button places the selection on the finest grid.
    const int step = button == MouseButton::right ? kGridSteps.front() : kTileSide;
    Pane& p = pane(which);
    const int nx = (x - 1) / step * step, ny = (y - 1) / step * step;
    if (nx == p.sel_x && ny == p.sel_y) return false;
    p.sel_x = nx;
    p.sel_y = ny;
    return true;
}

void Workspace::set_grid_step(int step) {
    options.grid_step = is_grid_step(step) ? step : kDefaultGridStep;
}

void Workspace::push_undo() {
    undo_ring.push(target_package, selected_target_rect());
    // The ring drops its oldest entry at the 51st push; so do the revisions.
    undo_revisions_.push_back(target_revision_);
    if (undo_revisions_.size() > std::size_t(UndoRing::kSize)) undo_revisions_.pop_front();
    target_changed();
}

bool Workspace::ed_cofnij() {
    if (!undo_ring.undo(target_package)) return false;
    if (!undo_revisions_.empty()) {
        target_revision_ = undo_revisions_.back();
        undo_revisions_.pop_back();
    }
    return true;
}

void Workspace::forget_undo() {
    undo_ring.clear();
    undo_revisions_.clear();
}

void Workspace::tx_add() {
    push_undo();
    const Rect s = selected_source_rect(), t = selected_target_rect();
    target_package.copy_rect(source_package, s.left, s.top, kTileSide, kTileSide, t.left, t.top);

    if (!options.automove) return;
    // Repeated adds fill the target in reading order: next column of the pane,
    // else scroll right, else next row of the pane, else scroll down, else stay.
    // The comparisons are signed: in a package narrower than a tile a - 64 is
    // negative and no column counts as having a next one.
    const int a = std::min(target_package.width(), pane_width);
    const int b = std::min(target_package.height(), pane_height);
    Pane& p = target_pane;
    if (p.sel_x < a - kTileSide) {
        p.sel_x += kTileSide;
    } else if (p.h.position < p.h.max) {
        ++p.h.position;
    } else if (p.sel_y < b - kTileSide) {
        p.sel_y += kTileSide;
        p.sel_x = 0;
        p.h.position = 0;
    } else if (p.v.position < p.v.max) {
        ++p.v.position;
        p.sel_x = 0;
        p.h.position = 0;
    }
}

void Workspace::tx_del() {
    push_undo();
    const Rect t = selected_target_rect();
    target_package.fill_rect(t.left, t.top, kTileSide, kTileSide, target_package.brush());
}

void Workspace::tx_copytrans() {
    push_undo();
    const Rect s = selected_source_rect(), t = selected_target_rect();
    // The source tile is a mask: its magenta pixels punch holes into the target.
    // A pixel missing on either side takes no part.
    for (int j = 0; j < kTileSide; ++j) {
        for (int i = 0; i < kTileSide; ++i) {
            if (!source_package.contains(s.left + i, s.top + j)) continue;
            if (source_package.pixel(s.left + i, s.top + j) != kTransparent) continue;
            target_package.set_pixel(t.left + i, t.top + j, kTransparent);
        }
    }
}

bool Workspace::tx_copy_sizes_differ() const {
    return source_package.width() != target_package.width() ||
           source_package.height() != target_package.height();
}

void Workspace::tx_copy() {
    forget_undo();
    target_changed();
    // resize keeps the target's brush, the background colour of later deletes.
    target_package.resize(source_package.width(), source_package.height());
    target_package.copy_rect(source_package, 0, 0, source_package.width(), source_package.height(), 0, 0);
    reset_pane(target_package.width() / kTileSide, target_package.height() / kTileSide, 2);
    show_package_sizes();
}

void Workspace::apply_effect(const std::function<void(Package&, int x, int y)>& routine) {
    push_undo();
    const Rect t = selected_target_rect();
    routine(target_package, t.left, t.top);
}

OpenAnswer Workspace::open_source(const std::string& file_name, Progress& progress) {
    const ReaderOptions reader{options.eight_bit, options.ttcolor};
    // A reader error leaves this function before any after-load step.
    const std::optional<ReadResult> r = read_package(file_name, source_package, reader, progress);
    if (!r) return {};
    if (r->untouched) return {true, r->refusal};
    // A refused TGA still counts as opened: it reports the unchanged size and
    // the steps below run as for a file that was read.
    reset_pane(r->tile_columns, r->tile_rows, 1);
    recent.add_recent_file(file_name);
    show_package_sizes();
    return {true, r->refusal};
}

OpenAnswer Workspace::open_target(const std::string& file_name, Progress& progress) {
    const ReaderOptions reader{options.eight_bit, options.ttcolor};
    const std::optional<ReadResult> r = read_package(file_name, target_package, reader, progress);
    if (!r) return {};
    if (r->untouched) return {true, r->refusal};
    target_file_name.clear();
    reset_pane(r->tile_columns, r->tile_rows, 2);
    forget_undo();
    // A refused file leaves the target as it was, with its unsaved work.
    if (!r->refused()) target_settled();
    show_package_sizes();
    return {true, r->refusal};
}

bool Workspace::save_target(const std::string& file_name, Progress& progress) {
    if (!write_package(file_name, target_package, progress)) return false;
    saved_revision_ = target_revision_;
    return true;
}

bool Workspace::save_target_as(const std::string& file_name, Progress& progress) {
    if (!save_target(file_name, progress)) return false;
    target_file_name = file_name;
    return true;
}

void Workspace::pak_make(int columns, int rows, PackedColor background, bool modify) {
    // The dialog's track bars allow 1..32 columns and 1..128 rows.
    columns = std::clamp(columns, 1, 32);
    rows = std::clamp(rows, 1, 128);
    forget_undo();
    target_package.set_brush(background);
    target_package.resize(kTileSide * columns, kTileSide * rows);
    if (!modify) {
        target_package.fill_rect(0, 0, target_package.width(), target_package.height(), background);
        target_file_name.clear();
        // A fresh package holds no work yet.
        target_settled();
    } else {
        target_changed();
    }
    reset_pane(columns, rows, 2);
    show_package_sizes();
}

Package Workspace::copy_target_tile() const {
    const Rect t = selected_target_rect();
    Package tile(kTileSide, kTileSide, target_package.brush());
    tile.copy_rect(target_package, t.left, t.top, kTileSide, kTileSide, 0, 0);
    return tile;
}

void Workspace::paste_into_target(const Package& image) {
    // An empty image changes nothing and so costs no undo step.
    if (image.width() <= 0 || image.height() <= 0) return;
    push_undo();
    const Rect t = selected_target_rect();
    target_package.copy_rect(image, 0, 0, std::min(image.width(), kTileSide), std::min(image.height(), kTileSide),
                             t.left, t.top);
}

}  // namespace tilesmith
