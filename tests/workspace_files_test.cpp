// Opening and saving packages through the workspace: dispatch and after-load steps.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/error.h"
#include "formats/dispatch.h"
#include "model/workspace.h"
#include "support/level_builder.h"
#include "support/test_files.h"
#include "support/workspace_setup.h"

using namespace tilesmith;
namespace fs = std::filesystem;

namespace {
class WorkspaceFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = unique_temp_path("ts_workspace_files_");
        fs::create_directories(dir_);
        // A workspace with history: undo steps, a saved name, a moved selection.
        ws_.views().select(Side::target, Rect::of_size(64, 0, 64, 64));
        ws_.views().select(Side::source, Rect::of_size(64, 0, 64, 64));
        ws_.edits().tx_del();
        ws_.document().set_target_file_name("/somewhere/old.tga");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // The window's open and save, run here.
    OpenAnswer open(Side side, const std::string& name) {
        OpenAnswer answer;
        run_task(ws_.files().open(side, name, [&](const OpenAnswer& a) { answer = a; }));
        return answer;
    }
    bool save(const std::string& name) {
        bool written = false;
        run_task(ws_.files().save(name, [&](bool w) { written = w; }));
        return written;
    }

    // An uncompressed TGA of `depth` bits, top row first, every pixel `c`.
    std::string write_tga(const std::string& name, int w, int h, int depth, PackedColor c) {
        std::vector<unsigned char> bytes(18, 0);
        bytes[2] = 2;
        bytes[12] = w & 255, bytes[13] = w >> 8, bytes[14] = h & 255, bytes[15] = h >> 8;
        bytes[16] = std::uint8_t(depth);
        bytes[17] = 32;
        for (int i = 0; i < w * h; ++i) {
            bytes.insert(bytes.end(), {blue_of(c), green_of(c), red_of(c)});
            if (depth == 32) bytes.push_back(255);
        }
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path(name);
    }

    // Nothing of the after-load steps has run.
    void expect_untouched() {
        EXPECT_EQ(ws_.document().source(), Package(256, 512, kSilver));
        EXPECT_EQ(ws_.view(Side::source).selection().left, 64);
        EXPECT_EQ(ws_.view(Side::target).selection().left, 64);
        EXPECT_EQ(int(ws_.document().history().undo_count()), 1);
        EXPECT_EQ(ws_.document().target_file_name(), "/somewhere/old.tga");
        EXPECT_FALSE(ws_.files().recent().visible());
        EXPECT_EQ(ws_.size_texts()[0], "256 x 512");
    }

    fs::path dir_;
    Workspace ws_;
    CountingProgress progress_;
};
}  // namespace

TEST_F(WorkspaceFiles, FilesOfNoKnownKindChangeNothingAndSaySo) {
    write_bytes(path("random.xyz"), pseudo_random_bytes(300, 7));
    for (const char* name : {"a.gif", "b.jpe", "c.tif", "noext", "dir.tga/file", "random.xyz"}) {
        const OpenAnswer s = open(Side::source, path(name));
        const OpenAnswer t = open(Side::target, path(name));
        EXPECT_FALSE(s.recognised) << name;
        EXPECT_FALSE(t.recognised) << name;
        EXPECT_EQ(s.refusal, std::nullopt);
        ASSERT_TRUE(t.note) << name;
        EXPECT_EQ(t.note->text(Language::English), "Cannot open \"" + path(name) + "\": it is not a file of any "
                  "supported kind. Supported extensions: " + extension_list(FormatRole::read));
    }
    expect_untouched();
}

TEST_F(WorkspaceFiles, ReaderErrorEndsTheCommandBeforeAnyAfterLoadStep) {
    std::ofstream(path("bad.bmp")) << "not an image";
    for (const std::string& name : {path("missing.tga"), path("bad.bmp"), path("missing.tr4")}) {
        EXPECT_THROW(open(Side::source, name), Error) << name;
        EXPECT_THROW(open(Side::target, name), Error) << name;
    }
    expect_untouched();
    EXPECT_EQ(ws_.document().target().pixel(64, 0), kSilver);
}

TEST_F(WorkspaceFiles, SaveAsWithAnUnknownExtensionWritesNothing) {
    EXPECT_FALSE(save(path("out.tif")));
    EXPECT_FALSE(save(path("out.gif")));
    EXPECT_EQ(ws_.document().target_file_name(), "/somewhere/old.tga");
    EXPECT_FALSE(fs::exists(path("out.tif")));
    EXPECT_FALSE(fs::exists(path("out.gif")));
}

