// TGA reader and writer: header rules, depths, row order, short files, the
// gauge, atomic saves and the conformance corpus.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "core/error.h"
#include "formats/tga.h"
#include "support/posix.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class TgaTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = unique_temp_path("tga_test_");
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const Bytes& bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }
    static Bytes read_all(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), {});
    }
    fs::path dir_;
};

// An 18-byte header: id/cmap type/image type/cmap length/entry bits/w/h/depth/descriptor.
Bytes header(int id, int cmtype, int type, int cmlen, int cmbits, int w, int h, int depth, int desc) {
    Bytes b(18, 0);
    b[0] = std::uint8_t(id), b[1] = std::uint8_t(cmtype), b[2] = std::uint8_t(type);
    b[5] = std::uint8_t(cmlen), b[6] = std::uint8_t(cmlen >> 8), b[7] = std::uint8_t(cmbits);
    b[12] = std::uint8_t(w), b[13] = std::uint8_t(w >> 8), b[14] = std::uint8_t(h), b[15] = std::uint8_t(h >> 8);
    b[16] = std::uint8_t(depth), b[17] = std::uint8_t(desc);
    return b;
}

void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

// A 24-bit picture whose every pixel differs, as file rows in the given order.
Bytes rgb24_file(int w, int h, int desc) {
    Bytes b = header(0, 0, 2, 0, 0, w, h, 24, desc);
    for (int r = 0; r < h; ++r) {
        const int y = desc == 32 ? r : h - 1 - r;
        for (int x = 0; x < w; ++x) append(b, {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x * 7 + y)});
    }
    return b;
}

Package marked_package() {
    Package p(320, 192, pack_rgb(1, 2, 3));
    p.set_pixel(5, 5, kTransparent);
    return p;
}

TEST_F(TgaTest, RowOrderFollowsTheDescriptorAndSizeGivesWholeTiles) {
    Package bottom_up, top_down;
    CountingProgress progress;
    const ReadResult r = open_tga(write("a.tga", rgb24_file(100, 70, 0)), bottom_up, progress);
    open_tga(write("b.tga", rgb24_file(100, 70, 32)), top_down, progress);
    EXPECT_EQ(bottom_up, top_down);
    EXPECT_EQ(bottom_up.width(), 100);
    EXPECT_EQ(bottom_up.height(), 70);
    EXPECT_EQ(r.tile_columns, 1);
    EXPECT_EQ(r.tile_rows, 1);
    EXPECT_FALSE(r.refused());
    EXPECT_EQ(bottom_up.pixel(3, 69), pack_rgb(3 * 7 + 69, 69, 3));  // red is the third byte
}

TEST_F(TgaTest, SixteenBitWordsExpandByAShiftOfThree) {
    Bytes b = header(0, 0, 2, 0, 0, 5, 1, 16, 0);
    append(b, {0xFF, 0x7F, 0xFF, 0xFF, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00});
    Package p;
    CountingProgress progress;
    open_tga(write("c.tga", b), p, progress);
    EXPECT_EQ(p.pixel(0, 0), pack_rgb(248, 248, 248));
    EXPECT_EQ(p.pixel(1, 0), pack_rgb(248, 248, 248));  // bit 15 ignored
    EXPECT_EQ(p.pixel(2, 0), pack_rgb(248, 0, 0));
    EXPECT_EQ(p.pixel(3, 0), pack_rgb(0, 248, 0));
    EXPECT_EQ(p.pixel(4, 0), pack_rgb(0, 0, 248));
}

TEST_F(TgaTest, ColourMappedFilesUseTheirPalette) {
    CountingProgress progress;
    // Descriptor 8: bottom row first. Two entries; index 5 is not in the map.
    Bytes b = header(0, 1, 1, 2, 24, 2, 2, 8, 8);
    append(b, {10, 20, 30, 40, 50, 60});
    append(b, {0, 1, 1, 5});  // file row 0 = image row 1
    Package p;
    open_tga(write("d.tga", b), p, progress);
    EXPECT_EQ(p.pixel(0, 1), pack_rgb(30, 20, 10));
    EXPECT_EQ(p.pixel(1, 1), pack_rgb(60, 50, 40));
    EXPECT_EQ(p.pixel(0, 0), pack_rgb(60, 50, 40));
    EXPECT_EQ(p.pixel(1, 0), kBlack);

    // A 300-entry map: the first 256 are kept, the rest skipped, pixels follow it.
    Bytes big = header(0, 1, 1, 300, 24, 2, 1, 8, 32);
    for (int i = 0; i < 300; ++i) append(big, {std::uint8_t(i), 0, 0});
    append(big, {255, 7});
    open_tga(write("e.tga", big), p, progress);
    EXPECT_EQ(p.pixel(0, 0), pack_rgb(0, 0, 255));
    EXPECT_EQ(p.pixel(1, 0), pack_rgb(0, 0, 7));

    // A map cut short by the end of the file keeps the entries it has; the
    // missing pixels are transparent.
    Bytes cut = header(0, 1, 1, 256, 24, 1, 1, 8, 0);
    append(cut, {1, 2, 3});
    open_tga(write("f.tga", cut), p, progress);
    EXPECT_EQ(p.pixel(0, 0), kTransparent);
}

