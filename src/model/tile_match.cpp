// Tile comparison, tile keys and the index of distinct tiles.
#include "model/tile_match.h"

#include <algorithm>
#include <cstring>

#include "core/dimensions.h"

namespace tilesmith {

namespace {

constexpr std::size_t kRowBytes = std::size_t(kTileSide) * 3;
constexpr int kHalf = kTileSide / 2;

std::uint64_t load64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint64_t step(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * 0x9FB21C651E98DF25ull;
    return h << 29 | h >> 35;
}

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

bool within(const std::uint8_t* a, const std::uint8_t* b, std::size_t n, int tolerance) {
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(a[i]) - int(b[i]);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

}  // namespace

int whole_tile_columns(const Package& package) { return package.width() / kTileSide; }
int whole_tile_rows(const Package& package) { return package.height() / kTileSide; }
long long whole_tile_count(const Package& package) {
    return (long long)whole_tile_columns(package) * whole_tile_rows(package);
}

TileSpot tile_in_reading_order(const Package& package, long long n) {
    const int columns = std::max(whole_tile_columns(package), 1);
    return {int(n % columns), int(n / columns)};
}

TilePixels tile_pixels(const Package& package, TileSpot tile) {
    return {package.row(tile.row * kTileSide) + std::size_t(tile.column) * kRowBytes, package.stride()};
}

bool tiles_match(TilePixels a, TilePixels b, int tolerance) {
    for (int y = 0; y < kTileSide; ++y) {
        const std::uint8_t* ra = a.top + std::size_t(y) * a.stride;
        const std::uint8_t* rb = b.top + std::size_t(y) * b.stride;
        if (tolerance <= 0 ? std::memcmp(ra, rb, kRowBytes) != 0 : !within(ra, rb, kRowBytes, tolerance))
            return false;
    }
    return true;
}

std::vector<TileSpot> matching_tiles(const Package& package, int x, int y, int tolerance) {
    std::vector<TileSpot> found;
    if (x < 0 || y < 0 || x > package.width() - kTileSide || y > package.height() - kTileSide) return found;
    const TilePixels wanted{package.row(y) + std::size_t(x) * 3, package.stride()};
    for (long long n = 0; n < whole_tile_count(package); ++n) {
        const TileSpot other = tile_in_reading_order(package, n);
        if (tiles_match(wanted, tile_pixels(package, other), tolerance)) found.push_back(other);
    }
    return found;
}

std::vector<TileSpot> unused_tiles(const Package& package, const TextureUse& use) {
    std::vector<TileSpot> unused;
    for (long long n = 0; n < whole_tile_count(package); ++n) {
        const TileSpot tile = tile_in_reading_order(package, n);
        if (!use.tile_used(tile.column, tile.row)) unused.push_back(tile);
    }
    return unused;
}

TileKey tile_key(TilePixels tile, bool means) {
    TileKey key;
    // Two lanes, so that the multiplications of one row overlap.
    std::uint64_t h1 = 0x9E3779B97F4A7C15ull, h2 = 0xD6E8FEB86659FD93ull;
    std::uint32_t sums[4][3] = {};
    for (int y = 0; y < kTileSide; ++y) {
        const std::uint8_t* row = tile.top + std::size_t(y) * tile.stride;
        for (std::size_t i = 0; i < kRowBytes; i += 16) {
            h1 = step(h1, load64(row + i));
            h2 = step(h2, load64(row + i + 8));
        }
        if (!means) continue;
        std::uint32_t(&left)[3] = sums[(y / kHalf) * 2];
        std::uint32_t(&right)[3] = sums[(y / kHalf) * 2 + 1];
        for (int x = 0; x < kHalf; ++x)
            for (int c = 0; c < 3; ++c) left[c] += row[3 * x + c];
        for (int x = kHalf; x < kTileSide; ++x)
            for (int c = 0; c < 3; ++c) right[c] += row[3 * x + c];
    }
    key.hash = mix(h1 ^ mix(h2));
    constexpr std::uint32_t kQuarterPixels = kHalf * kHalf;
    for (int c = 0; c < 3; ++c) {
        std::uint32_t whole = 0;
        for (int q = 0; q < 4; ++q) {
            whole += sums[q][c];
            key.means[std::size_t(q * 3 + c)] = std::uint8_t(sums[q][c] / kQuarterPixels);
        }
        key.mean[std::size_t(c)] = std::uint8_t(whole / (4 * kQuarterPixels));
    }
    return key;
}

TileIndex::TileIndex(int tolerance, PixelsOf pixels_of)
    : tolerance_(std::clamp(tolerance, 0, kMaxTolerance)), pixels_of_(std::move(pixels_of)) {}

std::uint32_t TileIndex::cell_of(const TileKey& key) const {
    const std::uint32_t side = std::uint32_t(tolerance_) + 1;
    return key.mean[0] / side | (key.mean[1] / side) << 8 | (key.mean[2] / side) << 16;
}

int TileIndex::find(const TileKey& key, TilePixels pixels) const {
    if (tolerance_ == 0) {
        int best = -1;
        const auto [first, last] = by_hash_.equal_range(key.hash);
        for (auto it = first; it != last; ++it)
            if ((best < 0 || it->second < best) && tiles_match(pixels, pixels_of_(it->second), 0)) best = it->second;
        return best;
    }
    // Means within the tolerance are necessary for pixels within it: only
    // tiles in the 27 cells around this one's, and of close quarter means, are compared.
    std::vector<int> candidates;
    const std::uint32_t cell = cell_of(key);
    for (int db = -1; db <= 1; ++db)
        for (int dg = -1; dg <= 1; ++dg)
            for (int dr = -1; dr <= 1; ++dr) {
                const int b = int(cell & 0xFF) + db, g = int(cell >> 8 & 0xFF) + dg, r = int(cell >> 16) + dr;
                if (b < 0 || g < 0 || r < 0) continue;
                const auto found = by_cell_.find(std::uint32_t(b) | std::uint32_t(g) << 8 | std::uint32_t(r) << 16);
                if (found == by_cell_.end()) continue;
                for (int n : found->second) {
                    const TileKey& other = keys_[std::size_t(n)];
                    bool close = true;
                    for (std::size_t i = 0; close && i < key.means.size(); ++i)
                        close = std::abs(int(key.means[i]) - int(other.means[i])) <= tolerance_;
                    if (close) candidates.push_back(n);
                }
            }
    std::sort(candidates.begin(), candidates.end());
    for (int n : candidates)
        if (tiles_match(pixels, pixels_of_(n), tolerance_)) return n;
    return -1;
}

int TileIndex::add(const TileKey& key) {
    const int number = int(keys_.size());
    keys_.push_back(key);
    if (tolerance_ == 0) by_hash_.emplace(key.hash, number);
    else by_cell_[cell_of(key)].push_back(number);
    return number;
}

TileClasses classify_tiles(const Package& package, int tolerance) {
    TileClasses classes;
    std::vector<TileSpot> firsts;
    TileIndex index(tolerance, [&](int n) { return tile_pixels(package, firsts[std::size_t(n)]); });
    const long long count = whole_tile_count(package);
    classes.kind.reserve(std::size_t(count));
    classes.first.reserve(std::size_t(count));
    for (long long n = 0; n < count; ++n) {
        const TileSpot tile = tile_in_reading_order(package, n);
        const TilePixels pixels = tile_pixels(package, tile);
        const TileKey key = tile_key(pixels, tolerance > 0);
        int kind = index.find(key, pixels);
        classes.first.push_back(kind < 0);
        if (kind < 0) {
            kind = index.add(key);
            firsts.push_back(tile);
        }
        classes.kind.push_back(kind);
    }
    classes.distinct = index.size();
    return classes;
}

}  // namespace tilesmith
