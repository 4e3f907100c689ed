// tilesmith-cli convert and info, run as a separate program: exit statuses,
// what goes to stdout and stderr, and round trips through every writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "core/package.h"
#include "core/progress.h"
#include "formats/bmpjpg.h"
#include "formats/dispatch.h"
#include "formats/format_registry.h"
#include "formats/level_textures.h"
#include "formats/tga.h"
#include "model/texture_use.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/posix.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

namespace fs = std::filesystem;

using Outcome = CliRun;

class CliConvert : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir_.file(name); }

    // Arguments are passed through the shell in single quotes; none of ours hold one.
    Outcome cli(const std::string& args) const { return run_cli(args); }

    // A 256 x 512 picture saved as TGA, returned with its pixels.
    Package make_input(const std::string& name) const {
        Package p(256, 512);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 256; ++x) p.set_pixel(x, y, pack_rgb(std::uint8_t(x), std::uint8_t(y / 2), std::uint8_t(x / 2 + y / 4)));
        CountingProgress progress;
        save_tga(path(name), p, progress);
        return p;
    }

    TempDir dir_;
};

Package load(const std::string& file) {
    Package p;
    CountingProgress progress;
    if (file.ends_with(".tga")) open_tga(file, p, progress);
    else open_bmpjpg(file, p, progress);
    return p;
}

TEST_F(CliConvert, UsageErrorsExitWithTwo) {
    for (const std::string args : {"", "frobnicate", "convert", "convert in.tga", "convert in.tga out.tga extra",
                                   "convert in.tga out.tga --colour", "info", "info a.tga b.tga", "info --fast a.tga"}) {
        const Outcome r = cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_NE(r.err.find("tilesmith-cli"), std::string::npos) << args;
    }
    const Outcome help = cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert INPUT OUTPUT"), std::string::npos);
}

// The help names every extension of the format registry in its role.
TEST_F(CliConvert, HelpListsTheRegisteredExtensions) {
    const std::string help = cli("--help").out;
    for (const FormatRole role : {FormatRole::read, FormatRole::write, FormatRole::export_base})
        EXPECT_NE(help.find("(" + extension_list(role) + ")"), std::string::npos) << extension_list(role);
}

TEST_F(CliConvert, FailuresExitWithOneAndSayWhy) {
    make_input("in.tga");
    Outcome r = cli("convert '" + path("in.tga") + "' '" + path("out.gif") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(".tga .bmp .jpg"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("out.gif")));

    std::ofstream(path("in.gif")) << "GIF89a";
    r = cli("convert '" + path("in.gif") + "' '" + path("out.tga") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(".wad"), std::string::npos) << r.err;

    // A 32-bit TGA is refused with the string table's English text.
    std::string header(18, '\0');
    header[2] = 2, header[12] = 4, header[14] = 4, header[16] = 32;
    std::ofstream(path("deep.tga"), std::ios::binary) << header << std::string(64, 'x');
    r = cli("info '" + path("deep.tga") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tilesmith-cli: \"" + path("deep.tga") + "\": " +
                         std::string(text_of(Msg::UnknownImageType, Language::English)) + "\n");
    EXPECT_TRUE(r.out.empty());

    r = cli("convert '" + path("missing.tga") + "' '" + path("out.tga") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(path("missing.tga")), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("out.tga")));

    // A pipe with no writer ends at once in an error instead of waiting.
    POSIX_ONLY();
    ASSERT_TRUE(make_pipe(path("pipe.tr4")));
    r = cli("info '" + path("pipe.tr4") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;

    std::ofstream(path("broken.jpg")) << "not a jpeg";
    r = cli("convert '" + path("broken.jpg") + "' '" + path("out.tga") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("broken.jpg"), std::string::npos) << r.err;
}

TEST_F(CliConvert, InfoAndRoundTripsThroughEveryWriter) {
    const Package original = make_input("in.tga");
    const Outcome info = cli("info '" + path("in.tga") + "'");
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, "256 x 512 pixels, 4 x 8 tiles\n");
    EXPECT_TRUE(info.err.empty());

    for (const char* ext : {".tga", ".bmp", ".jpg"}) {
        const std::string mid = path(std::string("mid") + ext), back = path(std::string("back") + ext + ".tga");
        Outcome r = cli("convert '" + path("in.tga") + "' '" + mid + "' --8bit --no-transparency-fix");
        ASSERT_EQ(r.status, 0) << ext << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(r.err.empty()) << r.err;  // no progress bar: stderr is not a terminal
        r = cli("convert '" + mid + "' '" + back + "'");
        ASSERT_EQ(r.status, 0) << ext << r.err;

        const Package result = load(back);
        ASSERT_EQ(result.width(), 256);
        ASSERT_EQ(result.height(), 512);
        if (std::string(ext) != ".jpg") {
            EXPECT_EQ(result, original) << ext;
            continue;
        }
        int largest = 0;
        for (int y = 0; y < 512; ++y)
            for (int i = 0; i < 256 * 3; ++i)
                largest = std::max(largest, std::abs(int(result.row(y)[i]) - int(original.row(y)[i])));
        EXPECT_LE(largest, 8);  // quality 100
    }
}

