// The package bitmap, file helpers and checked arithmetic.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <atomic>
#include <thread>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/package.h"
#include "support/posix.h"
#include "support/test_files.h"

using namespace tilesmith;

TEST(Package, NewPackageIsFilledWithItsBrush) {
    Package p(256, 512);
    EXPECT_EQ(p.width(), 256);
    EXPECT_EQ(p.height(), 512);
    EXPECT_EQ(p.pixel(0, 0), kSilver);
    EXPECT_EQ(p.pixel(255, 511), kSilver);
    EXPECT_EQ(p.stride() % 4, 0u);
}

TEST(Package, OutsideReadsAllBitsAndWritesAreDropped) {
    Package p(10, 10, kBlack);
    EXPECT_EQ(p.pixel(-1, 0), kOutside);
    EXPECT_EQ(p.pixel(10, 0), kOutside);
    EXPECT_EQ(p.pixel(0, 10), kOutside);
    p.set_pixel(10, 0, kWhite);
    p.set_pixel(-1, -1, kWhite);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(p.pixel(x, y), kBlack);
}

TEST(Package, PixelsStoreBlueGreenRed) {
    Package p(2, 1, kBlack);
    p.set_pixel(1, 0, pack_rgb(30, 20, 10));
    EXPECT_EQ(p.row(0)[3], 10);
    EXPECT_EQ(p.row(0)[4], 20);
    EXPECT_EQ(p.row(0)[5], 30);
    EXPECT_EQ(red_of(p.pixel(1, 0)), 30);
}

TEST(Package, ResizeKeepsTopLeftAndFillsWithBrush) {
    Package p(4, 4, kBlack);
    p.set_pixel(3, 3, kWhite);
    p.set_brush(pack_rgb(0, 0, 255));
    p.resize(6, 5);
    EXPECT_EQ(p.pixel(3, 3), kWhite);
    EXPECT_EQ(p.pixel(0, 0), kBlack);
    EXPECT_EQ(p.pixel(5, 0), pack_rgb(0, 0, 255));
    EXPECT_EQ(p.pixel(0, 4), pack_rgb(0, 0, 255));
    p.resize(2, 2);
    EXPECT_EQ(p.width(), 2);
    EXPECT_EQ(p.pixel(1, 1), kBlack);
    p.resize(-5, 3);
    EXPECT_EQ(p.width(), 0);
}

TEST(Package, FillAndCopyClipToBothPackages) {
    Package a(8, 8, kBlack), b(8, 8, kWhite);
    a.fill_rect(6, 6, 64, 64, kWhite);
    EXPECT_EQ(a.pixel(7, 7), kWhite);
    EXPECT_EQ(a.pixel(5, 7), kBlack);
    b.set_pixel(0, 0, kTransparent);
    a.copy_rect(b, -2, -2, 64, 64, 1, 1);  // source starts outside
    EXPECT_EQ(a.pixel(3, 3), kTransparent);
    EXPECT_EQ(a.pixel(2, 2), kBlack);  // came from outside b: untouched
    a.copy_rect(b, 0, 0, 64, 64, 7, -3);
    EXPECT_EQ(a.pixel(7, 0), b.pixel(0, 3));
}

TEST(Package, TakePixelsKeepsTheBrush) {
    Package target(4, 4, kBlack);
    target.set_brush(kWhite);
    Package fresh(2, 3, kTransparent);
    target.take_pixels(fresh);
    EXPECT_EQ(target.width(), 2);
    EXPECT_EQ(target.brush(), kWhite);
    EXPECT_EQ(target.pixel(1, 2), kTransparent);
}

TEST(Package, MovedFromPackageIsEmptyAndCloneIsIndependent) {
    // Both ways of moving: construction and assignment over a package of another size.
    const std::function<Package(Package&)> moves[] = {
        [](Package& from) { return Package(std::move(from)); },
        [](Package& from) {
            Package to(3, 2, kBlack);
            to = std::move(from);
            return to;
        },
    };
    for (const auto& move : moves) {
        Package from(130, 70, kWhite);
        from.set_pixel(129, 69, kTransparent);
        const Package copy = from.clone();
        const Package to = move(from);
        EXPECT_EQ(from.width(), 0);
        EXPECT_EQ(from.height(), 0);
        EXPECT_FALSE(from.contains(0, 0));
        EXPECT_EQ(from.pixel(0, 0), kOutside);
        EXPECT_EQ(from, Package(0, 0));
        EXPECT_EQ(to, copy);
        EXPECT_EQ(to.pixel(129, 69), kTransparent);
    }
    Package original(64, 64, kBlack);
    const Package clone = original.clone();
    original.set_pixel(0, 0, kWhite);
    EXPECT_EQ(clone.pixel(0, 0), kBlack);
    EXPECT_NE(clone.bits(), original.bits());
}

