// What every refused read must leave behind.
#include "support/reader_checks.h"

#include <gtest/gtest.h>

#include "core/color.h"
#include "core/error.h"

namespace tilesmith {

void expect_refused(const std::string& path, const std::function<void(Package&, Progress&)>& read) {
    Package package(64, 128, kBlack);
    package.set_pixel(5, 6, kWhite);
    const Package before = package.clone();
    CountingProgress progress;
    try {
        read(package, progress);
        ADD_FAILURE() << path << " was read";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_TRUE(package == before);
    EXPECT_EQ(package.brush(), kBlack);
    EXPECT_EQ(progress.resets(), 0);
}

}  // namespace tilesmith
