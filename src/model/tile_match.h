// Whole 64 x 64 tiles compared: exactly, or within a tolerance of a few levels
// per channel. A tolerance of 0 is exact. Tiles are counted and listed in
// reading order (row by row, left to right); a strip narrower than a tile at a
// package's right or bottom edge is no tile.
//
// To find equal tiles among many, give each a TileKey (its hash and the mean
// colours of its quarters) and look it up in a TileIndex of the distinct tiles
// met so far: exact lookups go by hash; with a tolerance, only tiles whose mean
// colours could lie within it are compared pixel by pixel.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "core/package.h"
#include "model/texture_use.h"

namespace tilesmith {

// The largest tolerance: beyond it every pair of tiles would match.
constexpr int kMaxTolerance = 255;

int whole_tile_columns(const Package& package);
int whole_tile_rows(const Package& package);
long long whole_tile_count(const Package& package);
// The n-th whole tile in reading order.
TileSpot tile_in_reading_order(const Package& package, long long n);

// Where a tile's pixels lie: its top row's first byte and the distance to the next row.
struct TilePixels {
    const std::uint8_t* top = nullptr;
    std::size_t stride = 0;
};
TilePixels tile_pixels(const Package& package, TileSpot tile);

// Every channel of every pixel within `tolerance` (0: the same bytes).
bool tiles_match(TilePixels a, TilePixels b, int tolerance);

// The whole tiles of `package` that match the 64 x 64 area from pixel (x, y)
// (a tile itself included), in reading order; none when the area is not
// wholly inside the package.
std::vector<TileSpot> matching_tiles(const Package& package, int x, int y, int tolerance);

// The whole tiles of a level's package that no texture maps, in reading order.
std::vector<TileSpot> unused_tiles(const Package& package, const TextureUse& use);

struct TileKey {
    std::uint64_t hash = 0;
    // Blue, green and red means of the whole tile, rounded down.
    std::array<std::uint8_t, 3> mean{};
    // Blue, green and red means (rounded down) of the four 32 x 32 quarters,
    // top-left, top-right, bottom-left, bottom-right.
    std::array<std::uint8_t, 12> means{};
};
// Without `means` (enough for exact lookups) they are left 0.
TileKey tile_key(TilePixels tile, bool means);

// The distinct tiles met so far, numbered from 0 in the order they were added.
// The index keeps only keys: `pixels_of` tells where a numbered tile's pixels are.
class TileIndex {
public:
    using PixelsOf = std::function<TilePixels(int number)>;
    TileIndex(int tolerance, PixelsOf pixels_of);

    // The lowest-numbered tile that matches; -1 for none.
    int find(const TileKey& key, TilePixels pixels) const;
    // Adds a tile (that find() did not match) and returns its number.
    int add(const TileKey& key);
    int size() const { return int(keys_.size()); }

private:
    // The cell of the whole tile's mean colour, cells of tolerance + 1 levels:
    // tiles within the tolerance lie in the same or a neighbouring cell.
    std::uint32_t cell_of(const TileKey& key) const;

    int tolerance_;
    PixelsOf pixels_of_;
    std::vector<TileKey> keys_;
    std::unordered_multimap<std::uint64_t, int> by_hash_;
    std::unordered_map<std::uint32_t, std::vector<int>> by_cell_;
};

// The rule for duplicates, the same for the window's Remove duplicate tiles
// and for collect: a tile that matches an earlier one is a duplicate, and the
// first of each kind is kept. A tile wholly of the transparent colour is a
// tile like any other: levels map it for faces that show nothing, so its
// first stays and the others are duplicates that would waste a place.
//
// The whole tiles of `package` that match an earlier one: for each tile in
// reading order, the number of the first tile of its kind among the distinct
// ones (numbered in reading order from 0), and how many distinct ones there are.
struct TileClasses {
    std::vector<int> kind;    // a whole tile each, in reading order
    std::vector<bool> first;  // whether that tile is the first of its kind: the tiles kept
    int distinct = 0;

    // How many tiles match an earlier one.
    long long duplicates() const { return (long long)kind.size() - distinct; }
};
TileClasses classify_tiles(const Package& package, int tolerance);

}  // namespace tilesmith
