// PNG reading and writing: every colour type and depth, interlaced or not, PngSuite,
// alpha as magenta both ways, and damaged files refused with nothing changed.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <libdeflate.h>
#include <zlib.h>

#include "core/error.h"
#include "core/progress.h"
#include "formats/deflate_pieces.h"
#include "formats/png.h"
#include "support/png_builder.h"
#include "support/test_files.h"

using namespace tilesmith;

namespace {

struct KindCase {
    const char* name;
    PngPicture picture;
    // The package colour expected at (x, y).
    PackedColor (*expected)(int x, int y);
};

std::uint8_t level(int x, int y) { return std::uint8_t(x * 7 + y * 3); }

PngPicture picture(int depth, int type, bool interlaced, std::function<std::vector<int>(int, int)> pixel) {
    PngPicture s;
    s.width = 13;  // not a multiple of 8: partial Adam7 passes
    s.height = 11;
    s.bit_depth = depth;
    s.colour_type = type;
    s.interlaced = interlaced;
    s.pixel = std::move(pixel);
    return s;
}

PackedColor rgb_of(int x, int y) { return pack_rgb(level(x, y), std::uint8_t(x * 20), std::uint8_t(y * 20)); }
PackedColor grey_of(int x, int y) { return pack_rgb(level(x, y), level(x, y), level(x, y)); }
// Every third pixel a hole (alpha below 128), the others opaque enough.
bool hole(int x, int y) { return (x + y) % 3 == 0; }
PackedColor rgb_with_holes(int x, int y) { return hole(x, y) ? kTransparent : rgb_of(x, y); }
PackedColor grey_with_holes(int x, int y) { return hole(x, y) ? kTransparent : grey_of(x, y); }
const PackedColor kPalette[3] = {pack_rgb(200, 10, 10), pack_rgb(10, 200, 10), pack_rgb(0, 0, 0)};
PackedColor palette_of(int x, int y) { return (x + y) % 3 == 2 ? kTransparent : kPalette[(x + y) % 3]; }

std::vector<int> rgb8(int x, int y) {
    const PackedColor c = rgb_of(x, y);
    return {red_of(c), green_of(c), blue_of(c)};
}

// 16 bits to 8, rounded to the nearest.
std::uint8_t nearest(int v) { return std::uint8_t((v * 255 + 32767) / 65535); }

KindCase keyed_case() {
    // Truecolour with a transparent key colour: that colour, and only it, is a hole.
    PngPicture s = picture(8, 2, false, [](int x, int y) {
        return hole(x, y) ? std::vector<int>{1, 2, 3} : rgb8(x, y);
    });
    s.transparency = {0, 1, 0, 2, 0, 3};
    return {"rgb_with_key_colour", s, rgb_with_holes};
}

KindCase palette_case() {
    PngPicture s = picture(8, 3, false, [](int x, int y) { return std::vector<int>{(x + y) % 3}; });
    s.palette = {200, 10, 10, 10, 200, 10, 0, 0, 0};
    s.transparency = {255, 255, 0};  // entry 2 is a hole
    return {"palette_with_transparent_entry", s, palette_of};
}

const KindCase kKinds[] = {
    {"rgb", picture(8, 2, false, rgb8), rgb_of},
    {"rgb_interlaced", picture(8, 2, true, rgb8), rgb_of},
    {"grey", picture(8, 0, false, [](int x, int y) { return std::vector<int>{level(x, y)}; }), grey_of},
    {"grey16_interlaced",
     picture(16, 0, true, [](int x, int y) { return std::vector<int>{level(x, y) * 257}; }), grey_of},
    {"grey_alpha",
     picture(8, 4, false, [](int x, int y) { return std::vector<int>{level(x, y), hole(x, y) ? 127 : 128}; }),
     grey_with_holes},
    {"rgba16",
     picture(16, 6, false,
          [](int x, int y) {
              const std::vector<int> c = rgb8(x, y);
              return std::vector<int>{c[0] * 257, c[1] * 257, c[2] * 257, hole(x, y) ? 0x7000 : 0xFFFF};
          }),
     rgb_with_holes},
    palette_case(),
    keyed_case(),
    {"rgba8",
     picture(8, 6, false,
             [](int x, int y) {
                 std::vector<int> c = rgb8(x, y);
                 c.push_back(hole(x, y) ? 127 : 128);
                 return c;
             }),
     rgb_with_holes},
    {"rgba8_interlaced",
     picture(8, 6, true,
             [](int x, int y) {
                 std::vector<int> c = rgb8(x, y);
                 c.push_back(hole(x, y) ? 0 : 255);
                 return c;
             }),
     rgb_with_holes},
    // Samples that are no multiple of 257: the nearest 8-bit value, not the high byte.
    {"rgb16_rounded",
     picture(16, 2, false, [](int x, int y) { return std::vector<int>{level(x, y) * 256, x * 5000, y * 6000}; }),
     [](int x, int y) { return pack_rgb(nearest(level(x, y) * 256), nearest(x * 5000), nearest(y * 6000)); }},
};

class PngKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(PngKinds, ReadEveryPixel) {
    const KindCase& c = GetParam();
    TempDir dir;
    write_bytes(dir.file("in.png"), png_bytes(c.picture));
    Package p(64, 64, kWhite);
    CountingProgress progress;
    const ReadResult r = open_png(dir.file("in.png"), p, progress);
    EXPECT_FALSE(r.refused());
    ASSERT_EQ(p.width(), c.picture.width);
    ASSERT_EQ(p.height(), c.picture.height);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) ASSERT_EQ(p.pixel(x, y), c.expected(x, y)) << x << "," << y;
    EXPECT_EQ(progress.position(), progress.maximum());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PngKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngWriter, MagentaBecomesTransparentAndTheRoundTripKeepsEveryPixel) {
    TempDir dir;
    Package p(70, 65, kBlack);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.set_pixel(x, y, hole(x, y) ? kTransparent : rgb_of(x, y));
    CountingProgress progress;
    save_png(dir.file("out.png"), p, progress);

    const QImage written(QString::fromStdString(dir.file("out.png")));
    ASSERT_EQ(written.size(), QSize(70, 65));
    EXPECT_EQ(qAlpha(written.pixel(0, 0)), 0) << "magenta is a hole";
    EXPECT_EQ(written.pixel(1, 0), qRgb(red_of(rgb_of(1, 0)), green_of(rgb_of(1, 0)), blue_of(rgb_of(1, 0))))
        << "everything else opaque in its own colour";

    Package back;
    open_png(dir.file("out.png"), back, progress);
    EXPECT_EQ(back, p);
}

