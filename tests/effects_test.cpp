// What every effect routine shares: the gauge, the protection of transparent
// pixels, rectangles off the tile grid or past the package edge, and the
// row-wise copy of the rectangle against the pixel-wise one.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "effects/effect_registry.h"
#include "effects/frame.h"
#include "effects/routines.h"

using namespace tilesmith;

namespace {

struct Subject {
    std::string name;
    int phases;
    enum Transparency { kKept, kMoved, kLost } transparency;
    BoundEffect run;
};

// What each effect of the registry is expected to do here, with the
// parameters it runs with.
struct Expected {
    const char* call;
    int phases;
    Subject::Transparency transparency;
};
const std::map<std::string, Expected> kExpected = {
    {"invert_colors", {"invert_colors", 1, Subject::kKept}},
    {"gray_scale", {"gray_scale", 1, Subject::kKept}},
    {"black_white", {"black_white", 3, Subject::kKept}},
    {"reduce_colors", {"reduce_colors:96", 1, Subject::kKept}},
    {"adjust_gamma", {"adjust_gamma:-25", 1, Subject::kKept}},
    {"swap_channels", {"swap_channels:2,3,1", 1, Subject::kKept}},
    {"average_color", {"average_color", 3, Subject::kKept}},
    {"sharpen_channel", {"sharpen_channel:2,32", 1, Subject::kKept}},
    {"blur", {"blur", 2, Subject::kKept}},
    {"pixelate", {"pixelate", 1, Subject::kKept}},
    {"rotate90", {"rotate90", 2, Subject::kMoved}},
    {"flip", {"flip:1", 2, Subject::kMoved}},
    {"diaphragm", {"diaphragm:1,0000ff", 1, Subject::kKept}},
    {"button3d", {"button3d:0", 1, Subject::kLost}},
};

// Every effect of the registry, bound to its parameters above.
const std::vector<Subject>& all_effects() {
    static const std::vector<Subject> effects = [] {
        std::vector<Subject> all;
        for (const Effect& e : effect_registry()) {
            const auto found = kExpected.find(e.name);
            if (found == kExpected.end()) continue;  // reported by the test below
            const Expected& x = found->second;
            all.push_back({e.name, x.phases, x.transparency, parse_effect(x.call).run});
        }
        return all;
    }();
    return effects;
}

// Random colours with about one pixel in eight transparent.
Package random_package(int w, int h, unsigned seed) {
    Package p(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(x, y, rng() % 8 == 0 ? kTransparent : PackedColor(rng() & 0xFFFFFF));
    return p;
}

Package crop(const Package& p, int x, int y, int w, int h) {
    Package out(w, h, kWhite);
    out.copy_rect(p, x, y, w, h, 0, 0);
    return out;
}

}  // namespace

TEST(EffectFrame, EveryRegisteredEffectTakesPartInTheseTests) {
    EXPECT_EQ(all_effects().size(), effect_registry().size());
    for (const Effect& e : effect_registry())
        EXPECT_EQ(kExpected.count(e.name), 1u) << e.name << " has no expectations here";
    for (const Subject& e : all_effects()) EXPECT_TRUE(e.run) << e.name;
}

TEST(EffectFrame, ColorChannelReadsOneChannelAndZeroForOtherNumbers) {
    const PackedColor c = pack_rgb(10, 20, 30);
    EXPECT_EQ(color_channel(c, 1), 10);
    EXPECT_EQ(color_channel(c, 2), 20);
    EXPECT_EQ(color_channel(c, 3), 30);
    EXPECT_EQ(color_channel(c, 0), 0);
    EXPECT_EQ(color_channel(c, 4), 0);
    EXPECT_EQ(color_channel(c, -1), 0);
    for (int ch = 1; ch <= 3; ++ch) EXPECT_EQ(color_channel(kOutside, ch), 255);
}

TEST(EffectFrame, MarkAndRestoreTransparentPixels) {
    Package p(100, 100, kBlack);
    p.set_pixel(10 + 3, 20 + 5, kTransparent);
    p.set_pixel(10 + 63, 20 + 63, kTransparent);
    p.set_pixel(10 + 4, 20 + 5, pack_rgb(255, 1, 255));  // near magenta is not transparent
    TransparentMap map;
    mark_transparent(p, 10, 20, map);
    int marked = 0;
    for (auto& column : map)
        for (auto m : column) marked += m;
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(map[3][5], 1);
    EXPECT_EQ(map[63][63], 1);

    p.fill_rect(0, 0, 100, 100, kWhite);
    restore_transparent(p, 10, 20, map);
    EXPECT_EQ(p.pixel(13, 25), kTransparent);
    EXPECT_EQ(p.pixel(73, 83), kTransparent);
    EXPECT_EQ(p.pixel(14, 25), kWhite);
}

TEST(EffectFrame, GaugeEndsFullAfterOneStepPerPhase) {
    for (const auto& e : all_effects()) {
        Package p = random_package(64, 64, 1);
        CountingProgress progress;
        progress.reset(100);
        progress.step();
        e.run(p, 0, 0, progress);
        EXPECT_EQ(progress.resets(), 2) << e.name;
        EXPECT_EQ(progress.maximum(), e.phases) << e.name;
        EXPECT_EQ(progress.position(), e.phases) << e.name;
        EXPECT_EQ(progress.steps(), 1 + e.phases) << e.name;
    }
}

TEST(EffectFrame, TransparentPixelsKeptMovedOrLostAsEachRoutineDoes) {
    for (const auto& e : all_effects()) {
        Package p(64, 64, pack_rgb(40, 120, 200));
        const int spots[][2] = {{0, 0}, {10, 10}, {33, 7}, {63, 63}, {1, 62}};
        for (auto& s : spots) p.set_pixel(s[0], s[1], kTransparent);
        CountingProgress progress;
        e.run(p, 0, 0, progress);
        int transparent = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) transparent += p.pixel(x, y) == kTransparent;
        switch (e.transparency) {
            case Subject::kKept:
                for (auto& s : spots) EXPECT_EQ(p.pixel(s[0], s[1]), kTransparent) << e.name;
                EXPECT_EQ(transparent, 5) << e.name;
                break;
            case Subject::kMoved:  // same count, not all in place
                EXPECT_EQ(transparent, 5) << e.name;
                EXPECT_NE(p.pixel(0, 0), kTransparent) << e.name;
                break;
            case Subject::kLost:  // the two on the border are painted over
                EXPECT_EQ(transparent, 3) << e.name;
                EXPECT_EQ(p.pixel(10, 10), kTransparent) << e.name;
                break;
        }
    }
}