TEST_F(TgaTest, RefusedHeadersLeaveThePackageAlone) {
    struct Case { const char* what; Bytes bytes; Msg entry; };
    const std::vector<Case> cases = {
        {"32-bit", header(0, 0, 2, 0, 0, 4, 4, 32, 0), Msg::UnknownImageType},
        {"15-bit", header(0, 0, 2, 0, 0, 4, 4, 15, 0), Msg::UnknownImageType},
        {"shorter than a header", Bytes{0, 0, 2}, Msg::UnknownImageType},
        {"RLE", header(0, 0, 10, 0, 0, 4, 4, 24, 0), Msg::WrongSizeOrDepth},
        {"image ID", header(1, 0, 2, 0, 0, 4, 4, 24, 0), Msg::WrongSizeOrDepth},
        {"16-bit descriptor 8", header(0, 0, 2, 0, 0, 4, 4, 16, 8), Msg::WrongSizeOrDepth},
        {"right-to-left", header(0, 0, 2, 0, 0, 4, 4, 24, 16), Msg::WrongSizeOrDepth},
        {"16-bit map entries", header(0, 1, 1, 256, 16, 4, 4, 8, 0), Msg::WrongSizeOrDepth},
        {"empty map", header(0, 1, 1, 0, 24, 4, 4, 8, 0), Msg::WrongSizeOrDepth},
        {"greyscale", header(0, 0, 3, 0, 0, 4, 4, 8, 0), Msg::WrongSizeOrDepth},
        {"more than 2^28 pixels", header(0, 0, 2, 0, 0, 16385, 16384, 24, 0), Msg::WrongSizeOrDepth},
        {"65535 x 65535", header(0, 0, 2, 0, 0, 65535, 65535, 16, 32), Msg::WrongSizeOrDepth},
    };
    for (const auto& c : cases) {
        Package p = marked_package();
        const Package before = p.clone();
        CountingProgress progress;
        const ReadResult r = open_tga(write("r.tga", c.bytes), p, progress);
        EXPECT_EQ(r.refusal, c.entry) << c.what;
        EXPECT_EQ(r.tile_columns, 5) << c.what;
        EXPECT_EQ(r.tile_rows, 3) << c.what;
        EXPECT_EQ(p, before) << c.what;
        EXPECT_EQ(p.brush(), pack_rgb(1, 2, 3)) << c.what;
    }
}

TEST_F(TgaTest, ShortFileKeepsItsSizeWithTransparentRows) {
    Bytes b = header(0, 0, 2, 0, 0, 2, 4, 24, 32);
    append(b, {1, 1, 1, 2, 2, 2});  // row 0 whole
    append(b, {9, 9, 9, 8});        // row 1 cut after four bytes
    Package p;
    CountingProgress progress;
    open_tga(write("s.tga", b), p, progress);
    ASSERT_EQ(p.height(), 4);
    EXPECT_EQ(p.pixel(0, 1), pack_rgb(9, 9, 9));
    EXPECT_EQ(p.pixel(1, 1), kTransparent);  // the pixel the cut reaches into
    EXPECT_EQ(p.pixel(1, 3), kTransparent);  // missing rows

    open_tga(write("h.tga", header(0, 0, 2, 0, 0, 3, 2, 16, 0)), p, progress);
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.pixel(2, 1), kTransparent);
}

TEST_F(TgaTest, InputErrorsThrowNamingTheFileAndChangeNothing) {
    Package p = marked_package();
    const Package before = p.clone();
    CountingProgress progress;
    fs::create_directory(dir_ / "folder.tga");
    // A pipe must not hold the reader waiting for a writer, nor a device feed it forever.
    POSIX_ONLY();
    ASSERT_TRUE(make_pipe((dir_ / "pipe.tga").string()));
    fs::create_symlink("/dev/zero", dir_ / "zero.tga");
    for (const std::string& path : {(dir_ / "missing.tga").string(), (dir_ / "folder.tga").string(),
                                    (dir_ / "pipe.tga").string(), (dir_ / "zero.tga").string()}) {
        try {
            open_tga(path, p, progress);
            ADD_FAILURE() << path;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
        }
        EXPECT_EQ(p, before);
    }
}

