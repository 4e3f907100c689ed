// tilesmith-cli collect: what it writes and prints, and its statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/dispatch.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/test_files.h"
#include "support/workspace_fixtures.h"

namespace tilesmith {
namespace {

struct CliCollect : ::testing::Test {
    TempDir dir;
    std::string image(const std::string& name, const Package& package) {
        CountingProgress progress;
        write_package(dir.file(name), package, progress);
        return dir.file(name);
    }
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), "collect");
        return run_cli(args);
    }
};

TEST_F(CliCollect, WritesThePackageAndManifestAndSaysHowManyTiles) {
    const std::string a = image("a.tga", tiles_of({1, 2, 1}));
    std::filesystem::create_directory(dir.file("more"));
    image("more/b.png", tiles_of({2, 3}));
    const CliRun r = run({dir.file("out.bmp"), a, dir.file("more"), "--unique", "--width", "3", "--manifest",
                          dir.file("tiles.csv")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "tiles: read 5, written 3 (2 duplicates, 0 unused)\n");
    EXPECT_EQ(r.err, "");  // no bar where stderr is no terminal
    Package written;
    CountingProgress progress;
    read_package(dir.file("out.bmp"), written, {}, progress);
    EXPECT_EQ(written, tiles_of({1, 2, 3}));
    const Bytes manifest = read_bytes(dir.file("tiles.csv"));
    EXPECT_EQ(std::string(manifest.begin(), manifest.end()),
              "# tile,file,page,x,y,inputs\n0," + a + ",0,0,0,1\n1," + a + ",0,64,0,2\n2," + dir.file("more/b.png") + ",0,64,0,1\n");
}

TEST_F(CliCollect, PolishNamesAreReadWrittenAndListedWithSlashes) {
    std::filesystem::create_directories(path_from_utf8(dir.file("żółw/ćma")));
    image("żółw/ćma/ząb.png", tiles_of({4}));
    const CliRun r = run({dir.file("wynik.tga"), dir.file("żółw"), "--manifest", dir.file("spis.csv")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(file_exists(dir.file("wynik.tga")));
    const Bytes manifest = read_bytes(dir.file("spis.csv"));
    EXPECT_EQ(std::string(manifest.begin(), manifest.end()), "# tile,file,page,x,y,inputs\n0," + dir.file("żółw/ćma/ząb.png") + ",0,0,0,1\n");
}

TEST_F(CliCollect, NamesAndSkipsWhatCannotBeReadThenFails) {
    const std::string a = image("a.tga", tiles_of({1}));
    const CliRun r = run({dir.file("out.tga"), dir.file("missing.tga"), a, dir.put("notes.txt", Bytes{1})});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(dir.file("missing.tga")), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(dir.file("notes.txt")), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "tiles: read 1, written 1 (0 duplicates, 0 unused)\n");
    EXPECT_TRUE(file_exists(dir.file("out.tga")));

    EXPECT_EQ(run({dir.file("none.tga"), dir.file("missing.tga")}).status, 1);
    EXPECT_FALSE(file_exists(dir.file("none.tga")));
    EXPECT_EQ(run({dir.file("out.txt"), a}).status, 1);
}

TEST_F(CliCollect, ReadsEachFileOnceAndByWhatItIs) {
    const std::string a = image("a.tga", tiles_of({1, 2})), tr4 = dir.put("tr4.tr2", make_tr4(1));
    std::filesystem::rename(image("p.png", tiles_of({3})), dir.file("p.dat"));
    const CliRun r = run({dir.file("out.tga"), a, dir.file("./a.tga"), dir.path(), dir.file("p.dat"), tr4});
    EXPECT_EQ(std::pair(r.status, r.out), std::pair(0, std::string("tiles: read 19, written 19 (0 duplicates, 0 unused)\n")));
    EXPECT_EQ(r.err, "tilesmith-cli: \"" + tr4 + "\" is a Tomb Raider 4 level under another kind's extension; it was read as what it is.\n");
}

TEST_F(CliCollect, UsageErrorsExitWithTwo) {
    const std::string a = image("a.tga", tiles_of({1}));
    const std::string out = dir.file("out.tga");
    const std::vector<std::vector<std::string>> wrong{
        {}, {out}, {out, a, "--tolerance"}, {out, a, "--tolerance", "256"}, {out, a, "--width", "0"},
        {out, a, "--width", "4x"}, {out, a, "--manifest"}, {out, a, "--everything"}};
    for (const auto& args : wrong) EXPECT_EQ(run(args).status, 2) << testing::PrintToString(args);
    EXPECT_FALSE(file_exists(out));
    EXPECT_NE(run_cli(std::string("--help")).out.find("collect OUTPUT INPUT..."), std::string::npos);
}

}  // namespace
}  // namespace tilesmith
