// The rectangle packer: inside its bins, no overlaps, the same places each time.
#include <gtest/gtest.h>

#include "core/rect_pack.h"

using namespace tilesmith;

TEST(RectPack, PlacesInsideBinsWithoutOverlapTheSameEachTime) {
    struct Case {
        std::vector<PackSize> sizes;
        int bins;
    };
    std::vector<PackSize> mixed;
    for (int i = 0; i < 300; ++i) mixed.push_back({1 + (i * 37) % 90, 1 + (i * 53) % 70});
    const Case cases[] = {
        {{{128, 128}, {128, 128}, {128, 128}, {128, 128}}, 1},
        {{{128, 128}, {128, 128}, {128, 128}, {128, 128}, {1, 1}}, 2},
        {{{256, 256}, {300, 10}, {0, 5}}, 2},
        {{}, 0},
        {mixed, 0},
    };
    for (const Case& c : cases) {
        const std::vector<PackPlace> places = pack_rectangles(c.sizes, 256);
        ASSERT_EQ(places.size(), c.sizes.size());
        if (c.bins) {
            EXPECT_EQ(bins_used(places), c.bins);
        }
        EXPECT_EQ(bins_used(pack_rectangles(c.sizes, 256)), bins_used(places));
        for (std::size_t i = 0; i < places.size(); ++i) {
            const int w = std::clamp(c.sizes[i].width, 1, 256), h = std::clamp(c.sizes[i].height, 1, 256);
            EXPECT_EQ(places[i].x, pack_rectangles(c.sizes, 256)[i].x);
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