TEST(EffectFrame, OffGridRectangleChangesExactlyItsPixelsAcrossTileBorders) {
    const int x = 40, y = 24;  // straddles four tiles
    for (const auto& e : all_effects()) {
        const Package before = random_package(256, 256, 7);
        Package p = before.clone();
        Package alone = crop(before, x, y, 64, 64);
        CountingProgress progress;
        e.run(p, x, y, progress);
        e.run(alone, 0, 0, progress);
        // The rectangle changed as a 64 x 64 package of its own would...
        EXPECT_EQ(crop(p, x, y, 64, 64), alone) << e.name;
        // ... and nothing around it changed.
        Package outside = p.clone();
        outside.copy_rect(before, x, y, 64, 64, x, y);
        EXPECT_EQ(outside, before) << e.name;
    }
}

TEST(EffectFrame, RectanglePastTheEdgeWritesOnlyInsideAndReadsWhiteBeyond) {
    // A 100 x 70 package, and the same pixels inside a larger package whose
    // extra area is white: reads past the small one's edge count as white, so
    // both must end with the same pixels where the small one exists.
    const Package small = random_package(100, 70, 3);
    const int corners[][2] = {{60, 30}, {-20, -10}, {90, 0}, {0, 60}, {99, 69}};
    for (const auto& e : all_effects()) {
        for (auto& c : corners) {
            Package p = small.clone();
            Package large(300, 300, kWhite);
            large.copy_rect(small, 0, 0, 100, 70, 100, 100);
            CountingProgress progress;
            e.run(p, c[0], c[1], progress);
            e.run(large, 100 + c[0], 100 + c[1], progress);
            EXPECT_EQ(p.width(), 100);
            EXPECT_EQ(p, crop(large, 100, 100, 100, 70)) << e.name << " at " << c[0] << "," << c[1];
        }
    }
}

TEST(EffectFrame, RectanglesAtExtremeCornersChangeNothing) {
    const Package before = random_package(64, 64, 5);
    const int corners[][2] = {{INT_MAX, 0}, {0, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MAX - 10, INT_MAX}, {-64, 0}};
    for (const auto& e : all_effects()) {
        for (auto& c : corners) {
            Package p = before.clone();
            CountingProgress progress;
            e.run(p, c[0], c[1], progress);
            EXPECT_EQ(p, before) << e.name;
            EXPECT_EQ(progress.position(), e.phases) << e.name;
        }
    }
}

