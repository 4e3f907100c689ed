// tilesmith-cli compact: its summary line, and its refusals with status 1.
#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/level_builder.h"

using namespace tilesmith;

TEST(CliCompact, PrintsItsSummaryOrRefusesNamingTheFile) {
    TempDir dir;
    LevelSpec wanted(Game::tr2, 3);
    wanted.object_textures = 4;
    const Bytes level_bytes = make_level(wanted).bytes;
    struct Case {
        std::string name;
        Bytes bytes;
        int status;
        std::string out, err;
    };
    const Case cases[] = {
        {"level.tr2", level_bytes, 0,
         "pages: 3 before, 1 after; object textures: 4, sprite textures: ", ""},
        {"objects.wad", make_wad(2, 196608), 1, "", "only levels have textures to compact"},
        {"cut.tr2", Bytes(level_bytes.begin(), level_bytes.end() - 500), 1, "",
         "Cannot compact"},
    };
    for (const Case& c : cases) {
        const std::string level = dir.put(c.name, c.bytes);
        const CliRun r = run_cli({"compact", level, dir.file("out-" + c.name)});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        if (c.status) {
            EXPECT_NE(r.err.find(level), std::string::npos) << r.err;
        }
    }
}
