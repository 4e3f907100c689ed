// tilesmith-cli effect: each routine with its parameters at --at, exit
// statuses and usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "effects/effect_registry.h"
#include "effects/routines.h"
#include "support/cli_run.h"
#include "support/test_files.h"

using namespace tilesmith;
namespace fs = std::filesystem;

namespace {

class CliEffect : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir_.file(name); }

    // Runs the tool; what it said on stdout and stderr is kept in last_.
    int run(const std::string& args) {
        last_ = run_cli(args);
        return last_.status;
    }

    TempDir dir_;
    CliRun last_;
};

// A 24-bit TGA, top row first.
void write_tga(const std::string& file, const Package& p) {
    std::ofstream out(file, std::ios::binary);
    unsigned char h[18] = {};
    h[2] = 2;
    h[12] = std::uint8_t(p.width());
    h[13] = std::uint8_t(p.width() >> 8);
    h[14] = std::uint8_t(p.height());
    h[15] = std::uint8_t(p.height() >> 8);
    h[16] = 24;
    h[17] = 32;
    out.write(reinterpret_cast<const char*>(h), 18);
    for (int y = 0; y < p.height(); ++y) out.write(reinterpret_cast<const char*>(p.row(y)), p.width() * 3);
}

// Reads back a 24-bit TGA of either row order.
Package read_tga(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char h[18] = {};
    in.read(reinterpret_cast<char*>(h), 18);
    if (!in || h[16] != 24) return Package(0, 0);
    Package p(h[12] | h[13] << 8, h[14] | h[15] << 8);
    for (int r = 0; r < p.height(); ++r)
        in.read(reinterpret_cast<char*>(p.row(h[17] & 32 ? r : p.height() - 1 - r)), p.width() * 3);
    if (!in) return Package(0, 0);
    return p;
}

Package random_package(int w, int h) {
    Package p(w, h);
    std::mt19937 rng(9);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.set_pixel(x, y, rng() % 9 == 0 ? kTransparent : rng() & 0xFFFFFF);
    return p;
}

}  // namespace

TEST_F(CliEffect, EachRoutineRunsWithItsParametersAtTheCorner) {
    using Call = std::function<void(Package&, const EffectArea&, Progress&)>;
    const std::pair<std::string, Call> cases[] = {
        {"invert_colors", invert_colors},
        {"gray_scale", gray_scale},
        {"black_white", black_white},
        {"reduce_colors:16", [](Package& p, const EffectArea& a, Progress& g) { reduce_colors(p, a, 16, g); }},
        {"adjust_gamma:-25", [](Package& p, const EffectArea& a, Progress& g) { adjust_gamma(p, a, -25, g); }},
        {"swap_channels:2,3,1",
         [](Package& p, const EffectArea& a, Progress& g) { swap_channels(p, a, 2, 3, 1, g); }},
        {"average_color", average_color},
        {"sharpen_channel:3,32",
         [](Package& p, const EffectArea& a, Progress& g) { sharpen_channel(p, a, 3, 32, g); }},
        {"brighten_channel:3,32",
         [](Package& p, const EffectArea& a, Progress& g) { sharpen_channel(p, a, 3, 32, g); }},
        {"blur", blur},
        {"pixelate", pixelate},
        {"rotate90", rotate90},
        {"flip:1", [](Package& p, const EffectArea& a, Progress& g) { flip(p, a, 1, g); }},
        {"diaphragm:1,0a80ff",
         [](Package& p, const EffectArea& a, Progress& g) { diaphragm(p, a, 1, pack_rgb(10, 128, 255), g); }},
        {"button3d:1", [](Package& p, const EffectArea& a, Progress& g) { button3d(p, a, 1, g); }},
    };
    const Package input = random_package(192, 128);
    write_tga(path("in.tga"), input);
    for (const auto& [routine, call] : cases) {
        ASSERT_EQ(run("effect " + routine + " " + path("in.tga") + " " + path("r.tga") + " --at 40,24"), 0)
            << routine << ": " << last_.err;
        EXPECT_EQ(last_.out, "");
        Package want = input.clone();
        CountingProgress progress;
        call(want, {40, 24}, progress);
        EXPECT_EQ(read_tga(path("r.tga")), want) << routine;
    }
}

