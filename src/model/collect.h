// The tiles of many files gathered into one package: every whole 64 x 64 tile
// of each input in input order (reading order within a file), only the
// distinct ones when asked (within a tolerance per channel; the first of its
// kind is kept), only the tiles some texture maps when asked (levels only;
// other inputs give every tile), laid out `width` tiles across, the rest of
// the last row in the transparent colour.
//
// Inputs are read and their tiles hashed on every core, a few files ahead of
// the one being taken in; the taking in keeps input order, so the result never
// depends on which thread was quicker. What is held at once is the package
// being built and those few files.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/package.h"
#include "formats/file_format.h"
#include "model/texture_use.h"
#include "strings/phrase.h"

namespace tilesmith {

struct CollectOptions {
    bool unique = false;
    bool used_only = false;
    int tolerance = 0;  // 0: exact
    int width = 4;      // tiles across the package
    ReaderOptions reader;
    int threads = 0;    // 0: every core
};

// The widest package collect makes, in tiles.
constexpr int kMaxCollectWidth = 256;

// A tile of the package: where it was read, and how many inputs held a tile
// matching it (within the tolerance).
struct CollectedTile {
    int input = 0;  // the index of its file among the inputs
    TileSpot tile;  // in that file's package
    int inputs = 0;
};

struct CollectResult {
    Package package;  // 0 x 0 when no tile was taken
    std::vector<CollectedTile> tiles;  // the package's tiles in reading order
    long long read = 0;        // every whole tile of the inputs read
    long long duplicates = 0;  // left out as matching an earlier one
    long long unused = 0;      // left out as mapped by no texture
    int failed = 0;            // inputs skipped
    // What the user is told of inputs read all the same (a level read as what
    // its first bytes say under another kind's extension), in input order.
    std::vector<Phrase> notes;
};

// After each input, in input order: its index, and why it was skipped (a
// file that cannot be read, is refused, misses rows or, with used_only, is
// a level whose texture use cannot be read).
using CollectStep = std::function<void(int input, const std::optional<Phrase>& failure)>;

// Throws Error when the tiles kept would make a package larger than any the
// program makes (nothing is left half-built then).
CollectResult collect_tiles(const std::vector<std::string>& inputs, const CollectOptions& options,
                            const CollectStep& step);

// The files an argument list names, in its order: a file as it is, a folder
// walked (with its subfolders, names in byte order) for the extensions some
// reader takes, leaving out any of `leave_out` (the outputs of the command
// that lie in a walked folder). A file met again (named twice, under another
// spelling of its path, or in two folders named) is listed once, where it was
// first met. A folder that cannot be walked is a problem.
struct CollectInputs {
    std::vector<std::string> files;
    std::vector<Phrase> problems;
};
CollectInputs collect_inputs(const std::vector<std::string>& arguments, const std::vector<std::string>& leave_out);

// The manifest: its header line (kManifestHeader), then one CSV line per
// tile of the package: its number from 0, the file, the page (256 pixel rows
// each, from 0), x and y in pixels within that page, and how many inputs held
// it. A field with a comma, quote or line break is quoted. A reader of the
// manifest skips the lines that begin with '#'.
constexpr std::string_view kManifestHeader = "# tile,file,page,x,y,inputs";
std::string collect_manifest(const CollectResult& result, const std::vector<std::string>& inputs);

}  // namespace tilesmith
