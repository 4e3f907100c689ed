// Gathering the tiles of many files: read on the pool, taken in in order.
#include "model/collect.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <unordered_set>

#include "core/checked.h"
#include "core/dimensions.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/pool.h"
#include "formats/dispatch.h"
#include "formats/level_file.h"
#include "model/tile_match.h"

namespace tilesmith {

namespace {

// An input read aside: its package, the tiles that take part and their keys.
struct Loaded {
    Package package;
    std::vector<TileSpot> taken;
    std::vector<TileKey> keys;
    long long unused = 0;
    std::optional<Phrase> failure;
    std::optional<Phrase> note;
};

Loaded load(const std::string& file, const CollectOptions& options) {
    Loaded loaded;
    try {
        // Read once; with --used-only the level's walk comes with its pages.
        CountingProgress progress;
        LevelFile read =
            read_level_file(file, options.reader, progress, options.used_only ? LevelParts::pages_and_walk : LevelParts::pages_only);
        loaded.package = std::move(read.package);
        const std::optional<ReadResult>& result = read.result;
        if (!result) {
            loaded.failure = Phrase(Msg::FileRefused).arg(file).arg(Msg::UnknownImageType);
            return loaded;
        }
        loaded.note = result->note;
        if (result->refused()) loaded.failure = result->refusal_text();
        else if (result->warning) loaded.failure = *result->warning;
        if (loaded.failure) return loaded;
        // A level whose structures cannot be walked is refused, as before.
        if (options.used_only && read.use_problem) throw Error(*read.use_problem);
        std::optional<TextureUse> use;
        if (options.used_only && read.level) use.emplace(read.level->textures, loaded.package.height() / kPageSide);
        const long long count = whole_tile_count(loaded.package);
        loaded.taken.reserve(std::size_t(count));
        for (long long n = 0; n < count; ++n) {
            const TileSpot tile = tile_in_reading_order(loaded.package, n);
            if (use && !use->tile_used(tile.column, tile.row)) ++loaded.unused;
            else loaded.taken.push_back(tile);
        }
        loaded.keys.reserve(loaded.taken.size());
        for (const TileSpot& tile : loaded.taken)
            loaded.keys.push_back(tile_key(tile_pixels(loaded.package, tile), options.tolerance > 0));
    } catch (const Error& e) {
        loaded.failure = e.phrase();
    } catch (const std::bad_alloc&) {
        loaded.failure = Phrase(Msg::CannotReadFile).arg(file).arg(Msg::NotEnoughMemory);
    } catch (const std::exception& e) {
        loaded.failure = Phrase(Msg::CannotReadFile).arg(file).arg(e.what());
    }
    if (loaded.failure) loaded = Loaded{{}, {}, {}, 0, std::move(loaded.failure), std::nullopt};
    return loaded;
}

// The package being built: a row of tiles added whenever the last one is full.
class TileRows {
public:
    explicit TileRows(int width) : width_(width) {
        package_ = Package(width * kTileSide, 0, kTransparent);
        // Room for the largest package up front, so that growing never copies it.
        try {
            package_.reserve_rows(int(kMaxPackagePixels / (std::int64_t(width) * kTileSide)));
        } catch (const std::bad_alloc&) {
        }
    }
    long long count() const { return count_; }
    TileSpot spot(long long n) const { return {int(n % width_), int(n / width_)}; }
    TilePixels pixels(long long n) const { return tile_pixels(package_, spot(n)); }
    void add(TilePixels tile) {
        const TileSpot at = spot(count_);
        if (at.column == 0) {
            const std::int64_t pixels = std::int64_t(at.row + 1) * kTileSide * package_.width();
            if (pixels > kMaxPackagePixels)
                throw Error(Phrase(Msg::CollectTooLarge).arg(count_ + 1).arg(kMaxPackagePixels));
            package_.add_rows(kTileSide);
        }
        std::uint8_t* top = package_.row(at.row * kTileSide) + std::size_t(at.column) * kTileSide * 3;
        for (int y = 0; y < kTileSide; ++y)
            std::copy_n(tile.top + std::size_t(y) * tile.stride, kTileSide * 3, top + std::size_t(y) * package_.stride());
        ++count_;
    }
    Package finish() {
        if (count_ == 0) return Package(0, 0, kTransparent);
        return std::move(package_);
    }

private:
    int width_;
    Package package_;
    long long count_ = 0;
};

}  // namespace

CollectResult collect_tiles(const std::vector<std::string>& inputs, const CollectOptions& options,
                            const CollectStep& step) {
    CollectResult result;
    const int width = std::clamp(options.width, 1, kMaxCollectWidth);
    TileRows rows(width);
    // Each kind of tile: the package tile its first one became, the inputs
    // holding one and the last input that did.
    std::vector<long long> first_of_kind;
    std::vector<int> inputs_of_kind, last_input_of_kind;
    std::vector<int> kind_of_tile;
    TileIndex index(options.tolerance, [&](int kind) { return rows.pixels(first_of_kind[std::size_t(kind)]); });

    // Inputs read on the pool a few ahead of the one taken in; nothing asks
    // this progress to stop, a step that throws does.
    WorkerPool& pool = WorkerPool::shared();
    const unsigned readers = options.threads > 0 ? unsigned(options.threads) : std::min(pool.thread_count() + 1, 4u);
    CountingProgress reading;
    pool.run_in_order(
        reading, inputs.size(), readers + 2, [&](std::size_t n, Progress&) { return load(inputs[n], options); },
        [&](std::size_t n, Loaded&& loaded) {
            if (loaded.failure) {
                ++result.failed;
                if (step) step(int(n), loaded.failure);
                return;
            }
            if (loaded.note) result.notes.push_back(*loaded.note);
            result.read += (long long)loaded.taken.size() + loaded.unused;
            result.unused += loaded.unused;
            for (std::size_t k = 0; k < loaded.taken.size(); ++k) {
                const TilePixels pixels = tile_pixels(loaded.package, loaded.taken[k]);
                int kind = index.find(loaded.keys[k], pixels);
                const bool first = kind < 0;
                if (first) {
                    kind = index.add(loaded.keys[k]);
                    first_of_kind.push_back(rows.count());
                    inputs_of_kind.push_back(0);
                    last_input_of_kind.push_back(-1);
                }
                if (last_input_of_kind[std::size_t(kind)] != int(n)) {
                    last_input_of_kind[std::size_t(kind)] = int(n);
                    ++inputs_of_kind[std::size_t(kind)];
                }
                // Duplicates by the rule of tile_match.h, the window's too.
                if (!first && options.unique) {
                    ++result.duplicates;
                    continue;
                }
                rows.add(pixels);
                result.tiles.push_back({int(n), loaded.taken[k], 0});
                kind_of_tile.push_back(kind);
            }
            if (step) step(int(n), std::nullopt);
        },
        readers);
    for (std::size_t t = 0; t < result.tiles.size(); ++t)
        result.tiles[t].inputs = inputs_of_kind[std::size_t(kind_of_tile[t])];
    result.package = rows.finish();
    return result;
}

namespace {

// A file's place whatever the spelling of its path (./a, a, a link to it).
std::string place_of(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path place = std::filesystem::weakly_canonical(path, ec);
    return utf8_name(ec ? path.lexically_normal() : place);
}

}  // namespace

CollectInputs collect_inputs(const std::vector<std::string>& arguments, const std::vector<std::string>& leave_out) {
    namespace fs = std::filesystem;
    CollectInputs found;
    // A file or folder named twice, or met again in another folder named, is read once, where first met.
    std::unordered_set<std::string> places;
    const auto take = [&](const std::string& file) {
        if (places.insert(place_of(path_from_utf8(file))).second) found.files.push_back(file);
    };
    for (const std::string& argument : arguments) {
        std::error_code ec;
        const fs::path path = path_from_utf8(argument);
        if (!fs::is_directory(path, ec)) {
            take(argument);
            continue;
        }
        if (!places.insert(place_of(path)).second) continue;
        std::vector<std::string> files;
        fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
        for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            // The folder as typed, then the names found below it, with '/' on every system.
            const std::string name = argument + generic_utf8_name(it->path().native().substr(path.native().size()));
            if (!it->is_regular_file(ec) || !is_readable_extension(file_extension(name))) continue;
            const bool left_out = std::any_of(leave_out.begin(), leave_out.end(),
                                              [&](const std::string& other) { return same_file(it->path(), path_from_utf8(other)); });
            if (!left_out) files.push_back(name);
        }
        if (ec) {
            found.problems.push_back(Phrase(Msg::CannotReadFile).arg(argument).arg(system_error_text(ec.value())));
            continue;
        }
        std::sort(files.begin(), files.end());
        for (const std::string& file : files) take(file);
    }
    return found;
}

namespace {

std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string collect_manifest(const CollectResult& result, const std::vector<std::string>& inputs) {
    std::string text = std::string(kManifestHeader) + '\n';
    for (std::size_t t = 0; t < result.tiles.size(); ++t) {
        const CollectedTile& tile = result.tiles[t];
        const int x = tile.tile.column * kTileSide, y = tile.tile.row * kTileSide;
        text += std::to_string(t) + ',' + csv_field(inputs[std::size_t(tile.input)]) + ',' +
                std::to_string(y / kPageSide) + ',' + std::to_string(x) + ',' + std::to_string(y % kPageSide) + ',' +
                std::to_string(tile.inputs) + '\n';
    }
    return text;
}

}  // namespace tilesmith