TEST(EffectFrame, RowCopyOfTheAreaMatchesThePixelCopy) {
    const Package source = random_package(200, 130, 11);
    const EffectArea areas[] = {{0, 0}, {136, 66}, {7, 13}, {136, 0}, {137, 66}, {-1, 5}, {8, 2, 192, 128}, {70, 0, 128, 64}};
    for (const EffectArea& area : areas) {
        effect::Picture fast, slow;
        effect::load_picture(source, area, fast);
        effect::load_picture_by_pixel(source, area, slow);
        ASSERT_EQ(fast.px, slow.px);

        effect::Picture data;
        effect::load_picture(random_package(area.width, area.height, 12), {0, 0, area.width, area.height}, data);
        Package a(200, 130, kBlack), b(200, 130, kBlack);
        effect::store_picture(a, area, data);
        effect::store_picture_by_pixel(b, area, data);
        EXPECT_EQ(a, b);
    }
}

// A region of several tiles is one picture: a 128 x 128 region at (64, 64)
// of a 256 x 256 package.
TEST(EffectRegion, TurnsAndFlipsMoveThePixelsOfTheWholeRegion) {
    struct Case {
        const char* call;
        // Where the pixel now at (i, j) of the region came from.
        std::pair<int, int> (*from)(int i, int j);
    };
    const Case cases[] = {
        {"rotate90", [](int i, int j) { return std::pair{127 - j, i}; }},
        {"flip:0", [](int i, int j) { return std::pair{127 - i, j}; }},
        {"flip:1", [](int i, int j) { return std::pair{i, 127 - j}; }},
    };
    const Package before = random_package(256, 256, 21);
    for (const Case& c : cases) {
        Package p = before.clone();
        CountingProgress progress;
        parse_effect(c.call).run(p, EffectArea{64, 64, 128, 128}, progress);
        for (int j = 0; j < 128; ++j)
            for (int i = 0; i < 128; ++i) {
                const auto [fi, fj] = c.from(i, j);
                ASSERT_EQ(p.pixel(64 + i, 64 + j), before.pixel(64 + fi, 64 + fj)) << c.call << " " << i << "," << j;
            }
        EXPECT_EQ(crop(p, 0, 0, 256, 64), crop(before, 0, 0, 256, 64)) << c.call;
    }
}

TEST(EffectRegion, OnlyATurnRefusesARegionThatIsNotSquare) {
    for (const Effect& e : effect_registry())
        for (const EffectItem& item : e.items) {
            const BoundEffect run = parse_effect(item_call(e, item)).run;
            EXPECT_EQ(run.refusal(128, 128), std::nullopt) << e.name << " " << item.args;
            EXPECT_EQ(run.refusal(128, 64), e.square_only ? std::optional(Msg::TurnNeedsSquare) : std::nullopt)
                << e.name << " " << item.args;
        }
    EXPECT_TRUE(find_effect("rotate90")->square_only);
}

TEST(EffectRegion, AverageFrameAndBlurSeeTheRegionNotItsTiles) {
    // The left tile black, the right one white: a 128 x 64 region.
    Package p(128, 64, kBlack);
    p.fill_rect(64, 0, 64, 64, kWhite);
    const Package before = p.clone();
    CountingProgress progress;
    const EffectArea region{0, 0, 128, 64};

    parse_effect("average_color").run(p, region, progress);
    EXPECT_EQ(p, Package(128, 64, pack_rgb(127, 127, 127))) << "one colour over both tiles";

    p = before.clone();
    parse_effect("button3d:0").run(p, region, progress);
    EXPECT_EQ(p.pixel(63, 0), pack_rgb(255, 255, 255)) << "the top edge runs on";
    EXPECT_EQ(p.pixel(63, 30), kBlack) << "no edge between the tiles";
    EXPECT_EQ(p.pixel(64, 30), kWhite);
    EXPECT_EQ(p.pixel(127, 30), pack_rgb(132, 130, 132));

    p = before.clone();
    parse_effect("blur").run(p, region, progress);
    EXPECT_NE(p.pixel(63, 30), kBlack) << "the blur reaches across the tiles' border";
    EXPECT_EQ(p.pixel(62, 30), kBlack);
}