// The two ways a file is decoded: our own loop (8-bit truecolour) and libspng's (the rest).
Bytes good_png(bool truecolour = true) {
    return truecolour ? png_bytes(picture(8, 2, false, rgb8))
                      : png_bytes(picture(8, 0, false, [](int x, int y) { return std::vector<int>{level(x, y)}; }));
}

struct Hostile {
    const char* name;
    Bytes bytes;
};

// Large enough to be compressed in several pieces, and busy enough that the
// pieces are no mere runs; a stripe of holes.
Package busy_package() {
    Package p(1100, 1000, kBlack);
    std::uint32_t noise = 1;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const std::uint8_t n = std::uint8_t(noise >> 29);
            p.set_pixel(x, y, y == 500 ? kTransparent : pack_rgb(std::uint8_t(x + n), std::uint8_t(y - n), std::uint8_t(x ^ y)));
        }
    return p;
}

TEST(PngWriter, PiecesMakeOneStreamThatOtherDecodersRead) {
    TempDir dir;
    const Package p = busy_package();
    CountingProgress progress;
    save_png(dir.file("out.png"), p, progress);
    EXPECT_EQ(progress.position(), p.height());
    const QImage written(QString::fromStdString(dir.file("out.png")));
    ASSERT_EQ(written.size(), QSize(p.width(), p.height()));
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const PackedColor c = p.pixel(x, y);
            ASSERT_EQ(written.pixel(x, y), c == kTransparent ? qRgba(255, 0, 255, 0) : qRgb(red_of(c), green_of(c), blue_of(c)))
                << x << "," << y;
        }
    // Without the transparent colour, no transparency chunk.
    save_png(dir.file("plain.png"), Package(64, 64, kWhite), progress);
    const Bytes plain = read_bytes(dir.file("plain.png"));
    EXPECT_EQ(std::search(plain.begin(), plain.end(), std::begin("tRNS"), std::end("tRNS") - 1), plain.end());
}

