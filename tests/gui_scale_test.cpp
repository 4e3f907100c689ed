// The window at a display scale of 2: package pixels stay squares, the
// coordinates are drawn at the device's resolution.
#include "gui_window_support.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

// Whether the 2 x 2 device pixels of pane pixel (x, y) are all one colour.
bool square(const QImage& img, int x, int y) {
    const QRgb c = img.pixel(2 * x, 2 * y);
    return img.pixel(2 * x + 1, 2 * y) == c && img.pixel(2 * x, 2 * y + 1) == c &&
           img.pixel(2 * x + 1, 2 * y + 1) == c;
}

class ScaleTwo : public WindowTest {
protected:
    // Before the application exists: the scale is read once, at its start.
    static void SetUpTestSuite() { qputenv("QT_SCALE_FACTOR", "2"); }
};

TEST_F(ScaleTwo, PanePixelsAreSquaresAndTheCoordinatesAreSharp) {
    write_tga(path("p.tga"), 256, 512, pattern);
    open();
    host.open_answers = {path("p.tga")};
    trigger("open_source");
    const QImage img = window->pane_image(1);
    ASSERT_EQ(img.height(), 1024);
    EXPECT_EQ(img.devicePixelRatio(), 2);
    // Away from the frame and the coordinates: every package pixel a square.
    for (int y = 100; y < 110; ++y)
        for (int x = 100; x < 110; ++x) {
            ASSERT_TRUE(square(img, x, y)) << x << "," << y;
            const PackedColor c = pattern(x, y);
            EXPECT_EQ(img.pixel(2 * x, 2 * y), qRgb(red_of(c), green_of(c), blue_of(c)));
        }
    // The "X:" and "Y:" texts at the selection's top left: some of their pane
    // pixels differ inside, which a text scaled up from a 1x buffer cannot.
    int detailed = 0;
    for (int y = 1; y < 22; ++y)
        for (int x = 4; x < 40; ++x) detailed += !square(img, x, y);
    EXPECT_GT(detailed, 10);
}

}  // namespace
