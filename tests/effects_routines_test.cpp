// The worked values of each effect routine.
#include <gtest/gtest.h>

#include <random>

#include "effects/routines.h"

using namespace tilesmith;

namespace {

CountingProgress g;

Package tile(PackedColor c) { return Package(64, 64, c); }

// One colour through a routine that works pixel by pixel.
template <class F>
PackedColor through(PackedColor c, F routine) {
    Package p = tile(c);
    routine(p);
    return p.pixel(17, 42);
}

Package random_tile(unsigned seed, bool with_transparent) {
    Package p(64, 64);
    std::mt19937 rng(seed);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            p.set_pixel(x, y, with_transparent && rng() % 10 == 0 ? kTransparent : PackedColor(rng() & 0xFFFFFF));
    return p;
}

PackedColor grey(int v) { return pack_rgb(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)); }
constexpr PackedColor kDark = pack_rgb(132, 130, 132);
constexpr PackedColor kBlue = pack_rgb(0, 0, 255);

}  // namespace

TEST(InvertColors, WorkedValues) {
    auto inv = [](Package& p) { invert_colors(p, {0, 0}, g); };
    EXPECT_EQ(through(kWhite, inv), kBlack);
    EXPECT_EQ(through(pack_rgb(10, 20, 30), inv), pack_rgb(245, 235, 225));
    // Pure green turns transparent and a second inversion keeps it so.
    Package p = tile(pack_rgb(0, 255, 0));
    inv(p);
    EXPECT_EQ(p.pixel(0, 0), kTransparent);
    inv(p);
    EXPECT_EQ(p.pixel(0, 0), kTransparent);
}

TEST(GrayScale, WorkedValues) {
    auto gray = [](Package& p) { gray_scale(p, {0, 0}, g); };
    EXPECT_EQ(through(kWhite, gray), kWhite);
    EXPECT_EQ(through(pack_rgb(255, 0, 0), gray), grey(76));
    EXPECT_EQ(through(pack_rgb(0, 255, 0), gray), grey(149));
    EXPECT_EQ(through(pack_rgb(0, 0, 255), gray), grey(28));
    EXPECT_EQ(through(grey(128), gray), grey(128));
}

TEST(BlackWhite, ThresholdIsHalfTheBrightestNonTransparentAverage) {
    Package p = tile(grey(200));  // m = 200, t = 100
    p.set_pixel(1, 0, grey(100));
    p.set_pixel(2, 0, grey(101));
    p.set_pixel(3, 0, pack_rgb(100, 100, 102));  // average 100 after truncation
    black_white(p, {0, 0}, g);
    EXPECT_EQ(p.pixel(0, 0), kWhite);
    EXPECT_EQ(p.pixel(1, 0), kBlack);
    EXPECT_EQ(p.pixel(2, 0), kWhite);
    EXPECT_EQ(p.pixel(3, 0), kBlack);

    // Magenta (average 170) would give t = 85 and turn 60 black; it must not count.
    Package q = tile(grey(100));
    q.set_pixel(5, 5, kTransparent);
    q.set_pixel(6, 6, grey(60));
    black_white(q, {0, 0}, g);
    EXPECT_EQ(q.pixel(6, 6), kWhite);
    EXPECT_EQ(q.pixel(5, 5), kTransparent);
}

TEST(BlackWhite, OneColourTiles) {
    auto bw = [](Package& p) { black_white(p, {0, 0}, g); };
    EXPECT_EQ(through(pack_rgb(3, 0, 0), bw), kWhite);  // average 1 > 0
    EXPECT_EQ(through(kBlack, bw), kBlack);
    EXPECT_EQ(through(kTransparent, bw), kTransparent);
}

TEST(ReduceColors, RoundsDownToMultiplesOfTheStep) {
    auto red = [](std::uint8_t step) { return [step](Package& p) { reduce_colors(p, {0, 0}, step, g); }; };
    EXPECT_EQ(through(pack_rgb(255, 191, 95), red(96)), pack_rgb(192, 96, 0));
    EXPECT_EQ(through(pack_rgb(255, 15, 16), red(16)), pack_rgb(240, 0, 16));
    // A step of 0 leaves colours alone rather than dividing by zero.
    EXPECT_EQ(through(pack_rgb(255, 15, 16), red(0)), pack_rgb(255, 15, 16));
}

TEST(AdjustGamma, PlainClampedOffset) {
    auto gam = [](std::int8_t d) { return [d](Package& p) { adjust_gamma(p, {0, 0}, d, g); }; };
    EXPECT_EQ(through(pack_rgb(200, 100, 0), gam(63)), pack_rgb(255, 163, 63));
    EXPECT_EQ(through(pack_rgb(50, 100, 255), gam(-63)), pack_rgb(0, 37, 192));
    EXPECT_EQ(through(pack_rgb(3, 8, 9), gam(-8)), pack_rgb(0, 0, 1));
    EXPECT_EQ(through(pack_rgb(250, 247, 0), gam(8)), pack_rgb(255, 255, 8));
    EXPECT_EQ(through(pack_rgb(255, 128, 0), gam(-128)), pack_rgb(127, 0, 0));
}

