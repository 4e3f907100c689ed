// The workspace model of the main window: views, region commands, open and save.
#include "model/workspace.h"

#include <algorithm>
#include <memory>

#include "formats/dispatch.h"
#include "core/error.h"
#include "formats/level_textures.h"
#include "formats/save_checks.h"

namespace tilesmith {

namespace {

std::string size_text(const Package& p) {
    return std::to_string(p.width()) + " x " + std::to_string(p.height());
}
std::string tile_count_text(const Package& p) {
    // 64-bit product: a 2048 x 8192 package or a long level does not overflow.
    return std::to_string((long long)p.width() * p.height() / (kTileSide * kTileSide));
}

// `r` moved so that its top-left is (left, top).
Rect placed(const Rect& r, int left, int top) { return Rect::of_size(left, top, r.width(), r.height()); }

Rect whole(const Package& p) { return Rect::of_size(0, 0, p.width(), p.height()); }

// Tiles across or down a span of pixels, a part tile counting whole.
long long tiles_in(int pixels) { return pixels <= 0 ? 0 : (pixels + kTileSide - 1) / kTileSide; }

}  // namespace

Workspace::Workspace() {
    source_view_.reset(source_package().width(), source_package().height());
    target_view_.reset(target_package().width(), target_package().height());
}

std::array<std::string, 4> Workspace::size_texts() const {
    return {size_text(source_package()), tile_count_text(source_package()), size_text(target_package()),
            tile_count_text(target_package())};
}

void Workspace::set_options(const Options& options) {
    options_ = options;
    set_grid_step(options.grid_step);
}

void Workspace::set_grid_step(int step) {
    options_.grid_step = is_grid_step(step) ? step : kDefaultGridStep;
}

bool Workspace::press(Side side, MouseButton button, int sx, int sy, bool extend) {
    last_clicked_ = side;
    return view_of(side).press(button, sx, sy, extend);
}

bool Workspace::scroll_notches(Side side, int vertical, int horizontal) {
    View& v = view_of(side);
    // A tile of the screen per notch, at least one package pixel.
    const int step = std::max(kTileSide / v.zoom(), 1);
    return v.scroll_by(-horizontal * step, -vertical * step);
}

bool Workspace::zoom_at(Side side, int notches, int sx, int sy) {
    View& v = view_of(side);
    return v.set_zoom(v.zoom() + notches, sx, sy);
}

bool Workspace::zoom_step(int direction) {
    View& v = view_of(last_clicked_);
    return v.set_zoom(direction == 0 ? View::kMinZoom : v.zoom() + direction);
}

bool Workspace::ed_cofnij() { return document_.undo(); }
bool Workspace::ed_ponow() { return document_.redo(); }

std::optional<Phrase> Workspace::tx_add() {
    const Rect s = source_view_.selection();
    const Rect t = placed(s, target_view_.selection().left, target_view_.selection().top);
    const Rect inside = t.intersected(whole(target_package()));
    select_target_inside(t);
    const Package& source = source_package();
    push_undo(inside, [&](Package& target) {
        target.copy_rect(source, s.left, s.top, s.width(), s.height(), t.left, t.top);
    });
    if (options_.automove) advance_target(t);
    const long long all = tiles_in(s.width()) * tiles_in(s.height());
    const long long left_out = all - tiles_in(inside.width()) * tiles_in(inside.height());
    if (left_out <= 0) return std::nullopt;
    return Phrase(Msg::TilesLeftOut).arg(left_out).arg(all);
}

void Workspace::select_target_inside(const Rect& r) {
    const Rect inside = r.intersected(whole(target_package()));
    target_view_.select(inside.empty() ? r : inside);
}

void Workspace::advance_target(const Rect& r) {
    // Repeated adds fill the target in reading order: the next place to the
    // right while it starts inside the package, else the first of the next
    // band of rows, else stay. The pane scrolls only as far as needed.
    const Package& target = target_package();
    Rect next = r;
    if (r.right < target.width()) next = placed(r, r.right, r.top);
    else if (r.bottom < target.height()) next = placed(r, 0, r.bottom);
    else return;
    select_target_inside(next);
    target_view_.ensure_visible(target_view_.selection());
}

void Workspace::tx_del() {
    const Rect t = target_view_.selection();
    push_undo(t, [t](Package& target) { target.fill_rect(t.left, t.top, t.width(), t.height(), target.brush()); });
}

void Workspace::tx_copytrans() {
    const Rect s = source_view_.selection();
    const Rect t = placed(s, target_view_.selection().left, target_view_.selection().top);
    select_target_inside(t);
    const Package& source = source_package();
    // The source is a mask: its magenta pixels punch holes into the target. A
    // pixel missing on either side takes no part.
    push_undo(t, [&](Package& target) {
        for (int j = 0; j < s.height(); ++j)
            for (int i = 0; i < s.width(); ++i)
                if (source.contains(s.left + i, s.top + j) && source.pixel(s.left + i, s.top + j) == kTransparent)
                    target.set_pixel(t.left + i, t.top + j, kTransparent);
    });
}

bool Workspace::tx_copy_sizes_differ() const {
    return source_package().width() != target_package().width() ||
           source_package().height() != target_package().height();
}

void Workspace::tx_copy() {
    const Package& source = source_package();
    // resize keeps the target's brush, the background colour of later deletes.
    document_.reshape_target(
        [&](Package& target) {
            target.resize(source.width(), source.height());
            target.copy_rect(source, 0, 0, source.width(), source.height(), 0, 0);
        },
        false);
    target_origin_ = {};
    target_view_.reset(target_package().width(), target_package().height());
}

void Workspace::apply_effect(const AreaRoutine& routine) {
    const Rect t = target_view_.selection();
    push_undo(t, [&](Package& target) { routine(target, t); });
}

EffectRegion Workspace::effect_region() const {
    const Rect t = target_view_.selection();
    const Package& target = target_package();
    const int right = std::min(t.right, target.width()), bottom = std::min(t.bottom, target.height());
    EffectRegion region{t, Package(std::max(right - t.left, 0), std::max(bottom - t.top, 0), target.brush())};
    region.pixels.copy_rect(target, t.left, t.top, region.pixels.width(), region.pixels.height(), 0, 0);
    return region;
}

void Workspace::effect_aside(EffectRegion& region, const AreaRoutine& routine) {
    // The copy's edges are the package's wherever the selection reaches past
    // it, so the routine sees exactly what it would see in place.
    routine(region.pixels, Rect::of_size(0, 0, region.rect.width(), region.rect.height()));
}

void Workspace::commit_effect(EffectRegion region) {
    const Rect t = region.rect;
    // The edit is kept by the undo step as a std::function, which copies.
    auto done = std::make_shared<Package>(std::move(region.pixels));
    push_undo(t, [t, done](Package& target) { target.copy_rect(*done, 0, 0, done->width(), done->height(), t.left, t.top); });
}

long long Workspace::effect_tiles() const {
    const Rect t = target_view_.selection();
    return (long long)((t.width() + kTileSide - 1) / kTileSide) * ((t.height() + kTileSide - 1) / kTileSide);
}

OpenAnswer Workspace::open_source(const std::string& file_name, Progress& progress) {
    return commit_source(read_aside(file_name, reader_options(), progress));
}

OpenAnswer Workspace::open_target(const std::string& file_name, Progress& progress) {
    return commit_target(read_aside(file_name, reader_options(), progress));
}

OpenedFile Workspace::read_aside(const std::string& file_name, const ReaderOptions& reader, Progress& progress) {
    // Read aside: an error or a refusal leaves the workspace as it was.
    OpenedFile opened{file_name, std::nullopt, Package()};
    opened.result = read_package(file_name, opened.package, reader, progress);
    return opened;
}

OpenAnswer Workspace::commit_source(OpenedFile opened) {
    if (!opened.result) return {};
    if (opened.result->refused()) return {true, opened.result->refusal, opened.result->refusal_text()};
    use_source(std::move(opened.package));
    source_origin_.file = opened.file_name;
    recent_.add_recent_file(opened.file_name);
    return {true, std::nullopt, opened.result->warning};
}

OpenAnswer Workspace::commit_target(OpenedFile opened) {
    if (!opened.result) return {};
    if (opened.result->refused()) return {true, opened.result->refusal, opened.result->refusal_text()};
    use_target(std::move(opened.package));
    target_origin_.file = opened.file_name;
    recent_.add_recent_file(opened.file_name);
    // Save writes back to an image of a kind we write; a level or an object
    // package is saved under a new name.
    document_.set_target_file_name(can_write_back(opened.file_name) ? opened.file_name : std::string());
    return {true, std::nullopt, opened.result->warning};
}

void Workspace::use_source(Package package) {
    source_origin_ = {};
    document_.replace_source(std::move(package));
    source_view_.reset(source_package().width(), source_package().height());
}

void Workspace::use_target(Package package) {
    target_origin_ = {};
    document_.open_target(std::move(package));
    target_view_.reset(target_package().width(), target_package().height());
}

bool Workspace::save_target(const std::string& file_name, Progress& progress) {
    if (!write_package(file_name, target_package(), progress)) return false;
    document_.mark_saved();
    return true;
}

bool Workspace::save_target_as(const std::string& file_name, Progress& progress) {
    if (!save_target(file_name, progress)) return false;
    document_.set_target_file_name(file_name);
    return true;
}

std::shared_ptr<const Package> Workspace::target_snapshot() const {
    const Package& target = target_package();
    auto copy = std::make_shared<Package>(target.width(), target.height(), target.brush());
    copy->copy_rect(target, 0, 0, target.width(), target.height(), 0, 0);
    return copy;
}

void Workspace::commit_saved(const std::string& file_name) {
    document_.mark_saved();
    document_.set_target_file_name(file_name);
}

void Workspace::pak_make(int columns, int rows, PackedColor background, bool modify) {
    // The dialog's track bars allow 1..32 columns and 1..128 rows.
    columns = std::clamp(columns, 1, 32);
    rows = std::clamp(rows, 1, 128);
    document_.reshape_target(
        [&](Package& target) {
            target.set_brush(background);
            target.resize(kTileSide * columns, kTileSide * rows);
            if (!modify) target.fill_rect(0, 0, target.width(), target.height(), background);
        },
        // A fresh package holds no work yet.
        !modify);
    if (!modify) document_.set_target_file_name({});
    // A resized package no longer has its level's pages where they were.
    target_origin_ = {};
    target_view_.reset(target_package().width(), target_package().height());
}

const TextureUse* Workspace::texture_use(Side side) const {
    const Origin& o = origin(side);
    return o.use ? &*o.use : nullptr;
}

std::optional<Phrase> Workspace::ask_texture_use(Side side) {
    Origin& o = origin(side);
    if (o.asked || o.file.empty()) return std::nullopt;
    o.asked = true;
    try {
        if (const auto refs = read_texture_refs(o.file)) o.use.emplace(*refs, package(side).height() / kPageSide);
    } catch (const Error& e) {
        return e.phrase();
    }
    return std::nullopt;
}

std::optional<Phrase> Workspace::export_note(const std::string& base, const Package& package, bool ttcolor,
                                             Progress& progress) {
    std::optional<LevelTextureRefs> refs;
    try {
        refs = read_texture_refs(base);
    } catch (const Error&) {
        return std::nullopt;  // its use is unknown: the note says only what was written
    }
    if (!refs) return std::nullopt;
    Package before;
    read_package(base, before, ReaderOptions{false, ttcolor}, progress);
    const Package& after = package;
    const TextureUse use(*refs, before.height() / kPageSide);
    std::vector<TileSpot> changed;
    for (int row = 0; row * kTileSide < after.height(); ++row)
        for (int column = 0; column * kTileSide < after.width(); ++column) {
            bool same = true;
            for (int y = row * kTileSide; same && y < std::min(after.height(), (row + 1) * kTileSide); ++y)
                for (int x = column * kTileSide; same && x < std::min(after.width(), (column + 1) * kTileSide); ++x)
                    same = after.pixel(x, y) == before.pixel(x, y);
            if (!same) changed.push_back({column, row});
        }
    return Phrase(Msg::TilesChangedUsed).arg(changed.size()).arg(use.used_among(changed));
}

Package Workspace::copy_selection(Side side) const {
    const Rect t = view(side).selection();
    const Package& from = package(side);
    Package region(t.width(), t.height(), from.brush());
    region.copy_rect(from, t.left, t.top, t.width(), t.height(), 0, 0);
    return region;
}

int Workspace::paste_room_width() const {
    return std::max(target_package().width() - target_view_.selection().left, 0);
}
int Workspace::paste_room_height() const {
    return std::max(target_package().height() - target_view_.selection().top, 0);
}

void Workspace::paste_into_target(const Package& image) {
    const Rect at = target_view_.selection();
    const Rect t = Rect::of_size(at.left, at.top, image.width(), image.height()).intersected(whole(target_package()));
    // An empty image, or one with no room, changes nothing and so costs no undo step.
    if (t.empty()) return;
    push_undo(t, [&](Package& target) { target.copy_rect(image, 0, 0, t.width(), t.height(), t.left, t.top); });
    target_view_.select(t);
}

void Workspace::select_all() {
    const Package& p = package(last_clicked_);
    if (p.width() > 0 && p.height() > 0) view_of(last_clicked_).select(whole(p));
}

}  // namespace tilesmith
