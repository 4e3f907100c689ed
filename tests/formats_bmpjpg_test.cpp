// BMP and JPEG: the conformance corpus, hostile files, the writers' layouts,
// round trips and gauge steps; atomic saves of every writer.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "formats/bmpjpg.h"
#include "formats/tga.h"
#include "support/posix.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kCorpus = TILESMITH_CORPUS_DIR;

Bytes read_all(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), {});
}

Package from_qimage(const fs::path& path) {
    const QImage image = QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
    Package p(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            p.set_pixel(x, y, pack_rgb(qRed(c), qGreen(c), qBlue(c)));
        }
    return p;
}

// The largest and the mean difference of any channel; the sizes must agree.
struct Difference { int largest = 0; double mean = 0; };
Difference difference(const Package& a, const Package& b) {
    Difference d;
    if (a.width() != b.width() || a.height() != b.height()) return {256, 256};
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < a.width() * 3; ++i) {
            const int v = std::abs(int(a.row(y)[i]) - int(b.row(y)[i]));
            d.largest = std::max(d.largest, v);
            sum += v;
        }
    d.mean = double(sum) / (3.0 * a.width() * std::max(a.height(), 1));
    return d;
}

// Loads a file, or reports that it threw Error, checking the package was untouched.
bool loads(const fs::path& path, Package& p) {
    Package guard(64, 64, kWhite);
    guard.set_pixel(1, 1, kTransparent);
    const Package before = guard.clone();
    CountingProgress progress;
    try {
        const ReadResult r = open_bmpjpg(path.string(), guard, progress);
        EXPECT_EQ(r.tile_columns, guard.width() / 64);
        EXPECT_EQ(r.tile_rows, guard.height() / 64);
        // A BMP in one step, a JPEG a step a row.
        EXPECT_EQ(progress.maximum(), path.extension() == ".bmp" ? 1 : guard.height());
        EXPECT_EQ(progress.steps(), progress.maximum());
        p = guard.clone();
        return true;
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
        EXPECT_EQ(guard, before) << path;
        EXPECT_EQ(guard.brush(), kWhite);
        return false;
    }
}

// FNV-1a (64 bits) over the red, green and blue of every pixel, rows from the
// top; each channel first cut to its top `bits` bits.
std::uint64_t picture_checksum(const Package& p, int red_bits = 8, int green_bits = 8, int blue_bits = 8) {
    std::uint64_t h = 14695981039346656037ull;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const PackedColor c = p.pixel(x, y);
            const int channels[] = {red_of(c) >> (8 - red_bits), green_of(c) >> (8 - green_bits),
                                    blue_of(c) >> (8 - blue_bits)};
            for (const int v : channels) h = (h ^ std::uint64_t(v)) * 1099511628211ull;
        }
    return h;
}