TEST_F(CliEffect, EveryMenuItemOfTheRegistryRunsFromTheCommandLineAndHelpListsEveryEffect) {
    const Package input = random_package(128, 128);
    write_tga(path("in.tga"), input);
    ASSERT_EQ(run("--help"), 0);
    const std::string help = last_.out;
    for (const Effect& e : effect_registry()) {
        EXPECT_NE(help.find(" " + effect_usage(e)), std::string::npos) << e.name;
        for (const EffectItem& item : e.items) {
            const std::string call = item_call(e, item, pack_rgb(10, 128, 255));
            ASSERT_EQ(run("effect " + call + " " + path("in.tga") + " " + path("r.tga") + " --at 30,50"), 0)
                << call << ": " << last_.err;
            Package want = input.clone();
            CountingProgress progress;
            parse_effect(call).run(want, 30, 50, progress);
            EXPECT_EQ(read_tga(path("r.tga")), want) << call;
        }
    }
}

TEST_F(CliEffect, DefaultCornerIsTheTopLeftAndInputMayBeTheOutput) {
    write_tga(path("in.tga"), random_package(128, 64));
    Package want = read_tga(path("in.tga"));
    CountingProgress progress;
    invert_colors(want, {0, 0}, progress);
    ASSERT_EQ(run("effect invert_colors " + path("in.tga") + " " + path("in.tga")), 0) << last_.err;
    EXPECT_EQ(read_tga(path("in.tga")), want);
}

TEST_F(CliEffect, BadNamesParametersAndCornersAreUsageErrors) {
    write_tga(path("in.tga"), Package(64, 64));
    const std::string files = " " + path("in.tga") + " " + path("o.tga");
    for (const char* args : {"effect", "effect blur", "effect blur a.tga"}) EXPECT_EQ(run(args), 2) << args;
    const char* bad[] = {
        "sharpen",                   "blur:1",
        "invert_colors:",            "reduce_colors",
        "reduce_colors:0",           "reduce_colors:256",
        "reduce_colors:1x",          "adjust_gamma:128",
        "adjust_gamma:-129",         "swap_channels:1,2",
        "swap_channels:1,2,4",       "swap_channels:1,1,2",
        "swap_channels:0,2,3",       "sharpen_channel:4,32",
        "sharpen_channel:1,256",     "sharpen_channel:1",
        "flip:2",                    "flip:-1",
        "diaphragm:0",               "diaphragm:0,00ff",
        "diaphragm:0,00ff0g",        "diaphragm:2,000000",
        "diaphragm:0,-0ff00",        "button3d:x",
        "button3d",
    };
    for (const char* routine : bad) {
        EXPECT_EQ(run(std::string("effect ") + routine + files), 2) << routine;
        EXPECT_FALSE(fs::exists(path("o.tga"))) << routine;
    }
    for (const char* at : {"--at", "--at 1", "--at 1,2,3", "--at x,2", "--at 1,", "--at 3000000000,0",
                           "--at 1,2 --at 3,4", "--around 1,2"}) {
        EXPECT_EQ(run("effect blur" + files + " " + at), 2) << at;
        EXPECT_FALSE(fs::exists(path("o.tga"))) << at;
    }
    EXPECT_EQ(run("effect blur" + files + " extra"), 2);
}

TEST_F(CliEffect, UnreadableInputOrOutputFails) {
    EXPECT_EQ(run("effect blur " + path("missing.tga") + " " + path("o.tga")), 1);
    EXPECT_FALSE(fs::exists(path("o.tga")));
    write_tga(path("in.tga"), Package(64, 64));
    EXPECT_EQ(run("effect blur " + path("in.tga") + " " + path("o.xyz")), 1);
    EXPECT_FALSE(fs::exists(path("o.xyz")));
    // A corner past the package is not an error: nothing there to change.
    ASSERT_EQ(run("effect blur " + path("in.tga") + " " + path("o.tga") + " --at=-500,7"), 0);
    EXPECT_EQ(read_tga(path("o.tga")), Package(64, 64));
}
