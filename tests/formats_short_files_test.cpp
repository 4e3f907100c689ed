// Files that end before the data they announce: the readers that can read
// part of a file read what is there, the missing rows transparent, and say
// how many rows are missing; the others refuse the file.
#include <gtest/gtest.h>

#include "core/color.h"
#include "formats/dispatch.h"
#include "core/error.h"
#include "support/short_files.h"

namespace tilesmith {
namespace {

TEST(ShortFiles, ReadWithTransparentRowsAndAWarningOrRefused) {
    TempDir dir;
    for (const ShortFile& f : short_files(dir)) {
        SCOPED_TRACE(f.path);
        Package p(64, 64, kBlack);
        CountingProgress progress;
        if (f.missing_rows == 0) {
            try {
                read_package(f.path, p, ReaderOptions{}, progress);
                ADD_FAILURE() << "read";
            } catch (const Error& e) {
                EXPECT_NE(std::string(e.what()).find(f.path), std::string::npos) << e.what();
            }
            EXPECT_TRUE(p == Package(64, 64, kBlack));
            continue;
        }
        const auto result = read_package(f.path, p, ReaderOptions{}, progress);
        ASSERT_TRUE(result && result->warning);
        EXPECT_FALSE(result->refused());
        EXPECT_EQ(result->warning->text(Language::English),
                  Phrase(Msg::RowsMissing).arg(f.path).arg(f.missing_rows).text(Language::English));
        ASSERT_EQ(p.height(), f.height);
        // The rows the file does not reach at all are transparent (TGA rows run bottom-up).
        for (int y = 0; y < f.missing_rows - 1; ++y) {
            const int row = f.path.ends_with(".tga") ? y : f.height - 1 - y;
            for (int x = 0; x < p.width(); ++x) ASSERT_EQ(p.pixel(x, row), kTransparent) << x << ", " << row;
        }
    }
}

}  // namespace
}  // namespace tilesmith