// bmpsuite draws every good file after one of a few hand-made reference
// pictures. Those are not carried here (their licence is unclear): their sizes
// and checksums were taken from them once, and every good file must decode to
// exactly those pixels. The 16-bit references widen 5- and 6-bit channels by
// scaling (31 -> 255), this reader by shifting (31 -> 248): those two agree with
// their references at the channels' own depth, and their widening is shown by
// worked values below.
TEST(BmpCorpus, GoodFilesMatchTheirReferencesExactly) {
    struct Reference { int width, height; std::uint64_t checksum; int bits[3] = {8, 8, 8}; };
    const Reference pal1{127, 64, 0x93cb10c47d28db4d}, pal1bg{127, 64, 0xb7b540345a58dd65},
        pal4{127, 64, 0x7442826ad2154b09}, pal8{127, 64, 0x4598e7515a0f7954},
        pal8nonsquare{127, 32, 0xb937ea06db3c196c}, pal8w124{124, 61, 0xb48c84d29e14ad3d},
        pal8w125{125, 62, 0xdc7be9a5fc79ab93}, pal8w126{126, 63, 0x06c840bab970062d},
        rgb16{127, 64, 0x0d57f2ca6fa4e297, {5, 5, 5}}, rgb16_565{127, 64, 0xd826d2bcdf01e548, {5, 6, 5}},
        rgb24{127, 64, 0x7cd8f819ae69b2af};
    const std::map<std::string, Reference> reference = {
        {"pal1", pal1}, {"pal1bg", pal1bg}, {"pal1wb", pal1}, {"pal4", pal4},
        {"pal4rle", pal4}, {"pal8-0", pal8}, {"pal8", pal8}, {"pal8nonsquare", pal8nonsquare},
        {"pal8os2", pal8}, {"pal8rle", pal8}, {"pal8topdown", pal8}, {"pal8v4", pal8},
        {"pal8v5", pal8}, {"pal8w124", pal8w124}, {"pal8w125", pal8w125}, {"pal8w126", pal8w126},
        {"rgb16-565", rgb16_565}, {"rgb16-565pal", rgb16_565}, {"rgb16", rgb16},
        {"rgb24", rgb24}, {"rgb24pal", rgb24}, {"rgb32", rgb24}, {"rgb32bf", rgb24},
        // Questionable files whose decoding is well defined.
        {"rgb24lprof", rgb24}, {"rgb24prof", rgb24}, {"rgb32fakealpha", rgb24}, {"pal8offs", pal8},
    };
    for (const auto& [name, ref] : reference) {
        const fs::path file = kCorpus / "bmp" / (fs::exists(kCorpus / "bmp/g" / (name + ".bmp")) ? "g" : "q") /
                              (name + ".bmp");
        Package p;
        ASSERT_TRUE(loads(file, p)) << name;
        EXPECT_EQ(std::pair(p.width(), p.height()), std::pair(ref.width, ref.height)) << name;
        EXPECT_EQ(picture_checksum(p, ref.bits[0], ref.bits[1], ref.bits[2]), ref.checksum) << name;
    }

    // Worked values of the references: corners, the centre and one inner pixel.
    const std::vector<std::pair<int, int>> at = {{0, 0}, {126, 0}, {0, 63}, {126, 63}, {63, 32}, {20, 10}};
    const std::map<std::string, std::vector<PackedColor>> worked = {
        {"pal1bg", {pack_rgb(64, 255, 64), pack_rgb(64, 255, 64), pack_rgb(64, 64, 255), pack_rgb(64, 64, 255),
                    pack_rgb(64, 255, 64), pack_rgb(64, 255, 64)}},
        {"pal8", {pack_rgb(255, 0, 0), pack_rgb(153, 170, 204), kBlack, pack_rgb(102, 85, 102), kWhite,
                  pack_rgb(255, 170, 204)}},
        {"rgb24", {pack_rgb(255, 0, 0), pack_rgb(159, 159, 189), kBlack, pack_rgb(96, 96, 126), kWhite,
                   pack_rgb(215, 165, 165)}},
        // The references show 255,0,0; 156,158,189; 0,0,0; 99,97,123; 255,255,255; 214,166,165.
        {"rgb16-565", {pack_rgb(248, 0, 0), pack_rgb(152, 156, 184), kBlack, pack_rgb(96, 96, 120),
                       pack_rgb(248, 252, 248), pack_rgb(208, 164, 160)}},
    };
    for (const auto& [name, colours] : worked) {
        Package p;
        ASSERT_TRUE(loads(kCorpus / "bmp/g" / (name + ".bmp"), p)) << name;
        for (std::size_t i = 0; i < at.size(); ++i)
            EXPECT_EQ(p.pixel(at[i].first, at[i].second), colours[i]) << name << " " << i;
    }
}

TEST(BmpCorpus, QuestionableAndBadFilesLoadOrFailCleanly) {
    for (const char* folder : {"q", "b"})
        for (const auto& e : fs::directory_iterator(kCorpus / "bmp" / folder)) {
            Package p;
            loads(e.path(), p);
        }
    Package p;
    for (const char* bad : {"badwidth", "badbitcount", "badheadersize", "reallybig", "badpalettesize"})
        EXPECT_FALSE(loads(kCorpus / "bmp/b" / (std::string(bad) + ".bmp"), p)) << bad;
}

TEST(JpegCorpus, DecodableFilesLoadAtTheirSize) {
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"hopper", {128, 128}}, {"hopper_gray", {128, 128}}, {"hopper_16bit_qtables", {128, 128}},
        {"hopper_orientation_6", {128, 128}}, {"testorig", {227, 149}}, {"testimgari", {227, 149}},
        {"iptc", {640, 480}}, {"pil_sample_rgb", {100, 100}}, {"pil_sample_cmyk", {100, 100}},
        {"jfif_unit_cm", {1, 1}}, {"orientation_rectangle", {2, 1}}, {"icc-after-SOF", {10, 10}},
        {"app13-multiple", {256, 160}}, {"junk_jpeg_header", {1024, 768}},
        {"photoshop-200dpi-broken", {200, 200}}, {"truncated_app14", {100, 100}},
    };
    for (const auto& [name, size] : sizes) {
        Package p;
        ASSERT_TRUE(loads(kCorpus / "jpeg" / (name + ".jpg"), p)) << name;
        EXPECT_EQ(p.width(), size.first) << name;
        EXPECT_EQ(p.height(), size.second) << name;
    }
    Package p;
    // Cut where the decoder still has every bit it needs: only the end marker is missing.
    EXPECT_TRUE(loads(kCorpus / "jpeg/truncated_jpeg.jpg", p));
    EXPECT_FALSE(loads(kCorpus / "jpeg/monkey12.jpg", p));  // 12-bit samples
}