TEST_F(CliConvert, InfoNamesALevelsKindAndPagesAndRefusesOneCutShortAsConvertDoes) {
    const std::pair<std::string, Bytes> levels[] = {
        {"a.tr4", make_tr4(7, 10)}, {"a.trc", make_tr4(1, 10)}, {"a.tr2", make_tr2(2, 10)},
        {"a.phd", make_tr1(3).bytes}, {"a.tub", make_tr1(1, true).bytes}, {"a.wad", make_wad(1, 2 * 196608)},
        {"tr4.tr2", make_tr4(1, 10)}};
    const char* lines[] = {"Tomb Raider 4 level: 7 pages; 256 x 1792 pixels, 4 x 28 tiles\n",
                           "Tomb Raider 5 level: 1 page; 256 x 256 pixels, 4 x 4 tiles\n",
                           "Tomb Raider 2 level: 2 pages; 256 x 512 pixels, 4 x 8 tiles\n",
                           "Tomb Raider 1 level: 3 pages; 256 x 768 pixels, 4 x 12 tiles\n",
                           "Tomb Raider 1 level: 1 page; 256 x 256 pixels, 4 x 4 tiles\n",
                           "Tomb Raider object package: 2 pages; 256 x 512 pixels, 4 x 8 tiles\n",
                           "Tomb Raider 4 level: 1 page; 256 x 256 pixels, 4 x 4 tiles\n"};
    for (std::size_t i = 0; i < std::size(levels); ++i) {
        write_bytes(path(levels[i].first), levels[i].second);
        const Outcome r = cli("info '" + path(levels[i].first) + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, lines[i]);
    }
    write_bytes(path("cut.tr2"), Bytes(levels[2].second.begin(), levels[2].second.begin() + 1800 + 4 * 65536 + 5000));
    const Outcome info = cli("info '" + path("cut.tr2") + "'"), r = cli("convert '" + path("cut.tr2") + "' '" + path("o.tga") + "'");
    EXPECT_EQ(std::tuple(info.status, info.out, info.err), std::tuple(1, std::string(lines[2]), r.err));
    EXPECT_NE(r.err.find("missing rows of pixels: 247"), std::string::npos) << r.err;
    EXPECT_EQ(r.status, 1);
}

TEST_F(CliConvert, PicturesAreReadAsWhatTheyAreAndFilesOfNoKnownKindRefused) {
    for (const auto& [written, named] : {std::pair{"p.png", "p.tga"}, {"j.jpg", "j.bmp"}, {"b.bmp", "b"}}) {
        CountingProgress progress;
        write_package(path(written), Package(64, 128), progress);
        fs::rename(path(written), path(named));
        const Outcome r = run_cli(std::vector<std::string>{"info", path(named)});
        EXPECT_EQ(std::pair(r.status, r.out), std::pair(0, std::string("64 x 128 pixels, 1 x 2 tiles\n"))) << r.err;
    }
    write_bytes(path("r.xyz"), pseudo_random_bytes(300, 7));
    const Outcome r = run_cli(std::vector<std::string>{"info", path("r.xyz")});
    EXPECT_EQ(std::pair(r.status, r.err), std::pair(1, "tilesmith-cli: cannot read \"" + path("r.xyz") +
                                                           "\": supported input extensions are " + extension_list(FormatRole::read) + "\n"));
}

// The numbers come from the model; the lines are the command's own.
TEST_F(CliConvert, InfoUsageListsTheTexturesAndPagesOfWalkableLevelsOnly) {
    write_bytes(path("u.tr4"), make_level({Game::tr4, 2}).bytes);
    const TextureUse use(*read_texture_refs(path("u.tr4")), 2);
    std::string expected = "Tomb Raider 4 level: 2 pages; 256 x 512 pixels, 4 x 8 tiles\nobject textures: " +
                           std::to_string(use.object_texture_count()) + ", sprite textures: " +
                           std::to_string(use.sprite_texture_count()) + "\n";
    for (const int page : {0, 1})
        expected += "page " + std::to_string(page) + ": " + std::to_string(whole_percent(use.used_pixels(page), 65536)) +
                    "% of pixels used, " + std::to_string(use.unused_tiles(page)) + " of 16 tiles unused\n";
    expected += "unused tiles: " + std::to_string(use.unused_tiles(0) + use.unused_tiles(1)) + " of 32\n";
    Outcome r = cli("info --usage '" + path("u.tr4") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);
    std::ofstream(path("u.tr4"), std::ios::app) << "appended";
    r = cli("info --usage '" + path("u.tr4") + "'");
    EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(0, expected, "tilesmith-cli: \"" + path("u.tr4") +
                                                                "\": 8 bytes after the level's last structure were ignored\n"));

    write_bytes(path("w.wad"), make_wad(1, 196608));
    r = cli("info --usage '" + path("w.wad") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tilesmith-cli: texture use is recorded only in levels\n");
    write_bytes(path("cut.tr2"), make_tr2(1));
    r = cli("info '" + path("cut.tr2") + "' --usage");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The texture use of \"" + path("cut.tr2") + "\" cannot be read: "), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tilesmith
