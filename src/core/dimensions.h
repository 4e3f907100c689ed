// The numbers of the domain, named once: the tile, the level page, the grid.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>

namespace tilesmith {

// Packages are cut into square tiles of this side in pixels; the selection,
// the clipboard, the undo ring and the effects work on one tile at a time.
constexpr int kTileSide = 64;

// Levels keep their textures in square pages of this side in pixels, stacked
// top to bottom in the package.
constexpr int kPageSide = 256;

// The grid sizes of the View menu, smallest first; a tile is the default.
constexpr std::array<int, 5> kGridSteps{8, 16, 32, 64, 128};
constexpr int kDefaultGridStep = kTileSide;

// The position of a step in kGridSteps; kGridSteps.size() for none.
constexpr std::size_t grid_step_index(int step) {
    return std::size_t(std::find(kGridSteps.begin(), kGridSteps.end(), step) - kGridSteps.begin());
}
constexpr bool is_grid_step(int step) { return grid_step_index(step) < kGridSteps.size(); }

}  // namespace tilesmith
