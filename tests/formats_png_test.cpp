// PNG reading and writing: every colour type and depth, interlaced or not,
// alpha as magenta both ways, and damaged files refused with nothing changed.
#include <gtest/gtest.h>

#include <QImage>

#include "core/error.h"
#include "core/progress.h"
#include "formats/png.h"
#include "support/png_builder.h"
#include "support/test_files.h"

using namespace tilesmith;

namespace {

struct KindCase {
    const char* name;
    PngPicture picture;
    // The package colour expected at (x, y).
    PackedColor (*expected)(int x, int y);
};

std::uint8_t level(int x, int y) { return std::uint8_t(x * 7 + y * 3); }

PngPicture picture(int depth, int type, bool interlaced, std::function<std::vector<int>(int, int)> pixel) {
    PngPicture s;
    s.width = 13;  // not a multiple of 8: partial Adam7 passes
    s.height = 11;
    s.bit_depth = depth;
    s.colour_type = type;
    s.interlaced = interlaced;
    s.pixel = std::move(pixel);
    return s;
}

PackedColor rgb_of(int x, int y) { return pack_rgb(level(x, y), std::uint8_t(x * 20), std::uint8_t(y * 20)); }
PackedColor grey_of(int x, int y) { return pack_rgb(level(x, y), level(x, y), level(x, y)); }
// Every third pixel a hole (alpha below 128), the others opaque enough.
bool hole(int x, int y) { return (x + y) % 3 == 0; }
PackedColor rgb_with_holes(int x, int y) { return hole(x, y) ? kTransparent : rgb_of(x, y); }
PackedColor grey_with_holes(int x, int y) { return hole(x, y) ? kTransparent : grey_of(x, y); }
const PackedColor kPalette[3] = {pack_rgb(200, 10, 10), pack_rgb(10, 200, 10), pack_rgb(0, 0, 0)};
PackedColor palette_of(int x, int y) { return (x + y) % 3 == 2 ? kTransparent : kPalette[(x + y) % 3]; }

std::vector<int> rgb8(int x, int y) {
    const PackedColor c = rgb_of(x, y);
    return {red_of(c), green_of(c), blue_of(c)};
}

KindCase palette_case() {
    PngPicture s = picture(8, 3, false, [](int x, int y) { return std::vector<int>{(x + y) % 3}; });
    s.palette = {200, 10, 10, 10, 200, 10, 0, 0, 0};
    s.transparency = {255, 255, 0};  // entry 2 is a hole
    return {"palette_with_transparent_entry", s, palette_of};
}

const KindCase kKinds[] = {
    {"rgb", picture(8, 2, false, rgb8), rgb_of},
    {"rgb_interlaced", picture(8, 2, true, rgb8), rgb_of},
    {"grey", picture(8, 0, false, [](int x, int y) { return std::vector<int>{level(x, y)}; }), grey_of},
    {"grey16_interlaced",
     picture(16, 0, true, [](int x, int y) { return std::vector<int>{level(x, y) * 257}; }), grey_of},
    {"grey_alpha",
     picture(8, 4, false, [](int x, int y) { return std::vector<int>{level(x, y), hole(x, y) ? 127 : 128}; }),
     grey_with_holes},
    {"rgba16",
     picture(16, 6, false,
          [](int x, int y) {
              const std::vector<int> c = rgb8(x, y);
              return std::vector<int>{c[0] * 257, c[1] * 257, c[2] * 257, hole(x, y) ? 0x7000 : 0xFFFF};
          }),
     rgb_with_holes},
    palette_case(),
};

class PngKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(PngKinds, ReadEveryPixel) {
    const KindCase& c = GetParam();
    TempDir dir;
    write_bytes(dir.file("in.png"), png_bytes(c.picture));
    Package p(64, 64, kWhite);
    CountingProgress progress;
    const ReadResult r = open_png(dir.file("in.png"), p, progress);
    EXPECT_FALSE(r.refused());
    ASSERT_EQ(p.width(), c.picture.width);
    ASSERT_EQ(p.height(), c.picture.height);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) ASSERT_EQ(p.pixel(x, y), c.expected(x, y)) << x << "," << y;
    EXPECT_EQ(progress.position(), progress.maximum());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PngKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngWriter, MagentaBecomesTransparentAndTheRoundTripKeepsEveryPixel) {
    TempDir dir;
    Package p(70, 65, kBlack);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.set_pixel(x, y, hole(x, y) ? kTransparent : rgb_of(x, y));
    CountingProgress progress;
    save_png(dir.file("out.png"), p, progress);

    const QImage written(QString::fromStdString(dir.file("out.png")));
    ASSERT_EQ(written.size(), QSize(70, 65));
    EXPECT_EQ(qAlpha(written.pixel(0, 0)), 0) << "magenta is a hole";
    EXPECT_EQ(written.pixel(1, 0), qRgb(red_of(rgb_of(1, 0)), green_of(rgb_of(1, 0)), blue_of(rgb_of(1, 0))))
        << "everything else opaque in its own colour";

    Package back;
    open_png(dir.file("out.png"), back, progress);
    EXPECT_EQ(back, p);
}

Bytes good_png() { return png_bytes(picture(8, 2, false, rgb8)); }

struct Hostile {
    const char* name;
    Bytes bytes;
};

Bytes with_size(std::uint32_t w, std::uint32_t h) {
    Bytes b = good_png();
    for (int i = 0; i < 4; ++i) {
        b[16 + i] = std::uint8_t(w >> (24 - 8 * i));
        b[20 + i] = std::uint8_t(h >> (24 - 8 * i));
    }
    // Keep the header's CRC right, so only the size is at fault.
    const Bytes fixed = png_chunk("IHDR", Bytes(b.begin() + 16, b.begin() + 29));
    std::copy(fixed.begin(), fixed.end(), b.begin() + 8);
    return b;
}

std::vector<Hostile> hostile_files() {
    Bytes truncated = good_png();
    truncated.resize(truncated.size() - 40);
    Bytes bad_crc = good_png();
    bad_crc[bad_crc.size() - 20] ^= 0x55;  // inside IDAT
    Bytes not_png = good_png();
    not_png[1] = 'X';
    return {{"truncated", truncated},
            {"damaged_data", bad_crc},
            {"wrong_signature", not_png},
            {"empty", {}},
            {"huge_announced_size", with_size(60000, 60000)},
            {"zero_width", with_size(0, 11)}};
}

TEST(PngReader, DamagedFilesAreRefusedAndThePackageStays) {
    TempDir dir;
    for (const Hostile& h : hostile_files()) {
        SCOPED_TRACE(h.name);
        write_bytes(dir.file("bad.png"), h.bytes);
        Package p(64, 64, kWhite);
        const Package before = p.clone();
        CountingProgress progress;
        try {
            open_png(dir.file("bad.png"), p, progress);
            ADD_FAILURE() << "read";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("bad.png"), std::string::npos) << e.what();
        }
        EXPECT_EQ(p, before);
    }
}

}  // namespace
