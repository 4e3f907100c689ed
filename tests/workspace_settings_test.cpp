// The settings record, its file and the recent-file list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/file_names.h"
#include "model/recent_files.h"
#include "model/settings.h"
#include "model/user_state.h"
#include "support/posix.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<unsigned char>;

void write_bytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = unique_temp_path("ts-settings-");
        fs::create_directory(dir_);
        // Traversable by the unprivileged child of run_unprivileged.
        fs::permissions(dir_, fs::perms(0755));
        path_ = dir_ / "config.dat";
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms(0755));
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    int files_in_dir() const {
        return int(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_, path_;
};

const Bytes kDefaultRecord{1, 1, 1, 0, 1, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 64, 0, 0};

TEST(SettingsRecord, EncodesEveryByte) {
    const SettingsRecord defaults = encode_settings(Options{});
    EXPECT_EQ(Bytes(defaults.begin(), defaults.end()), kDefaultRecord);

    Options o;
    o.language = Language::English;
    o.automove = false;
    o.correct_transparent_color = true;
    o.eight_bit = true;
    o.flat_look = false;
    o.show_coordinates = false;
    o.select_color = 0x00112233;  // blue 0x11, green 0x22, red 0x33
    o.grid_visible = true;
    o.grid_step = 128;
    o.texture_use = true;
    const SettingsRecord r = encode_settings(o);
    EXPECT_EQ(Bytes(r.begin(), r.end()),
              (Bytes{0, 0, 1, 1, 0, 0, 0, 0, 0x33, 0x22, 0x11, 0, 1, 128, 1, 0}));
}

TEST(SettingsRecord, DecodesFlagsColourAndGridStep) {
    SettingsRecord r{0, 2, 0xFF, 1, 0, 7, 9, 9, 0x00, 0x80, 0xFF, 0, 0x40, 16, 9, 9};
    Options o = decode_settings(r);
    EXPECT_EQ(o.language, Language::English);
    EXPECT_TRUE(o.automove);  // any non-zero byte counts as checked
    EXPECT_TRUE(o.correct_transparent_color);
    EXPECT_TRUE(o.eight_bit);
    EXPECT_FALSE(o.flat_look);
    EXPECT_TRUE(o.show_coordinates);
    EXPECT_EQ(o.select_color, 0x00FF8000u);
    EXPECT_TRUE(o.grid_visible);
    EXPECT_EQ(o.grid_step, 16);
    EXPECT_TRUE(o.texture_use);
    EXPECT_EQ(o.language_index(), 1);

    for (int step : {8, 16, 32, 64, 128}) {
        r[13] = std::uint8_t(step);
        EXPECT_EQ(decode_settings(r).grid_step, step);
    }
    for (int step : {0, 1, 100, 255}) {
        r[13] = std::uint8_t(step);
        EXPECT_EQ(decode_settings(r).grid_step, 64) << step;
    }
    // A top colour byte (a system colour elsewhere) means nothing here.
    r[11] = 0xFF;
    EXPECT_EQ(decode_settings(r).select_color, 0x00FF8000u);
}

TEST(SettingsRecord, GridStepThatFitsNoByteIsWrittenAs64) {
    Options o;
    o.grid_step = 256;
    EXPECT_EQ(encode_settings(o)[13], 64);
}

TEST_F(SettingsFile, MissingOrWrongSizedFilesGiveDefaultsSilently) {
    std::string problem;
    EXPECT_FALSE(load_settings(path_.string(), &problem));
    EXPECT_FALSE(load_settings((dir_ / "no" / "config.dat").string(), &problem));
    for (std::size_t size : {0, 15, 17, 4096}) {
        Bytes bytes(size, 0);  // zero bytes would read as English if accepted
        if (size >= 14) bytes[13] = 32;
        write_bytes(path_, bytes);
        EXPECT_FALSE(load_settings(path_.string(), &problem)) << size;
    }
    EXPECT_EQ(problem, "");
}

TEST_F(SettingsFile, ReadsAValidRecord) {
    write_bytes(path_, {0, 0, 0, 0, 0, 0, 0xAA, 0xAA, 0x10, 0x20, 0x30, 0, 1, 100, 0xAA, 0xAA});
    const auto o = load_settings(path_.string());
    ASSERT_TRUE(o);
    EXPECT_EQ(o->language, Language::English);
    EXPECT_FALSE(o->automove || o->correct_transparent_color || o->eight_bit || o->flat_look || o->show_coordinates);
    EXPECT_EQ(o->select_color, 0x00302010u);
    EXPECT_TRUE(o->grid_visible);
    EXPECT_EQ(o->grid_step, 64);
}

TEST_F(SettingsFile, RoundTripsThroughTheFile) {
    Options o;
    o.language = Language::English;
    o.eight_bit = true;
    o.show_coordinates = false;
    o.grid_visible = true;
    o.grid_step = 32;
    o.select_color = 0x000000FF;
    for (const Options& options : {Options{}, o}) {
        std::string problem;
        ASSERT_TRUE(save_settings(path_.string(), options, &problem)) << problem;
        EXPECT_EQ(fs::file_size(path_), 16u);
        EXPECT_EQ(load_settings(path_.string()), options);
    }
    EXPECT_EQ(files_in_dir(), 1);  // no temporary file left behind
}

TEST_F(SettingsFile, UnreadableFileIsReportedNotFatal) {
    // A folder or a pipe of that name: reported, and no hang on the pipe.
    fs::create_directory(path_);
    std::string problem;
    EXPECT_FALSE(load_settings(path_.string(), &problem));
    EXPECT_NE(problem, "");
    fs::remove(path_);
    POSIX_ONLY();
    ASSERT_TRUE(make_pipe(path_.string()));
    problem.clear();
    EXPECT_FALSE(load_settings(path_.string(), &problem));
    EXPECT_NE(problem, "");
    fs::remove(path_);

    write_bytes(path_, kDefaultRecord);
    fs::permissions(path_, fs::perms::none);
    const Outcome outcome = run_unprivileged([&] {
        std::string text;
        return !load_settings(path_.string(), &text) && !text.empty();
    });
    if (outcome == Outcome::cannot_drop) GTEST_SKIP() << "cannot give up root";
    EXPECT_EQ(outcome, Outcome::passed);
}

TEST_F(SettingsFile, UnwritableFolderKeepsTheOldFile) {
    write_bytes(path_, kDefaultRecord);
    // The file itself may be replaced; only the folder forbids it.
    fs::permissions(path_, fs::perms(0666));
    fs::permissions(dir_, fs::perms(0555));
    Options english;
    english.language = Language::English;
    const Outcome outcome = run_unprivileged([&] {
        std::string text;
        return !save_settings(path_.string(), english, &text) && !text.empty();
    });
    fs::permissions(dir_, fs::perms(0755));
    if (outcome == Outcome::cannot_drop) GTEST_SKIP() << "cannot give up root";
    EXPECT_EQ(outcome, Outcome::passed);
    EXPECT_EQ(read_bytes(path_), kDefaultRecord);
    EXPECT_EQ(files_in_dir(), 1);
}

TEST_F(SettingsFile, MissingFolderFailsWithAProblem) {
    std::string problem;
    EXPECT_FALSE(save_settings((dir_ / "gone" / "config.dat").string(), Options{}, &problem));
    EXPECT_NE(problem, "");
    EXPECT_FALSE(save_settings((dir_ / "gone" / "config.dat").string(), Options{}));  // no text wanted
}

TEST_F(SettingsFile, ReadOnlyFileIsLeftAsItIs) {
    write_bytes(path_, kDefaultRecord);
    fs::permissions(path_, fs::perms(0444));
    Options english;
    english.language = Language::English;
    std::string problem;
    EXPECT_FALSE(save_settings(path_.string(), english, &problem));
    EXPECT_NE(problem, "");
    EXPECT_EQ(read_bytes(path_), kDefaultRecord);
    // Still readable: the next start gets what it held.
    EXPECT_EQ(load_settings(path_.string()), Options{});
    EXPECT_EQ(files_in_dir(), 1);
}

TEST_F(SettingsFile, KeptInTheProgramFolderWhileItCanBeWrittenThereOtherwiseInTheUsers) {
    write_bytes(dir_ / "blocker", {});  // no folder can exist below a plain file, not even for root
    fs::create_directories(dir_ / "portable");
    fs::create_directories(dir_ / "locked");
    write_bytes(dir_ / "locked/config.dat", kDefaultRecord);
    fs::permissions(dir_ / "locked/config.dat", fs::perms(0444));
    fs::create_directories(dir_ / "home/known");
    write_bytes(dir_ / "home/known/config.dat", kDefaultRecord);
    auto at = [&](const std::string& folder) { return folder.empty() ? folder : (dir_ / folder).string(); };
    // The file name joined as the system joins it ('\\' on Windows).
    auto file = [&](const std::string& folder, const char* name = "config.dat") {
        return folder.empty() ? folder : utf8_name(dir_ / folder / name);
    };
    const std::string nowhere = "blocker/program";
    const struct {
        std::string program, user, read, write;
    } cases[] = {
        {"portable", "home/new", "portable", "portable"},
        {nowhere, "home/new", nowhere, "home/new"},  // the user has none yet
        {nowhere, "home/known", "home/known", "home/known"},
        {"locked", "home/new", "locked", "home/new"},  // a read-only file stays as it is
        {nowhere, "blocker/user", nowhere, ""},
        {nowhere, "", nowhere, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + c.user);
        const SettingsPlaces places{at(c.program), at(c.user)};
        EXPECT_EQ(places.read_path(), file(c.read));
        EXPECT_EQ(places.write_path(), file(c.write));
        // Every per-user file goes where config.dat goes.
        EXPECT_EQ(places.write_path(kUserStateFile), file(c.write, "state.txt"));
    }
    // Where a program's folder is never written (macOS), the user's folder holds it.
    const SettingsPlaces bundle{at("portable"), at("home/new"), false};
    EXPECT_EQ(bundle.read_path(), file("home/new"));
    EXPECT_EQ(bundle.write_path(), file("home/new"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + c.user);
        const SettingsPlaces places{at(c.program), at(c.user)};
        std::string problem;
        EXPECT_EQ(save_settings(places, Options{}, &problem), !c.write.empty());
        EXPECT_EQ(problem.empty(), !c.write.empty()) << problem;
    }
    // The user's folder is made when first written; the same 16 bytes come back.
    Options english;
    english.language = Language::English;
    const SettingsPlaces places{at(nowhere), at("home/new/deeper")};
    ASSERT_TRUE(save_settings(places, english));
    EXPECT_EQ(read_bytes(places.read_path()).size(), 16u);
    EXPECT_EQ(load_settings(places.read_path()), english);
    EXPECT_EQ(read_bytes(dir_ / "locked/config.dat"), kDefaultRecord);
}

TEST_F(SettingsFile, UserStateRoundTripsAndAMissingFileIsEmpty) {
    EXPECT_EQ(load_user_state((dir_ / "none.txt").string()), UserState{});
    UserState state;
    state.recent = {"/a/new\nline.tga", "/b/back\\slash.tga", "/c/x=y.png"};
    state.folders = {{"source", "/a"}, {"save", "/d e"}};
    state.save_type = ".png";
    const std::string path = (dir_ / "state.txt").string();
    ASSERT_TRUE(save_user_state(path, state));
    EXPECT_EQ(load_user_state(path), state);
    std::string problem;
    EXPECT_FALSE(save_user_state((dir_ / "missing/state.txt").string(), state, &problem));
    EXPECT_FALSE(problem.empty());
}

// A name from the root, as the list keeps names: on Windows, of the current drive.
std::string rooted(const std::string& name) {
    return utf8_name((std::filesystem::current_path().root_path() / path_from_utf8(name)).make_preferred());
}

TEST(RecentFiles, RestoredListKeepsItsOrderWithoutRepeatsUpToFive) {
    RecentFiles recent;
    recent.restore({"/1", "", "/2", "/1", "/3", "/4", "/5", "/6"});
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/1", "/2", "/3", "/4", "/5"}));
    recent.add_recent_file(rooted("7"));
    EXPECT_EQ(recent.entries().front(), rooted("7"));
}

TEST(FirstStart, PolishOnlyForAPolishLocale) {
    for (const char* pl : {"pl", "pl_PL", "pl_PL.UTF-8", "pl-PL", "pl@euro"}) EXPECT_EQ(language_for_locale(pl), Language::Polish) << pl;
    for (const char* other : {"", "C", "en_US.UTF-8", "de_DE", "plx", "en_PL"})
        EXPECT_EQ(language_for_locale(other), Language::English) << other;
}

TEST(RecentFiles, SixthFilePushesTheOldestOut) {
    RecentFiles recent;
    EXPECT_FALSE(recent.visible());
    for (const char* name : {"a.tga", "b.tr2", "c.tr4", "d.trc", "e.wad", "f.bmp"}) recent.add_recent_file(rooted(name));
    EXPECT_TRUE(recent.visible());
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{rooted("f.bmp"), rooted("e.wad"), rooted("d.trc"),
                                                          rooted("c.tr4"), rooted("b.tr2")}));
}