// The tests below read and write real TGA files.
TEST_F(WorkspaceFiles, OpenSourceRunsTheAfterLoadSteps) {
    const std::string name = write_tga("SRC.TGA", 128, 192, 24, pack_rgb(10, 20, 30));
    const OpenAnswer a = open(Side::source, name);
    EXPECT_TRUE(a.recognised);
    EXPECT_EQ(a.refusal, std::nullopt);
    EXPECT_EQ(ws_.document().source(), Package(128, 192, pack_rgb(10, 20, 30)));
    EXPECT_EQ(ws_.view(Side::source).selection().left, 0);
    EXPECT_EQ(ws_.view(Side::source).max_scroll_x(), 0);
    ASSERT_EQ(ws_.files().recent().entries().size(), 1u);
    EXPECT_EQ(ws_.files().recent().entries()[0], name);
    EXPECT_EQ(ws_.size_texts()[0], "128 x 192");
    EXPECT_EQ(ws_.size_texts()[1], "6");
    // The target side is not touched by a source open.
    EXPECT_EQ(int(ws_.document().history().undo_count()), 1);
    EXPECT_EQ(ws_.view(Side::target).selection().left, 64);
}

TEST_F(WorkspaceFiles, OpenTargetIsOneUndoStepAndTakesTheFileName) {
    const std::string name = write_tga("tgt.tga", 320, 576, 24, kWhite);
    const Package before = ws_.document().target().clone();
    const OpenAnswer a = open(Side::target, name);
    EXPECT_TRUE(a.recognised);
    EXPECT_EQ(ws_.document().target(), Package(320, 576, kWhite));
    EXPECT_EQ(ws_.document().target().brush(), kSilver) << "the background colour stays";
    EXPECT_EQ(ws_.view(Side::target).selection().left, 0);
    EXPECT_EQ(ws_.view(Side::target).max_scroll_x(), 64);
    EXPECT_EQ(ws_.view(Side::target).max_scroll_y(), 64);
    EXPECT_EQ(ws_.document().target_file_name(), name) << "Save writes back to an image we write";
    EXPECT_FALSE(ws_.document().modified()) << "what the file holds";
    EXPECT_EQ(ws_.files().recent().entries().front(), name) << "targets enter the recent list too";
    EXPECT_EQ(ws_.origins().file_of(Side::target), name);
    EXPECT_EQ(ws_.document().undo_name()->text(Language::English), "Open target tgt.tga");
    ws_.edits().undo();
    EXPECT_EQ(ws_.document().target(), before);
    EXPECT_EQ(ws_.origins().file_of(Side::target), "") << "undo brings back what the target was read from";
    EXPECT_EQ(ws_.document().target_file_name(), "/somewhere/old.tga");
    EXPECT_TRUE(ws_.document().modified()) << "the work before it is unsaved again";
    EXPECT_EQ(ws_.view(Side::target).max_scroll_x(), 0);
}

TEST_F(WorkspaceFiles, RefusedTgaLeavesTheWorkspaceAsItWas) {
    const std::string name = write_tga("deep.tga", 64, 64, 32, kWhite);
    for (const OpenAnswer& a : {open(Side::target, name), open(Side::source, name)}) {
        EXPECT_TRUE(a.recognised);
        EXPECT_EQ(a.refusal, Msg::UnknownImageType);
    }
    expect_untouched();
    EXPECT_TRUE(ws_.document().modified()) << "the unsaved work stays";
}

TEST_F(WorkspaceFiles, SaveRemembersTheNameAndRoundTrips) {
    ws_.edits().apply_effect(Msg::Delete, [](Package& p, const Rect& a) { p.fill_rect(a.left, a.top, a.width(), a.height(), pack_rgb(1, 2, 3)); });
    const Package saved = ws_.document().target().clone();
    ASSERT_TRUE(save(path("out.tga")));
    EXPECT_EQ(ws_.document().target_file_name(), path("out.tga"));
    EXPECT_EQ(int(ws_.document().history().undo_count()), 2) << "saving leaves the undo stack alone";
    open(Side::source, path("out.tga"));
    EXPECT_EQ(ws_.document().source(), saved);
}
