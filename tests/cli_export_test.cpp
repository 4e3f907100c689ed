// tilesmith-cli export: statuses, messages and the file it writes.
#include <gtest/gtest.h>
#include <filesystem>

#include "core/progress.h"
#include "formats/dispatch.h"
#include "formats/export_check.h"
#include "formats/level_export.h"
#include "formats/tr45.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/posix.h"

using namespace tilesmith;

namespace {

class CliExport : public ::testing::Test {
protected:
    TempDir dir;
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), "export");
        return run_cli(args);
    }
};

TEST_F(CliExport, WritesWhatTheMenuCommandWritesAndSaysNothing) {
    const std::string package = dir.put("package.tr4", make_tr4(2, 10, 7));
    const std::string base = dir.put("base.tr4", make_level(LevelSpec(Game::tr4, 2)).bytes);
    const CliRun r = run({package, base, dir.file("out.tr4")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");

    Package read;
    CountingProgress progress;
    open_tr45(package, read, true, progress);
    ASSERT_EQ(export_level(dir.file("expected.tr4"), base, read, progress), ExportResult::written);
    EXPECT_EQ(read_bytes(dir.file("out.tr4")), read_bytes(dir.file("expected.tr4")));
}

TEST_F(CliExport, RefusalsPrintTheEnglishMessage) {
    const std::string package = dir.put("package.tr2", make_tr2(2));
    const std::string base = dir.put("base.tr2", make_level(LevelSpec(Game::tr2, 3)).bytes);
    CliRun r = run({package, base, dir.file("out.tr2")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(text_of(Msg::PackageSizeMismatch, Language::English)), std::string::npos) << r.err;
    EXPECT_FALSE(file_exists(dir.file("out.tr2")));

    make_link(base, dir.file("link.tr2"));
    const Bytes before = read_bytes(base);
    r = run({package, base, dir.file("link.tr2")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(text_of(Msg::OutputIsBase, Language::English)), std::string::npos) << r.err;
    EXPECT_EQ(read_bytes(base), before);
}

TEST_F(CliExport, BadBasesAndArgumentsFail) {
    const std::string package = dir.put("package.tr2", make_tr2(1));
    CliRun r = run({package, dir.put("base.bmp", make_tr2(1)), dir.file("out.tr2")});
    EXPECT_EQ(r.status, 1);
    for (const char* ext : {".tr2", ".tr4", ".trc"}) EXPECT_NE(r.err.find(ext), std::string::npos) << r.err;
    EXPECT_FALSE(file_exists(dir.file("out.tr2")));

    Bytes damaged = make_tr2(1);
    put_i32(damaged, 1796, -1);
    const std::string damaged_base = dir.put("damaged.tr2", damaged);
    r = run({package, damaged_base, dir.file("out.tr2")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(damaged_base), std::string::npos) << r.err;

    r = run({dir.file("missing.tr2"), damaged_base, dir.file("out.tr2")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.tr2"), std::string::npos) << r.err;
    EXPECT_FALSE(file_exists(dir.file("out.tr2")));

    EXPECT_EQ(run({package, damaged_base}).status, 2);
    EXPECT_EQ(run({package, damaged_base, dir.file("out.tr2"), "extra"}).status, 2);
}

TEST_F(CliExport, ABaseThatDoesNotWalkToItsEndIsRefusedWithTheWalksReasonAndNothingWritten) {
    for (const Game game : {Game::tr1, Game::tr2, Game::tr3, Game::tr4, Game::tr5}) {
        const LevelSpec wanted(game, 1, 2);
        SCOPED_TRACE(extension_of(game));
        Bytes cut = make_level(wanted).bytes;
        cut.resize(cut.size() - 3);
        const std::string base = dir.put("cut" + extension_of(game), cut);
        const std::string package = dir.file("package.tga"), output = dir.file("out" + extension_of(game));
        const Package pages(256, 256);
        CountingProgress progress;
        write_package(package, pages, progress);
        const CliRun r = run({package, base, output});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Cannot export into \"" + base + "\": its structures cannot be read to their end"),
                  std::string::npos)
            << r.err;
        EXPECT_FALSE(file_exists(output));
        // The window is told the same before it asks for the output.
        const auto refusal = export_base_refusal(base, pages);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->message(), Msg::BaseNotWalked);
    }
}

}  // namespace