// The writer's pieces join into one stream whether deflated or stored (the
// fallback when the search for the final block does not follow a stream).
TEST(PngWriter, PiecesJoinWhetherDeflatedOrStored) {
    Bytes data(3 * 70000), stream, cut;
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = std::uint8_t(i * i >> 7 ^ i >> 9);
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(6);
    for (int piece = 0; piece < 3; ++piece) {  // deflated, stored, deflated
        const std::uint8_t* at = data.data() + piece * 70000;
        if (piece == 1) store_piece(at, 70000, false, stream);
        else deflate_piece(compressor, at, 70000, piece == 2, stream);
    }
    deflate_piece(compressor, data.data(), data.size(), true, cut);
    libdeflate_free_compressor(compressor);
    Bytes back(data.size());
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    EXPECT_EQ(libdeflate_deflate_decompress(decompressor, stream.data(), stream.size(), back.data(), back.size(), nullptr),
              LIBDEFLATE_SUCCESS);
    libdeflate_free_decompressor(decompressor);
    EXPECT_EQ(back, data);
    cut.resize(cut.size() / 2);
    std::uint64_t header = 0, end = 0;
    for (const Bytes& bad : {Bytes{0x07, 0, 0}, cut}) EXPECT_FALSE(find_final_block(bad.data(), bad.size(), header, end));
}

// Asks the work to stop at its `at`-th step.
class StopAt : public Progress {
public:
    explicit StopAt(int at) : left_(at) {}
    void reset(int) override {}
    void step() override {
        if (--left_ <= 0) throw Cancelled();
    }
    bool cancelled() const override { return left_ <= 0; }

private:
    std::atomic<int> left_;
};