TEST_F(TgaTest, SaveWritesBottomUp24BitAndReadsBack) {
    Package p(256, 512);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 256; ++x) p.set_pixel(x, y, pack_rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
    const std::string path = (dir_ / "out.tga").string();
    CountingProgress saving;
    save_tga(path, p, saving);
    EXPECT_EQ(std::pair(saving.maximum(), saving.steps()), std::pair(8, 8));

    const Bytes file = read_all(path);
    ASSERT_EQ(file.size(), 18u + 256 * 512 * 3);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 18), header(0, 0, 2, 0, 0, 256, 512, 24, 0));
    EXPECT_EQ(file[18 + 2], 0);  // first pixel in the file: bottom-left, red 0
    EXPECT_EQ(file[18 + 1], std::uint8_t(511));

    Package back;
    CountingProgress loading;
    const ReadResult r = open_tga(path, back, loading);
    EXPECT_EQ(back, p);
    EXPECT_EQ(std::pair(r.tile_columns, r.tile_rows), std::pair(4, 8));
    EXPECT_EQ(std::pair(loading.maximum(), loading.steps()), std::pair(8, 8));
    EXPECT_EQ(loading.position(), 8);
}

TEST_F(TgaTest, SavesReplaceOnlyWritableRegularFilesAndFollowLinks) {
    const Package small(4, 4, kWhite);
    CountingProgress progress;
    const Bytes old = {1, 2, 3};
    // A folder or a pipe under the name is refused, not replaced by a file.
    fs::create_directory(dir_ / "folder.tga");
    EXPECT_THROW(save_tga((dir_ / "folder.tga").string(), small, progress), Error);
    // Windows makes symbolic links only with a privilege, and has no such pipes.
    POSIX_ONLY();
    const std::string real = write("real.tga", old), link = (dir_ / "link.tga").string();
    fs::create_symlink("real.tga", link);
    save_tga(link, small, progress);
    EXPECT_TRUE(fs::is_symlink(link));  // the link still leads to the saved file
    EXPECT_EQ(read_all(real).size(), 18u + 4 * 4 * 3);

    ASSERT_TRUE(make_pipe((dir_ / "pipe.tga").string()));
    EXPECT_THROW(save_tga((dir_ / "pipe.tga").string(), small, progress), Error);
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.tga"));

    // A write-protected file in a writable folder is not replaced behind the
    // user's back. Root may write anything, so that case runs as nobody.
    const std::string locked = write("locked.tga", old);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir_, fs::perms::all);
    const auto refused_naming_it = [&] {
        try {
            save_tga(locked, small, progress);
            return false;
        } catch (const Error& e) { return std::string(e.what()).find(locked) != std::string::npos; }
    };
    EXPECT_EQ(run_unprivileged(refused_naming_it), Outcome::passed);
    EXPECT_EQ(read_all(locked), old);

    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.tga", "link.tga", "locked.tga", "pipe.tga", "real.tga"}));
}

// Every TGA of the corpus: accepted or refused by the header rules alone, and
// accepted ones decode to their reference picture.
TEST(TgaCorpus, VerdictsAndColours) {
    const fs::path root = fs::path(TILESMITH_CORPUS_DIR) / "tga";
    const std::map<std::string, std::string> accepted = {
        {"200x32_p_bl_raw.tga", "common/200x32_p.png"},
        {"200x32_p_tl_raw.tga", "common/200x32_p.png"},
        {"200x32_rgb_bl_raw.tga", "common/200x32_rgb.png"},
        {"200x32_p_bl_raw_origin.tga", "common/200x32_p.png"},
    };
    int files = 0, read = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".tga") continue;
        ++files;
        const std::string name = entry.path().filename().string();
        Package p(64, 64, kWhite);
        const Package before = p.clone();
        CountingProgress progress;
        const ReadResult r = open_tga(entry.path().string(), p, progress);
        const auto it = accepted.find(name);
        if (it == accepted.end()) {
            // The 32-bit ones are 200x32_rgba_* and rgb32rle*; everything else breaks a rule.
            const bool depth32 = name.rfind("200x32_rgba_", 0) == 0 || name.rfind("rgb32rle", 0) == 0;
            EXPECT_EQ(r.refusal, depth32 ? Msg::UnknownImageType : Msg::WrongSizeOrDepth) << name;
            EXPECT_EQ(p, before) << name;
            continue;
        }
        ++read;
        ASSERT_FALSE(r.refused()) << name;
        const QImage ref = QImage(QString::fromStdString((root / it->second).string()))
                               .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(ref.isNull()) << it->second;
        ASSERT_EQ(p.width(), ref.width());
        ASSERT_EQ(p.height(), ref.height());
        int differing = 0;
        for (int y = 0; y < ref.height(); ++y)
            for (int x = 0; x < ref.width(); ++x) {
                const QRgb c = ref.pixel(x, y);
                differing += p.pixel(x, y) != pack_rgb(qRed(c), qGreen(c), qBlue(c));
            }
        EXPECT_EQ(differing, 0) << name;
    }
    EXPECT_EQ(files, 35);
    EXPECT_EQ(read, 4);
}

}  // namespace
}  // namespace tilesmith
