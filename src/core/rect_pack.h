// Packing rectangles onto as few square bins as they fit in: MaxRects, each
// rectangle at the free place that leaves the shortest side over, the largest
// first. The same sizes in the same order always give the same places.
#pragma once
#include <vector>

namespace tilesmith {

struct PackSize {
    int width = 0, height = 0;  // 1..side each
};

struct PackPlace {
    int bin = 0;  // from 0, bins filled in order
    int x = 0, y = 0;
};

// A rectangle that stays where it is: the bins it names are open from the
// start, and nothing else is placed over it.
struct PackFixed {
    int bin = 0;
    int x = 0, y = 0, width = 0, height = 0;
};

// One place per size, in the order given; every rectangle lies inside its
// bin and overlaps no other of that bin nor any of `fixed`. A size outside
// 1..side either way is taken as clamped to it.
std::vector<PackPlace> pack_rectangles(const std::vector<PackSize>& sizes, int side,
                                       const std::vector<PackFixed>& fixed = {});

// The bins the places use: the highest bin plus one, 0 for none.
int bins_used(const std::vector<PackPlace>& places);

}  // namespace tilesmith