TEST(RecentFiles, ListedFileMovesToTheTop) {
    RecentFiles recent;
    for (const char* name : {"a.tga", "b.tga", "c.tga", "d.tga"}) recent.add_recent_file(rooted(name));
    recent.add_recent_file(rooted("b.tga"));  // third from the top
    EXPECT_EQ(recent.entries(),
              (std::vector<std::string>{rooted("b.tga"), rooted("d.tga"), rooted("c.tga"), rooted("a.tga")}));
    // Comparison is exact and case-sensitive.
    recent.add_recent_file(rooted("B.tga"));
    EXPECT_EQ(recent.entries().front(), rooted("B.tga"));
    EXPECT_EQ(recent.entries().size(), 5u);
}

TEST(RecentFiles, PathsWithAmpersandStayIntact) {
    RecentFiles recent;
    recent.add_recent_file(rooted("tex/R&D.tga"));
    // Would collide with the path above if captions were compared without "&".
    recent.add_recent_file(rooted("tex/RD.tga"));
    recent.add_recent_file(rooted("tex/R&D.tga"));
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{rooted("tex/R&D.tga"), rooted("tex/RD.tga")}));
    recent.add_recent_file("");
    EXPECT_EQ(recent.entries().size(), 2u);
}

}  // namespace
}  // namespace tilesmith