TEST(SwapChannels, EachCaptionsOrder) {
    auto sw = [](std::uint8_t r, std::uint8_t gr, std::uint8_t b) {
        return [=](Package& p) { swap_channels(p, {0, 0}, r, gr, b, g); };
    };
    const PackedColor c = pack_rgb(10, 20, 30);
    EXPECT_EQ(through(c, sw(1, 3, 2)), pack_rgb(10, 30, 20));  // RBG
    EXPECT_EQ(through(c, sw(2, 1, 3)), pack_rgb(20, 10, 30));  // GRB
    EXPECT_EQ(through(c, sw(2, 3, 1)), pack_rgb(30, 10, 20));  // GBR
    EXPECT_EQ(through(c, sw(3, 1, 2)), pack_rgb(20, 30, 10));  // BRG
    EXPECT_EQ(through(c, sw(3, 2, 1)), pack_rgb(30, 20, 10));  // BGR
    EXPECT_EQ(through(through(c, sw(2, 3, 1)), sw(3, 1, 2)), c);
    // Numbers outside 1..3 go nowhere; a channel that receives nothing keeps its value.
    EXPECT_EQ(through(c, sw(0, 4, 255)), c);
    EXPECT_EQ(through(c, sw(1, 1, 3)), pack_rgb(20, 20, 30));
}

TEST(AverageColor, DividesByTheWholeRectangle) {
    Package p = tile(pack_rgb(200, 100, 50));
    p.fill_rect(32, 0, 32, 64, kTransparent);
    average_color(p, {0, 0}, g);
    EXPECT_EQ(p.pixel(0, 0), pack_rgb(100, 50, 25));
    EXPECT_EQ(p.pixel(31, 63), pack_rgb(100, 50, 25));
    EXPECT_EQ(p.pixel(32, 0), kTransparent);

    Package q = tile(pack_rgb(10, 0, 255));
    q.fill_rect(0, 0, 64, 32, pack_rgb(21, 1, 0));
    average_color(q, {0, 0}, g);  // (10 + 21) / 2 = 15.5, (0 + 1) / 2, 255 / 2
    EXPECT_EQ(q.pixel(63, 63), pack_rgb(15, 0, 127));

    EXPECT_EQ(through(kTransparent, [](Package& x) { average_color(x, {0, 0}, g); }), kTransparent);
}

TEST(SharpenChannel, BrightensOneChannelWithSaturation) {
    auto sh = [](std::uint8_t ch) { return [ch](Package& p) { sharpen_channel(p, {0, 0}, ch, 32, g); }; };
    EXPECT_EQ(through(pack_rgb(250, 10, 10), sh(1)), pack_rgb(255, 10, 10));
    EXPECT_EQ(through(pack_rgb(100, 10, 10), sh(1)), pack_rgb(132, 10, 10));
    EXPECT_EQ(through(pack_rgb(100, 10, 240), sh(2)), pack_rgb(100, 42, 240));
    EXPECT_EQ(through(pack_rgb(100, 10, 240), sh(3)), pack_rgb(100, 10, 255));
    EXPECT_EQ(through(pack_rgb(100, 10, 240), sh(0)), pack_rgb(100, 10, 240));
    EXPECT_EQ(through(pack_rgb(100, 10, 240), sh(4)), pack_rgb(100, 10, 240));
}

TEST(Blur, PlusShapedWithCountsFiveFourThree) {
    Package p = tile(kBlack);
    p.set_pixel(20, 30, kWhite);
    blur(p, {0, 0}, g);
    for (auto [x, y] : {std::pair{20, 30}, {21, 30}, {19, 30}, {20, 31}, {20, 29}})
        EXPECT_EQ(p.pixel(x, y), grey(51));
    EXPECT_EQ(p.pixel(21, 31), kBlack);
    EXPECT_EQ(p.pixel(19, 29), kBlack);

    Package c = tile(kBlack);
    c.set_pixel(0, 0, kWhite);
    blur(c, {0, 0}, g);
    EXPECT_EQ(c.pixel(0, 0), grey(85));
    EXPECT_EQ(c.pixel(1, 0), grey(63));
    EXPECT_EQ(c.pixel(0, 1), grey(63));

    EXPECT_EQ(through(pack_rgb(7, 99, 201), [](Package& x) { blur(x, {0, 0}, g); }), pack_rgb(7, 99, 201));
}

