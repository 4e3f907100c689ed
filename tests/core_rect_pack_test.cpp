// The rectangle packer: inside its bins, no overlaps, the same places each time.
#include <gtest/gtest.h>

#include "core/rect_pack.h"

using namespace tilesmith;

TEST(RectPack, PlacesInsideBinsWithoutOverlapTheSameEachTime) {
    struct Case {
        std::vector<PackSize> sizes;
        int bins;
        std::vector<PackFixed> fixed = {};
    };
    std::vector<PackSize> mixed;
    for (int i = 0; i < 300; ++i) mixed.push_back({1 + (i * 37) % 90, 1 + (i * 53) % 70});
    const Case cases[] = {
        {{{128, 128}, {128, 128}, {128, 128}, {128, 128}}, 1},
        {{{128, 128}, {128, 128}, {128, 128}, {128, 128}, {1, 1}}, 2},
        {{{256, 256}, {300, 10}, {0, 5}}, 2},
        {{}, 0},
        {mixed, 0},
        // Around rectangles already in place: beside them, else in a bin of its own.
        {{{256, 55}}, 1, {{0, 0, 0, 256, 201}}},
        {{{256, 55}}, 2, {{0, 0, 0, 256, 202}}},
        {{{100, 100}, {100, 100}}, 2, {{1, 0, 0, 156, 256}, {0, 0, 0, 256, 156}}},
    };
    for (const Case& c : cases) {
        const std::vector<PackPlace> places = pack_rectangles(c.sizes, 256, c.fixed);
        ASSERT_EQ(places.size(), c.sizes.size());
        if (c.bins) {
            int bins = bins_used(places);
            for (const PackFixed& f : c.fixed) bins = std::max(bins, f.bin + 1);
            EXPECT_EQ(bins, c.bins);
        }
        EXPECT_EQ(bins_used(pack_rectangles(c.sizes, 256, c.fixed)), bins_used(places));
        for (std::size_t i = 0; i < places.size(); ++i) {
            const int w = std::clamp(c.sizes[i].width, 1, 256), h = std::clamp(c.sizes[i].height, 1, 256);
            EXPECT_EQ(places[i].x, pack_rectangles(c.sizes, 256, c.fixed)[i].x);
            for (const PackFixed& f : c.fixed)
                EXPECT_TRUE(places[i].bin != f.bin || places[i].x + w <= f.x || f.x + f.width <= places[i].x ||
                            places[i].y + h <= f.y || f.y + f.height <= places[i].y)
                    << i << " overlaps a fixed one";
            EXPECT_TRUE(places[i].x >= 0 && places[i].y >= 0 && places[i].x + w <= 256 && places[i].y + h <= 256);
            for (std::size_t j = 0; j < i; ++j) {
                const int wj = std::clamp(c.sizes[j].width, 1, 256), hj = std::clamp(c.sizes[j].height, 1, 256);
                const bool apart = places[i].bin != places[j].bin || places[i].x + w <= places[j].x ||
                                   places[j].x + wj <= places[i].x || places[i].y + h <= places[j].y ||
                                   places[j].y + hj <= places[i].y;
                EXPECT_TRUE(apart) << i << " overlaps " << j;
            }
        }
    }
}