TEST(JpegCorpus, ColoursAgreeWithOtherDecodings) {
    Package a, b;
    // The same picture stored as CMYK and as RGB: a wrong ink inversion would
    // turn the colours negative.
    ASSERT_TRUE(loads(kCorpus / "jpeg/pil_sample_cmyk.jpg", a));
    ASSERT_TRUE(loads(kCorpus / "jpeg/pil_sample_rgb.jpg", b));
    EXPECT_LT(difference(a, b).mean, 6.0);
    // The IJG test picture against the source it was compressed from.
    ASSERT_TRUE(loads(kCorpus / "jpeg/testorig.jpg", a));
    EXPECT_LT(difference(a, from_qimage(kCorpus / "jpeg/testorig.ppm")).mean, 6.0);
    // The JPEG that q/rgb24jpeg.bmp wraps against the same picture in g/rgb24.bmp.
    const Bytes wrapper = read_all(kCorpus / "bmp/q/rgb24jpeg.bmp");
    const std::size_t at = read_u32le(&wrapper[10]), length = read_u32le(&wrapper[34]);
    ASSERT_LE(at + length, wrapper.size());
    const TempDir dir;
    write_bytes(dir.file("rgb24.jpg"), Bytes(wrapper.begin() + long(at), wrapper.begin() + long(at + length)));
    ASSERT_TRUE(loads(dir.file("rgb24.jpg"), a));
    ASSERT_TRUE(loads(kCorpus / "bmp/g/rgb24.bmp", b));
    EXPECT_LT(difference(a, b).mean, 6.0);
    // Greyscale comes out grey.
    ASSERT_TRUE(loads(kCorpus / "jpeg/hopper_gray.jpg", a));
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const PackedColor c = a.pixel(x, y);
            ASSERT_TRUE(red_of(c) == green_of(c) && green_of(c) == blue_of(c));
        }
}

class CodecFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = unique_temp_path("bmpjpg_test_");
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

// Smooth colours, so that JPEG's chroma subsampling costs little.
Package gradient(int w, int h) {
    Package p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.set_pixel(x, y, pack_rgb(std::uint8_t(x * 255 / w), std::uint8_t(y * 255 / h), std::uint8_t(128 + x / 4 - y / 4)));
    return p;
}

TEST_F(CodecFiles, HostileJpegHeadersAreRefusedBeforeAllocating) {
    Bytes hopper = read_all(kCorpus / "jpeg/hopper.jpg");
    // Set the frame's height and width to 65000 x 65000.
    for (std::size_t i = 2; i + 9 < hopper.size(); ++i)
        if (hopper[i] == 0xFF && hopper[i + 1] == 0xC0) {
            hopper[i + 5] = 0xFD, hopper[i + 6] = 0xE8, hopper[i + 7] = 0xFD, hopper[i + 8] = 0xE8;
            break;
        }
    std::ofstream(path("huge.jpg"), std::ios::binary).write(reinterpret_cast<const char*>(hopper.data()), hopper.size());
    std::ofstream(path("empty.jpg"));
    std::ofstream(path("text.jpg")) << "not a picture";
    Package p;
    for (const char* name : {"huge.jpg", "empty.jpg", "text.jpg"}) EXPECT_FALSE(loads(path(name), p)) << name;

    // A progressive picture that repeats one scan: each repeat walks every block
    // again, so on a large picture a small file could keep the reader busy for
    // minutes. An 8 x 8 grey picture, a table coding only DC difference 0, and
    // its DC scan `scans` times.
    auto repeated_scans = [](int scans) {
        std::string b = "\xFF\xD8";
        b += std::string("\xFF\xDB\x00\x43\x00", 5) + std::string(64, '\x01');
        b += std::string("\xFF\xC2\x00\x0B\x08\x00\x08\x00\x08\x01\x01\x11\x00", 13);
        b += std::string("\xFF\xC4\x00\x14\x00\x01", 6) + std::string(16, '\x00');
        const std::string scan("\xFF\xDA\x00\x08\x01\x01\x00\x00\x00\x00\x7F", 11);
        for (int i = 0; i < scans; ++i) b += scan;
        return b + "\xFF\xD9";
    };
    std::ofstream(path("scans.jpg"), std::ios::binary) << repeated_scans(10);
    ASSERT_TRUE(loads(path("scans.jpg"), p));
    EXPECT_EQ(std::pair(p.width(), p.height()), std::pair(8, 8));
    std::ofstream(path("scans.jpg"), std::ios::binary) << repeated_scans(100000);
    EXPECT_FALSE(loads(path("scans.jpg"), p));
}