TEST(Pixelate, TwoByTwoBlockAverages) {
    Package p = tile(kWhite);
    p.set_pixel(4, 6, kBlack);
    pixelate(p, {0, 0}, g);
    for (auto [x, y] : {std::pair{4, 6}, {5, 6}, {4, 7}, {5, 7}}) EXPECT_EQ(p.pixel(x, y), grey(191));
    EXPECT_EQ(p.pixel(3, 6), kWhite);

    Package once = random_tile(2, false);
    pixelate(once, {0, 0}, g);
    Package twice = once.clone();
    pixelate(twice, {0, 0}, g);
    EXPECT_EQ(once, twice);

    // The magenta takes part in its block's average and is painted back.
    Package t = tile(kBlack);
    t.set_pixel(10, 10, kTransparent);
    pixelate(t, {0, 0}, g);
    EXPECT_EQ(t.pixel(10, 10), kTransparent);
    for (auto [x, y] : {std::pair{11, 10}, {10, 11}, {11, 11}}) EXPECT_EQ(t.pixel(x, y), pack_rgb(63, 0, 63));
}

TEST(Rotate90, CounterClockwise) {
    Package p = tile(kBlack);
    p.fill_rect(0, 0, 64, 1, pack_rgb(255, 0, 0));
    p.set_pixel(63, 0, kBlue);
    p.set_pixel(0, 0, kTransparent);
    rotate90(p, {0, 0}, g);
    EXPECT_EQ(p.pixel(0, 0), kBlue);          // top-right went top-left
    EXPECT_EQ(p.pixel(0, 63), kTransparent);  // top-left went bottom-left
    for (int y = 1; y < 63; ++y) EXPECT_EQ(p.pixel(0, y), pack_rgb(255, 0, 0));
    EXPECT_EQ(p.pixel(1, 0), kBlack);
}

TEST(Rotate90, FourTurnsGiveTheRectangleBack) {
    const Package before = random_tile(3, true);
    Package p = before.clone();
    for (int k = 0; k < 4; ++k) {
        rotate90(p, {0, 0}, g);
        if (k < 3) {
            EXPECT_NE(p, before);
        }
    }
    EXPECT_EQ(p, before);
}

TEST(Flip, MirrorsAndTwoFlipsGiveTheRectangleBack) {
    Package p = tile(kBlack);
    p.set_pixel(0, 5, kWhite);
    p.set_pixel(5, 0, kBlue);
    flip(p, {0, 0}, 0, g);
    EXPECT_EQ(p.pixel(63, 5), kWhite);
    EXPECT_EQ(p.pixel(58, 0), kBlue);
    flip(p, {0, 0}, 1, g);
    EXPECT_EQ(p.pixel(63, 58), kWhite);
    EXPECT_EQ(p.pixel(58, 63), kBlue);

    const Package before = random_tile(4, true);
    for (std::uint8_t mode : {0, 1}) {
        Package q = before.clone();
        flip(q, {0, 0}, mode, g);
        EXPECT_NE(q, before);
        flip(q, {0, 0}, mode, g);
        EXPECT_EQ(q, before);
    }
    Package q = before.clone();
    flip(q, {0, 0}, 2, g);
    EXPECT_EQ(q, before);
}

TEST(Diaphragm, EvenRowsOrColumnsUnderTransparentPixels) {
    Package p = tile(kWhite);
    p.set_pixel(9, 0, kTransparent);
    diaphragm(p, {0, 0}, 0, kBlue, g);
    for (int y = 0; y < 64; ++y) EXPECT_EQ(p.pixel(30, y), y % 2 == 0 ? kBlue : kWhite) << y;
    EXPECT_EQ(p.pixel(9, 0), kTransparent);
    EXPECT_EQ(p.pixel(63, 62), kBlue);

    Package v = tile(kWhite);
    diaphragm(v, {0, 0}, 1, kBlue, g);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(v.pixel(x, 30), x % 2 == 0 ? kBlue : kWhite) << x;

    Package n = tile(kWhite);
    diaphragm(n, {0, 0}, 2, kBlue, g);
    EXPECT_EQ(n, tile(kWhite));
}

TEST(Button3d, BorderPixelsFollowTheTable) {
    for (std::uint8_t mode : {0, 1}) {
        Package p = tile(kTransparent);
        button3d(p, {0, 0}, mode, g);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                PackedColor want = kTransparent;  // inside untouched
                const bool top = y == 0, left = x == 0, right = x == 63, bottom = y == 63;
                if (mode == 0) {
                    if (right || bottom) want = kDark;
                    else if (top || left) want = kWhite;
                } else {
                    if (top || left) want = kDark;
                    else if (right || bottom) want = kWhite;
                }
                ASSERT_EQ(p.pixel(x, y), want) << int(mode) << " at " << x << "," << y;
            }
    }
}

TEST(Button3d, ConvexThenConcaveEndsConcave) {
    Package p = tile(kBlack), concave = tile(kBlack);
    button3d(p, {0, 0}, 0, g);
    button3d(p, {0, 0}, 1, g);
    button3d(concave, {0, 0}, 1, g);
    EXPECT_EQ(p, concave);

    Package n = tile(kBlack);
    button3d(n, {0, 0}, 7, g);
    EXPECT_EQ(n, tile(kBlack));
}
