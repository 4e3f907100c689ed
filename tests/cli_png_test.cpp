// PNG through every tilesmith-cli command: convert both ways, info, export's
// PACKAGE, effect; damaged PNGs refused.
#include <gtest/gtest.h>

#include "core/package.h"
#include "core/progress.h"
#include "formats/level_export.h"
#include "formats/png.h"
#include "formats/tga.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/png_builder.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

class CliPng : public ::testing::Test {
protected:
    // 128 x 192 pixels, holes (magenta) on a diagonal.
    Package picture() const {
        Package p(128, 192, kBlack);
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                p.set_pixel(x, y, x == y ? kTransparent : pack_rgb(std::uint8_t(x * 2), std::uint8_t(y), 77));
        return p;
    }
    Package load_png(const std::string& name) const {
        Package p;
        CountingProgress progress;
        open_png(dir.file(name), p, progress);
        return p;
    }
    TempDir dir;
    CountingProgress progress;
};

TEST_F(CliPng, ConvertsBothWaysKeepingEveryPixelAndInfoReadsIt) {
    const Package original = picture();
    save_tga(dir.file("in.tga"), original, progress);
    CliRun r = run_cli({"convert", dir.file("in.tga"), dir.file("mid.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(load_png("mid.png"), original);

    r = run_cli({"convert", dir.file("mid.png"), dir.file("back.tga")});
    ASSERT_EQ(r.status, 0) << r.err;
    Package back;
    open_tga(dir.file("back.tga"), back, progress);
    EXPECT_EQ(back, original);

    r = run_cli({"info", dir.file("mid.png")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "128 x 192 pixels, 2 x 3 tiles\n");
}

TEST_F(CliPng, EffectReadsAndWritesPng) {
    save_png(dir.file("in.png"), picture(), progress);
    const CliRun r = run_cli({"effect", "invert_colors", dir.file("in.png"), dir.file("out.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    const Package out = load_png("out.png");
    const PackedColor c = picture().pixel(10, 20);
    EXPECT_EQ(out.pixel(10, 20), pack_rgb(255 - red_of(c), 255 - green_of(c), 255 - blue_of(c)));
    EXPECT_EQ(out.pixel(100, 100), picture().pixel(100, 100)) << "outside the tile";
}

TEST_F(CliPng, ExportTakesAPngPackage) {
    Package package(256, 512, kBlack);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 256; ++x) package.set_pixel(x, y, pack_rgb(std::uint8_t(x), std::uint8_t(y), 9));
    save_png(dir.file("package.png"), package, progress);
    write_bytes(dir.file("base.tr4"), make_level(LevelSpec(Game::tr4, 2)).bytes);
    const CliRun r = run_cli({"export", dir.file("package.png"), dir.file("base.tr4"), dir.file("out.tr4")});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(export_level(dir.file("expected.tr4"), dir.file("base.tr4"), package, progress),
              ExportResult::written);
    EXPECT_EQ(read_bytes(dir.file("out.tr4")), read_bytes(dir.file("expected.tr4")));
}

TEST_F(CliPng, DamagedPngIsRefusedWithItsNameAndNothingWritten) {
    PngPicture picture;
    picture.width = picture.height = 8;
    picture.pixel = [](int x, int y) { return std::vector<int>{x, y, 0}; };
    Bytes truncated = png_bytes(picture);
    truncated.resize(truncated.size() - 30);
    Bytes huge = png_bytes(picture);
    huge[16] = 0x7F;  // width 2^31 - ..., CRC no longer matches either
    for (const Bytes& bytes : {truncated, huge, Bytes{'G', 'I', 'F'}}) {
        write_bytes(dir.file("bad.png"), bytes);
        const CliRun r = run_cli({"convert", dir.file("bad.png"), dir.file("out.tga")});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Cannot read \"" + dir.file("bad.png") + "\""), std::string::npos) << r.err;
        EXPECT_FALSE(file_exists(dir.file("out.tga")));
    }
}

}  // namespace
}  // namespace tilesmith