TEST_F(CodecFiles, BmpIsWrittenAsPlain24BitRowsAndReadsBackIdentically) {
    for (int width : {1, 2, 3, 4, 127}) {
        const Package p = gradient(width, 67);
        CountingProgress progress;
        save_bmp(path("out.bmp"), p, progress);
        EXPECT_EQ(progress.maximum(), 1);
        EXPECT_EQ(progress.steps(), 1);

        const Bytes file = read_all(path("out.bmp"));
        ASSERT_EQ(file.size(), 54 + ((width * 3 + 3) & ~3) * 67u);  // rows padded to 4 bytes
        EXPECT_EQ(read_u32le(&file[2]), file.size());
        EXPECT_EQ(std::pair(read_u32le(&file[10]), read_u32le(&file[14])), std::pair(54u, 40u));  // 40-byte header
        EXPECT_EQ(read_u16le(&file[28]), 24);
        EXPECT_EQ(file[54 + 2], red_of(p.pixel(0, 66)));  // bottom row first

        Package back;
        ASSERT_TRUE(loads(path("out.bmp"), back));
        EXPECT_EQ(back, p) << width;
    }
}

TEST_F(CodecFiles, FileNamesNeedNotBeUtf8) {
    const std::string latin1 = path("caf\xE9.bmp");
    fs::copy_file(kCorpus / "bmp/g/pal8.bmp", latin1);
    Package p;
    EXPECT_TRUE(loads(latin1, p));
}

TEST_F(CodecFiles, JpegIsBaselineColourAtFullQuality) {
    const Package p = gradient(256, 512);
    CountingProgress progress;
    save_jpg(path("out.jpg"), p, progress);
    EXPECT_EQ(progress.maximum(), 4);
    EXPECT_EQ(progress.steps(), 4);
    EXPECT_EQ(progress.position(), 4);

    const Bytes file = read_all(path("out.jpg"));
    bool baseline = false;
    for (std::size_t i = 2; i + 9 < file.size() && !baseline; ++i)
        baseline = file[i] == 0xFF && file[i + 1] == 0xC0 && file[i + 9] == 3;  // SOF0, 3 components
    EXPECT_TRUE(baseline);
    Package back;
    ASSERT_TRUE(loads(path("out.jpg"), back));
    const Difference d = difference(back, p);
    EXPECT_LE(d.largest, 8);
    EXPECT_LT(d.mean, 1.0);  // quality 100
}

TEST_F(CodecFiles, FailedSavesKeepThePreviousFile) {
    const Package small = gradient(8, 8);
    CountingProgress progress;
    save_tga(path("keep.tga"), small, progress);
    save_bmp(path("keep.bmp"), small, progress);
    save_jpg(path("keep.jpg"), small, progress);
    const Bytes old_tga = read_all(path("keep.tga")), old_bmp = read_all(path("keep.bmp")),
                old_jpg = read_all(path("keep.jpg"));

    // Wider than either format holds.
    EXPECT_THROW(save_tga(path("keep.tga"), Package(70000, 1), progress), Error);
    EXPECT_THROW(save_jpg(path("keep.jpg"), Package(70000, 1), progress), Error);
    // A write that runs out of room half-way: the file size limit stands in for a full disk.
    if (kPosix) with_file_size_limit(64 * 1024, [&] {
        EXPECT_THROW(save_tga(path("keep.tga"), gradient(512, 512), progress), Error);
        EXPECT_THROW(save_bmp(path("keep.bmp"), gradient(512, 512), progress), Error);
        EXPECT_THROW(save_jpg(path("keep.jpg"), gradient(1024, 1024), progress), Error);
    });

    EXPECT_EQ(read_all(path("keep.tga")), old_tga);
    EXPECT_EQ(read_all(path("keep.bmp")), old_bmp);
    EXPECT_EQ(read_all(path("keep.jpg")), old_jpg);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);  // no temporaries
}

}  // namespace
}  // namespace tilesmith