TEST(PngCodec, AStopMidwayChangesNothing) {
    TempDir dir;
    const Package p = busy_package();
    CountingProgress counting;
    save_png(dir.file("old.png"), p, counting);
    const Bytes old = read_bytes(dir.file("old.png"));
    Package target(64, 64, kWhite);
    const Package before = target.clone();
    for (const bool truecolour : {true, false}) {
        write_bytes(dir.file("in.png"), truecolour ? old : good_png(false));
        StopAt stop(5);
        EXPECT_THROW(open_png(dir.file("in.png"), target, stop), Cancelled);
        EXPECT_EQ(target, before);
    }
    StopAt stop(500);
    EXPECT_THROW(save_png(dir.file("old.png"), Package(1100, 1000, kWhite), stop), Cancelled);
    EXPECT_EQ(read_bytes(dir.file("old.png")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "no temporary file left";
}

Bytes with_size(std::uint32_t w, std::uint32_t h) {
    Bytes b = good_png();
    for (int i = 0; i < 4; ++i) {
        b[16 + i] = std::uint8_t(w >> (24 - 8 * i));
        b[20 + i] = std::uint8_t(h >> (24 - 8 * i));
    }
    // Keep the header's CRC right, so only the size is at fault.
    const Bytes fixed = png_chunk("IHDR", Bytes(b.begin() + 16, b.begin() + 29));
    std::copy(fixed.begin(), fixed.end(), b.begin() + 8);
    return b;
}

// The zlib stream of a file png_bytes made: one IDAT chunk after the header, then IEND.
Bytes stream_of(const Bytes& png) { return Bytes(png.begin() + 41, png.end() - 16); }

// `png` made again around `stream`, in IDAT chunks of at most `split` bytes,
// with the chunks `tail` after them.
Bytes with_stream(const Bytes& png, const Bytes& stream, std::size_t split = 1 << 20, const Bytes& tail = {}) {
    Bytes b(png.begin(), png.begin() + 33);
    for (std::size_t at = 0; at < stream.size(); at += split) {
        const Bytes idat = png_chunk("IDAT", Bytes(stream.begin() + long(at),
                                                   stream.begin() + long(std::min(at + split, stream.size()))));
        b.insert(b.end(), idat.begin(), idat.end());
    }
    b.insert(b.end(), tail.begin(), tail.end());
    const Bytes end = png_chunk("IEND", {});
    b.insert(b.end(), end.begin(), end.end());
    return b;
}

// The filtered rows of a file png_bytes made, and rows compressed at `level`.
Bytes rows_of(const Bytes& png) {
    const Bytes stream = stream_of(png);
    uLongf size = 1 << 20;
    Bytes rows(size);
    uncompress(rows.data(), &size, stream.data(), uLong(stream.size()));
    rows.resize(size);
    return rows;
}
Bytes deflated(const Bytes& rows, int level) {
    uLongf size = compressBound(uLong(rows.size()));
    Bytes out(size);
    compress2(out.data(), &size, rows.data(), uLong(rows.size()), level);
    out.resize(size);
    return out;
}

// A good file whose stream, rows or chunks after them `change` made otherwise,
// every chunk's checksum right.
Bytes changed(bool truecolour, const std::function<Bytes(const Bytes& png, Bytes& rows)>& change) {
    const Bytes png = good_png(truecolour);
    Bytes rows = rows_of(png);
    return change(png, rows);
}

std::vector<Hostile> hostile_files(bool truecolour) {
    Bytes truncated = good_png(truecolour);
    truncated.resize(truncated.size() - 40);
    Bytes bad_crc = good_png(truecolour);
    bad_crc[bad_crc.size() - 20] ^= 0x55;  // inside IDAT
    Bytes not_png = good_png(truecolour);
    not_png[1] = 'X';
    // Every pixel there, the end chunk missing.
    Bytes no_end = good_png(truecolour);
    no_end.resize(no_end.size() - 12);
    // A damaged chunk before the pixels.
    Bytes bad_text = good_png(truecolour);
    Bytes text = png_chunk("tEXt", {'a', 0, 'b'});
    text.back() ^= 1;
    bad_text.insert(bad_text.begin() + 33, text.begin(), text.end());
    return {{"truncated", truncated},     {"damaged_data", bad_crc},
            {"wrong_signature", not_png}, {"empty", {}},
            {"no_end_chunk", no_end},     {"damaged_chunk_before_the_pixels", bad_text},
            {"huge_announced_size", with_size(60000, 60000)},
            {"rows_far_beyond_the_file", with_size(16384, 16384)},
            {"zero_width", with_size(0, 11)},
            {"wrong_data_checksum", changed(truecolour, [](const Bytes& png, Bytes&) {
                 Bytes stream = stream_of(png);
                 stream.back() ^= 1;
                 return with_stream(png, stream);
             })},
            // A pixel changed after its data were summed: only the Adler-32 tells.
            {"damaged_data_checksums_recomputed", changed(truecolour, [](const Bytes& png, Bytes& rows) {
                 const Bytes stored = deflated(rows, 0);
                 rows[20] ^= 0x10;
                 Bytes damaged = deflated(rows, 0);
                 std::copy(stored.end() - 4, stored.end(), damaged.end() - 4);
                 return with_stream(png, damaged);
             })},
            {"unknown_filter", changed(truecolour, [](const Bytes& png, Bytes& rows) {
                 rows[0] = 5;
                 return with_stream(png, deflated(rows, 6));
             })},
            {"unknown_critical_chunk_after_the_pixels", changed(truecolour, [](const Bytes& png, Bytes&) {
                 return with_stream(png, stream_of(png), 1 << 20, png_chunk("ABCD", {1}));
             })},
            {"pixel_data_after_another_chunk", changed(truecolour, [](const Bytes& png, Bytes&) {
                 Bytes tail = png_chunk("tEXt", {'a', 0, 'b'});
                 const Bytes idat = png_chunk("IDAT", {});
                 tail.insert(tail.end(), idat.begin(), idat.end());
                 return with_stream(png, stream_of(png), 1 << 20, tail);
             })}};
}

TEST(PngReader, DamagedFilesAreRefusedAndThePackageStays) {
    TempDir dir;
    for (const bool truecolour : {true, false})
    for (const Hostile& h : hostile_files(truecolour)) {
        SCOPED_TRACE(std::string(h.name) + (truecolour ? " truecolour" : " grey"));
        write_bytes(dir.file("bad.png"), h.bytes);
        Package p(64, 64, kWhite);
        const Package before = p.clone();
        CountingProgress progress;
        try {
            open_png(dir.file("bad.png"), p, progress);
            ADD_FAILURE() << "read";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("bad.png"), std::string::npos) << e.what();
        }
        EXPECT_EQ(p, before);
    }
}


// Files of unusual make that both ways read, to the same pixels as the plain file.
TEST(PngReader, UnusualButSoundFilesReadAsThePlainOne) {
    TempDir dir;
    CountingProgress progress;
    for (const bool truecolour : {true, false}) {
        const Bytes png = good_png(truecolour), stream = stream_of(png);
        Bytes longer = rows_of(png);
        longer.resize(longer.size() + 500, 0);
        for (const Bytes& file : {with_stream(png, stream, 1), with_stream(png, deflated(longer, 6)),
                                  with_stream(png, stream, 1 << 20, png_chunk("IDAT", {1, 2})),
                                  with_stream(png, stream, 1 << 20, png_chunk("tEXt", {'a', 0, 'b'}))}) {
            Package plain, p;
            write_bytes(dir.file("plain.png"), png);
            write_bytes(dir.file("in.png"), file);
            open_png(dir.file("plain.png"), plain, progress);
            open_png(dir.file("in.png"), p, progress);
            EXPECT_EQ(p, plain);
        }
    }
}

// Each of the five filters on pixels of 3 and 4 bytes, over a width that
// leaves the vector loops a last pixel of their own, noise that takes every
// branch of Paeth's choice.
TEST(PngReader, EveryFilterOnThreeAndFourBytePixels) {
    TempDir dir;
    const auto noise = [](int x, int y, int channel) {
        std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^ std::uint32_t(channel) * 83492791u;
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        return int((h ^ h >> 15) & 0xFF);
    };
    for (const int type : {2, 6})
        for (int filter = 0; filter <= 4; ++filter) {
            SCOPED_TRACE("colour type " + std::to_string(type) + ", filter " + std::to_string(filter));
            PngPicture s = picture(8, type, false, [&](int x, int y) {
                std::vector<int> c = {noise(x, y, 0), noise(x, y, 1), noise(x, y, 2)};
                if (type == 6) c.push_back(noise(x, y, 3));
                return c;
            });
            s.width = 37;
            s.filter = filter;
            write_bytes(dir.file("in.png"), png_bytes(s));
            Package p;
            CountingProgress progress;
            open_png(dir.file("in.png"), p, progress);
            for (int y = 0; y < s.height; ++y)
                for (int x = 0; x < s.width; ++x)
                    ASSERT_EQ(p.pixel(x, y), type == 6 && noise(x, y, 3) < 128
                                                 ? kTransparent
                                                 : pack_rgb(std::uint8_t(noise(x, y, 0)), std::uint8_t(noise(x, y, 1)),
                                                            std::uint8_t(noise(x, y, 2))))
                        << x << "," << y;
        }
}


// The package colour Qt's decoder gives for a pixel: alpha below half is a hole,
// 16 bits are rounded by Qt's conversion to 8.
PackedColor qt_colour(QRgb c) { return qAlpha(c) < 128 ? kTransparent : pack_rgb(qRed(c), qGreen(c), qBlue(c)); }

// FNV-1a (64 bits) over the red, green and blue of every pixel, rows from the top.
std::uint64_t picture_checksum(const Package& p) {
    std::uint64_t h = 14695981039346656037ull;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            for (const int v : {red_of(p.pixel(x, y)), green_of(p.pixel(x, y)), blue_of(p.pixel(x, y))})
                h = (h ^ std::uint64_t(v)) * 1099511628211ull;
    return h;
}

// Qt misreads 16-bit truecolour with a key colour (its alpha and colours come
// out mixed); these were decoded by PIL instead, once, with the same mapping:
// the key colour, white, a hole in 453 of the 1024 pixels.
const std::map<std::string, std::uint64_t> kNotAsQtReadsThem = {
    {"tbbn2c16.png", 0xde7076976171d4f8ull},
    {"tbgn2c16.png", 0xde7076976171d4f8ull},
};

// PngSuite: every good picture reads to the pixels an independent decoder
// gives, every x* picture is refused naming the file, the package unchanged.
TEST(PngSuite, GoodPicturesReadAsOtherDecodersReadThemDamagedOnesAreRefused) {
    namespace fs = std::filesystem;
    int good = 0, damaged = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(TILESMITH_CORPUS_DIR) / "png" / "pngsuite")) {
        if (entry.path().extension() != ".png") continue;
        const std::string name = entry.path().filename().string(), path = entry.path().string();
        SCOPED_TRACE(name);
        Package p(64, 64, kWhite);
        const Package before = p.clone();
        CountingProgress progress;
        if (name[0] == 'x') {
            ++damaged;
            try {
                open_png(path, p, progress);
                ADD_FAILURE() << "read";
            } catch (const Error& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            }
            EXPECT_EQ(p, before);
            continue;
        }
        ++good;
        open_png(path, p, progress);
        if (const auto pil = kNotAsQtReadsThem.find(name); pil != kNotAsQtReadsThem.end()) {
            EXPECT_EQ(picture_checksum(p), pil->second);
            continue;
        }
        const QImage ref = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(p.width(), ref.width());
        ASSERT_EQ(p.height(), ref.height());
        int differing = 0;
        for (int y = 0; y < ref.height(); ++y)
            for (int x = 0; x < ref.width(); ++x) differing += p.pixel(x, y) != qt_colour(ref.pixel(x, y));
        EXPECT_EQ(differing, 0);
    }
    EXPECT_EQ(good, 161);
    EXPECT_EQ(damaged, 14);
}

}  // namespace