TEST(Checked, OverflowIsCaught) {
    EXPECT_FALSE(checked_mul(std::int64_t(1) << 40, std::int64_t(1) << 40).has_value());
    EXPECT_EQ(*checked_mul(3, 4), 12);
    EXPECT_FALSE(checked_add(INT64_MAX, 1).has_value());
}

// Compilers without the overflow built-ins get the same answers.
TEST(Checked, PortableChecksAgreeWithTheBuiltIns) {
    const std::int64_t edges[] = {INT64_MIN, INT64_MIN + 1, -3037000500, -2, -1, 0, 1, 2, 3037000500,
                                  INT64_MAX - 1, INT64_MAX};
    for (const std::int64_t a : edges)
        for (const std::int64_t b : edges) {
            EXPECT_EQ(portable::checked_mul(a, b), checked_mul(a, b)) << a << " * " << b;
            EXPECT_EQ(portable::checked_add(a, b), checked_add(a, b)) << a << " + " << b;
        }
}

class FileIo : public ::testing::Test {
protected:
    std::filesystem::path dir = unique_temp_path("tilesmith_io_");
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(FileIo, ShortReadIsNoErrorAndMissingFileNamesTheFile) {
    const auto f = (dir / "a.bin").string();
    { std::ofstream(f, std::ios::binary) << "abc"; }
    InFile in(f);
    EXPECT_EQ(in.size(), 3);
    char buf[8] = {};
    EXPECT_EQ(in.read_some(buf, 8), 3u);
    try {
        InFile missing((dir / "nope.tga").string());
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("nope.tga"), std::string::npos);
    }
}

TEST_F(FileIo, AReadAtAPlaceFromAnotherThreadLeavesTheReadingWhereItWas) {
    const auto f = (dir / "count.bin").string();
    std::vector<std::uint8_t> bytes(1 << 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 7);
    write_bytes(f, bytes);
    InFile in(f);
    std::atomic<bool> wrong{false};
    std::thread beside([&] {
        std::uint8_t b[3];
        for (std::int64_t at = 0; at + 3 <= std::int64_t(bytes.size()); at += 97) {
            in.read_at(at, b, 3);
            if (b[2] != bytes[std::size_t(at + 2)]) wrong = true;
        }
    });
    std::vector<std::uint8_t> read(bytes.size());
    for (std::size_t at = 0; at < read.size(); at += 256) in.read_exact(&read[at], 256);
    beside.join();
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(wrong);
    std::uint8_t b;
    EXPECT_THROW(in.read_at(std::int64_t(bytes.size()), &b, 1), Error);
}

TEST_F(FileIo, AtomicWriteLeavesOldFileUntilCommit) {
    const auto f = (dir / "out.bin").string();
    { std::ofstream(f, std::ios::binary) << "old"; }
    {
        AtomicOutFile out(f);
        out.write("new!", 4);
        // destroyed without commit: old file stays, no temporary left behind
    }
    std::string s;
    std::ifstream(f) >> s;  // closed again: Windows replaces no open file
    EXPECT_EQ(s, "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    write_file_atomic(f, "new!", 4);
    std::ifstream in2(f);
    in2 >> s;
    EXPECT_EQ(s, "new!");
}

TEST_F(FileIo, AReadOnlyFileIsRefusedWithTheReason) {
    if (kPosix) GTEST_SKIP() << "root ignores the mode here; formats_tga_test refuses as another user";
    const auto f = (dir / "locked.bin").string();
    write_bytes(f, {1});
    std::filesystem::permissions(f, std::filesystem::perms::owner_read);
    try {
        AtomicOutFile out(f);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(system_error_text(EACCES)), std::string::npos) << e.what();
    }
    std::filesystem::permissions(f, std::filesystem::perms::owner_all);
}

TEST_F(FileIo, SameFileSeesLinksAndSpellings) {
    const auto f = (dir / "base.tr4").string();
    { std::ofstream(f) << "x"; }
    make_link(f, (dir / "link.tr4").string());
    std::filesystem::create_hard_link(f, dir / "hard.tr4");
    EXPECT_TRUE(same_file(f, (dir / "link.tr4").string()));
    EXPECT_TRUE(same_file(f, (dir / "hard.tr4").string()));
    EXPECT_TRUE(same_file(f, (dir / "." / "base.tr4").string()));
    EXPECT_FALSE(same_file(f, (dir / "other.tr4").string()));
}

TEST(Package, EmptyPackagesCompareWithoutTouchingMemory) {
    // A zero-width package may still have rows; it has no pixels to compare.
    EXPECT_EQ(Package(0, 5), Package(0, 5, kBlack));
    EXPECT_FALSE(Package(0, 5) == Package(0, 4));
    EXPECT_EQ(Package(7, 0), Package(7, 0));
}
